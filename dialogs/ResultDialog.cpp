#include "ResultDialog.h"

#include "Artwork.h"
#include "FormStyle.h"
#include "ModalResult.h"
#include "Placement.h"
#include "TimeOfDay.h"
#include "ui_ResultDialog.h"

#include <QPixmap>
#include <QStyle>
#include <array>
#include <vector>

namespace {

// Outer sizes and button places of the four variants.
constexpr QSize GoalOuterSize(257, 345);
constexpr QPoint GoalOkPlace(87, 288);
constexpr QSize GameOverOuterSize(178, 248);
constexpr QPoint GameOverOkPlace(47, 194);
constexpr QSize ConfirmOuterSize(178, 248);
constexpr QPoint ConfirmYesPlace(8, 188);
constexpr QPoint ConfirmNoPlace(88, 188);
constexpr QSize FarewellOuterSize(179, 248);
constexpr QPoint FarewellOkPlace(48, 188);

// PlaceAtCursor: the cursor lands this far left of the window's right edge and
// above its bottom edge; windows narrower than NarrowWidth keep it at the left.
constexpr int CursorInsetFromRight = 100;
constexpr int NarrowWidth = 80;
constexpr int CursorInsetFromBottom = 30;

constexpr double OneDay = 1.0;

void ShowPicture(QLabel* image, const QImage& picture) {
    image->setPixmap(QPixmap::fromImage(picture));
    image->resize(picture.size());
}

void SetValue(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
    FitLabelToText(label);
}

} // namespace

struct ResultDialog::Variant {
    struct ButtonPlace {
        QPushButton* button;
        QPoint place;
    };
    QWidget* panel;
    QSize outerSize;
    // The first is the default button and has the focus.
    std::vector<ButtonPlace> buttons;
};

ResultDialog::ResultDialog(SessionValues& session, QWidget* parent)
    : GameDialog(parent), session_(session), ui_(std::make_unique<Ui::ResultDialog>()) {
    ui_->setupUi(this);
    ApplyFormStyle(this);
    ShowPicture(ui_->goalPicture, Artwork::GoalPicture());
    ShowPicture(ui_->gameOverPicture, Artwork::GameOverPicture());
    ShowPicture(ui_->quitPicture, Artwork::QuitPicture());
    ShowPicture(ui_->farewellPicture, Artwork::FarewellPicture());

    SetGlyph(ui_->okButton, QStyle::SP_DialogOkButton);
    SetGlyph(ui_->yesButton, QStyle::SP_DialogYesButton);
    SetGlyph(ui_->noButton, QStyle::SP_DialogNoButton);
    SetModalResult(ui_->okButton, mrOk);
    SetModalResult(ui_->yesButton, mrYes);
    SetModalResult(ui_->noButton, mrNo);
    SetCancelButton(ui_->noButton);
    HideAllVariants();
}

ResultDialog::~ResultDialog() = default;

void ResultDialog::ShowGoalResult(GameRecord record) {
    if (showing_) {
        ResultDialog(session_, parentWidget()).ShowGoalResult(record);
        return;
    }
    // Both times are times of day, so a game across midnight comes out negative.
    const double elapsed =
        session_.ElapsedTime < 0 ? session_.ElapsedTime + OneDay : session_.ElapsedTime;
    SetValue(ui_->startTimeLabel, FormatTimeOfDay(session_.StartTime));
    SetValue(ui_->endTimeLabel, FormatTimeOfDay(session_.EndTime));
    SetValue(ui_->elapsedTimeLabel, FormatTimeOfDay(elapsed));
    SetValue(ui_->staminaLeftLabel, std::to_string(record.Stamina));
    ShowVariant({ui_->goalPanel, GoalOuterSize, {{ui_->okButton, GoalOkPlace}}});
}

void ResultDialog::ShowGameOver(GameRecord record) {
    if (showing_) {
        ResultDialog(session_, parentWidget()).ShowGameOver(record);
        return;
    }
    SetValue(ui_->reachedSquareLabel, std::to_string(record.StartPosition));
    ShowVariant({ui_->gameOverPanel, GameOverOuterSize, {{ui_->okButton, GameOverOkPlace}}});
}

int ResultDialog::ConfirmQuit() {
    if (showing_) {
        return ResultDialog(session_, parentWidget()).ConfirmQuit();
    }
    return ShowVariant({ui_->quitPanel,
                        ConfirmOuterSize,
                        {{ui_->yesButton, ConfirmYesPlace}, {ui_->noButton, ConfirmNoPlace}}});
}

int ResultDialog::ShowFarewell() {
    if (showing_) {
        return ResultDialog(session_, parentWidget()).ShowFarewell();
    }
    return ShowVariant({ui_->farewellPanel, FarewellOuterSize, {{ui_->okButton, FarewellOkPlace}}});
}

void ResultDialog::HideAllVariants() {
    const std::array<QWidget*, 7> parts{ui_->goalPanel,     ui_->gameOverPanel, ui_->quitPanel,
                                        ui_->farewellPanel, ui_->okButton,      ui_->yesButton,
                                        ui_->noButton};
    for (QWidget* part : parts) {
        part->setVisible(false);
    }
}

QPoint ResultDialog::PlaceAtCursor(int outerWidth, int outerHeight) {
    const int offsetX = outerWidth - NarrowWidth >= 0 ? outerWidth - CursorInsetFromRight : 0;
    const int offsetY = outerHeight - CursorInsetFromBottom;
    return PlaceWithCursorAt(offsetX, offsetY, outerWidth, outerHeight);
}

int ResultDialog::ShowVariant(const Variant& variant) {
    HideAllVariants();
    variant.panel->setVisible(true);
    for (const auto& [button, place] : variant.buttons) {
        button->setVisible(true);
    }
    SetOuterSize(variant.outerSize.width(), variant.outerSize.height());
    variant.panel->move(0, 0);
    for (const auto& [button, place] : variant.buttons) {
        button->move(place);
    }
    move(PlaceAtCursor(variant.outerSize.width(), variant.outerSize.height()));

    QPushButton* first = variant.buttons.front().button;
    first->setDefault(true);
    first->setFocus();
    showing_ = true;
    const int result = exec();
    showing_ = false;
    return result;
}
