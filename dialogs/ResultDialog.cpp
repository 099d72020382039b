#include "ResultDialog.h"

#include "Artwork.h"
#include "FormStyle.h"
#include "Placement.h"
#include "ui_ResultDialog.h"

#include <QMessageBox>
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

// placeAtCursor: the cursor lands this far left of the window's right edge and
// above its bottom edge; windows narrower than NarrowWidth keep it at the left.
constexpr int CursorInsetFromRight = 100;
constexpr int NarrowWidth = 80;
constexpr int CursorInsetFromBottom = 30;

// How the times of a result are written.
const QString TimeFormat = QStringLiteral("H:mm:ss");

void showPicture(QLabel* image, const QImage& picture) {
    image->setPixmap(QPixmap::fromImage(picture));
    image->resize(picture.size());
}

void setValue(QLabel* label, const QString& text) {
    label->setText(text);
    fitLabelToText(label);
}

} // namespace

struct ResultDialog::Variant {
    struct ButtonPlace {
        QPushButton* button;
        QPoint place;
    };
    QWidget* panel;
    // The panel's picture, decoded the first time the panel is shown.
    QLabel* picture;
    QImage (*decodePicture)();
    QSize outerSize;
    // The first is the default button and has the focus.
    std::vector<ButtonPlace> buttons;
    // What a screen reader says of the window, whose title stays MessageForm.
    QString accessibleName;
    QString accessibleDescription;
};

ResultDialog::ResultDialog(QWidget* parent)
    : GameDialog(parent), m_ui(std::make_unique<Ui::ResultDialog>()) {
    m_ui->setupUi(this);
    applyFormStyle(this);
    // The pictures carry the heroine's words; a screen reader reads them here.
    //: The words drawn in the goal picture.
    m_ui->goalPicture->setAccessibleName(tr("やったぁぁぁっ♪"));
    //: The words drawn in the game over picture.
    m_ui->gameOverPicture->setAccessibleName(tr("きゅぅ～～っ"));
    //: The quit question's picture.
    m_ui->quitPicture->setAccessibleName(tr("ぽてりん"));
    //: The farewell's picture.
    m_ui->farewellPicture->setAccessibleName(tr("ぽてりん"));

    setGlyph(m_ui->okButton, QStyle::SP_DialogOkButton);
    setGlyph(m_ui->yesButton, QStyle::SP_DialogYesButton);
    setGlyph(m_ui->noButton, QStyle::SP_DialogNoButton);
    setModalResult(m_ui->okButton, QDialog::Accepted);
    setModalResult(m_ui->yesButton, QMessageBox::Yes);
    setModalResult(m_ui->noButton, QMessageBox::No);
    setCancelButton(m_ui->noButton);
    hideAllVariants();
}

ResultDialog::~ResultDialog() = default;

void ResultDialog::showGoalResult(const GameRecord& record, const GameTimes& times) {
    if (m_showing) {
        ResultDialog(parentWidget()).showGoalResult(record, times);
        return;
    }
    setValue(m_ui->startTimeLabel, times.start.toString(TimeFormat));
    setValue(m_ui->endTimeLabel, times.end.toString(TimeFormat));
    setValue(m_ui->elapsedTimeLabel, times.elapsed().toString(TimeFormat));
    setValue(m_ui->staminaLeftLabel, QString::number(record.stamina));
    //: The title of the result at the goal.
    setWindowTitle(tr("MessageForm", "goal"));
    showVariant({m_ui->goalPanel,
                 m_ui->goalPicture,
                 &Artwork::goalPicture,
                 GoalOuterSize,
                 {{m_ui->okButton, GoalOkPlace}},
                 //: What a screen reader says of the goal result.
                 tr("ゴール"),
                 //: The goal result read out: the picture's words, the square, the
                 //: start, end and elapsed time and the stamina left.
                 tr("やったぁぁぁっ♪ %1 マス目でゴール。開始時刻 %2、終了時刻 %3、経過時間 %4、"
                    "終了時体力 %5")
                     .arg(record.currentSquare)
                     .arg(m_ui->startTimeLabel->text(), m_ui->endTimeLabel->text(),
                          m_ui->elapsedTimeLabel->text(), m_ui->staminaLeftLabel->text())});
}

void ResultDialog::showGameOver(const GameRecord& record) {
    if (m_showing) {
        ResultDialog(parentWidget()).showGameOver(record);
        return;
    }
    setValue(m_ui->reachedSquareLabel, QString::number(record.currentSquare));
    //: The title of the game over; the window is only 170 pixels wide.
    setWindowTitle(tr("MessageForm", "game over"));
    showVariant({m_ui->gameOverPanel,
                 m_ui->gameOverPicture,
                 &Artwork::gameOverPicture,
                 GameOverOuterSize,
                 {{m_ui->okButton, GameOverOkPlace}},
                 //: What a screen reader says of the game over result.
                 tr("ゲームオーバー"),
                 //: Game over read out: the picture's words, the square reached with
                 //: the caption and remark the window shows.
                 tr("きゅぅ～～っ %1 %2 %3 体力が尽きた")
                     .arg(record.currentSquare)
                     .arg(m_ui->reachedSquareCaption->text(), m_ui->gameOverRemarkLabel->text())});
}

QMessageBox::StandardButton ResultDialog::confirmQuit() {
    if (m_showing) {
        return ResultDialog(parentWidget()).confirmQuit();
    }
    //: The title of the question before quitting, asked by File > 閉じる; the
    //: window is only 170 pixels wide.
    setWindowTitle(tr("MessageForm", "quit"));
    const int answer =
        showVariant({m_ui->quitPanel,
                     m_ui->quitPicture,
                     &Artwork::QuitPicture,
                     ConfirmOuterSize,
                     {{m_ui->yesButton, ConfirmYesPlace}, {m_ui->noButton, ConfirmNoPlace}},
                     //: What a screen reader says of the quit question.
                     tr("やめちゃうの？"),
                     //: The quit question read out, with what each answer does.
                     tr("ゲームをやめますか。はい でやめる、いいえ で続ける")});
    // The close box rejects the showing, as it does every dialog's.
    return answer == QDialog::Rejected ? QMessageBox::Cancel
                                       : static_cast<QMessageBox::StandardButton>(answer);
}

int ResultDialog::showFarewell() {
    if (m_showing) {
        return ResultDialog(parentWidget()).showFarewell();
    }
    //: The title of the goodbye after quitting; the window is only 170 pixels wide.
    setWindowTitle(tr("MessageForm", "farewell"));
    return showVariant({m_ui->farewellPanel,
                        m_ui->farewellPicture,
                        &Artwork::farewellPicture,
                        FarewellOuterSize,
                        {{m_ui->okButton, FarewellOkPlace}},
                        //: What a screen reader says of the farewell.
                        tr("またねっ"),
                        //: The farewell read out.
                        tr("さようなら。OK で終わります")});
}

void ResultDialog::hideAllVariants() {
    const std::array<QWidget*, 7> parts{m_ui->goalPanel,     m_ui->gameOverPanel, m_ui->quitPanel,
                                        m_ui->farewellPanel, m_ui->okButton,      m_ui->yesButton,
                                        m_ui->noButton};
    for (QWidget* part : parts) {
        part->setVisible(false);
    }
}

std::optional<QPoint> ResultDialog::placeAtCursor(int outerWidth, int outerHeight) {
    const int offsetX = outerWidth - NarrowWidth >= 0 ? outerWidth - CursorInsetFromRight : 0;
    const int offsetY = outerHeight - CursorInsetFromBottom;
    return placeWithCursorAt(offsetX, offsetY, outerWidth, outerHeight);
}

int ResultDialog::showVariant(const Variant& variant) {
    hideAllVariants();
    if (variant.picture->pixmap().isNull()) {
        showPicture(variant.picture, variant.decodePicture());
    }
    variant.panel->setVisible(true);
    for (const auto& [button, place] : variant.buttons) {
        button->setVisible(true);
    }
    setOuterSize(variant.outerSize.width(), variant.outerSize.height());
    setAccessibleName(variant.accessibleName);
    setAccessibleDescription(variant.accessibleDescription);
    variant.panel->move(0, 0);
    for (const auto& [button, place] : variant.buttons) {
        button->move(place);
    }
    moveTo(placeAtCursor(variant.outerSize.width(), variant.outerSize.height()));

    QPushButton* first = variant.buttons.front().button;
    setDefaultButton(first);
    first->setFocus();
    m_showing = true;
    const int result = exec();
    m_showing = false;
    return result;
}
