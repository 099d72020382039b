#include "SlotClass.h"

#include "CourseTable.h"
#include "Fonts.h"
#include "GameMessages.h"

#include <QString>
#include <algorithm>

namespace {

constexpr QRect SlotButtonRect(66, 28, 54, 50);
// The main window's font; the button shows it like every control on the window.
constexpr int MainWindowFontHeight = 12;

constexpr std::int32_t Kind(SquareKind kind) {
    return static_cast<std::int32_t>(kind);
}

// Whether clicking in `mode` hands the square's event to the controller.
constexpr bool IsSquareMode(std::int32_t mode) {
    return mode == Kind(SquareKind::Remark) || mode == Kind(SquareKind::Lucky) ||
           mode == Kind(SquareKind::StaminaUp) || mode == Kind(SquareKind::Forward) ||
           mode == Kind(SquareKind::Back);
}

} // namespace

SlotClass::SlotClass(QWidget* mainWindow, MessagePoster& poster, const ImageList& arrowImages,
                     const ImageList& numberImages)
    : BaseSlotClass(mainWindow, arrowImages, numberImages), Poster(poster),
      SlotButton_(new QPushButton(OuterPanel_)) {
    SlotButton_->setGeometry(SlotButtonRect);
    SlotButton_->setFont(GameFont(MainWindowFontHeight));
    // Enter presses the focused button too, not only Space: the game can be
    // played from the keyboard.
    SlotButton_->setAutoDefault(true);
    QObject::connect(SlotButton_, &QPushButton::clicked, SlotButton_, [this] { ButtonClick(); });
}

void SlotClass::ResetSlot() {
    FillDrum();
    DrawArrow(0);
    ScrollOffset_ = RestOffset;
    SetButtonMode(ButtonIdle);
    if (Spinning()) {
        StopRequest_ = 1;
        DiscardResult_ = 1;
    }
    DrawSlot();
}

void SlotClass::SetSlot(const IDDataStruct& record) {
    if (Spinning()) {
        DiscardResult_ = 1;
        StopRequest_ = 1;
    }
    SetButtonMode(ButtonStart);
    Data_ = record;
    DrawArrow(ArrowRow());
    MaxNumber_ = Data_.SlotMax;
    MinNumber_ = Data_.SlotMin;
    UpdateAccessibleText();
}

void SlotClass::SetButtonMode(std::int32_t code) {
    std::int32_t mode = code;
    QString caption;
    switch (code) {
    case Kind(SquareKind::Start):
    case ButtonStart:
        mode = ButtonStart;
        caption = QStringLiteral("スタート");
        break;
    case ButtonStop:
        caption = QStringLiteral("ストップ");
        break;
    case ButtonIdle:
        break;
    case Kind(SquareKind::Remark):
        caption = QStringLiteral("ＯＫ");
        break;
    case Kind(SquareKind::Lucky):
        caption = QStringLiteral("ラッキー");
        break;
    case Kind(SquareKind::StaminaUp):
        caption = QStringLiteral("体力上昇");
        break;
    case Kind(SquareKind::Forward):
        caption = QStringLiteral("更に進む");
        break;
    case Kind(SquareKind::Back):
        caption = QStringLiteral("も、戻る");
        break;
    default:
        return; // no mode of its own: nothing changes
    }
    ButtonMode_ = mode;
    SlotButton_->setText(caption);
    UpdateAccessibleText();
}

void SlotClass::SetButtonIdle() {
    SetButtonMode(ButtonIdle);
}

void SlotClass::ButtonClick() {
    if (ButtonMode_ == ButtonStart) {
        StartSpin();
    } else if (ButtonMode_ == ButtonStop) {
        StopRequest_ = 1;
        SetButtonMode(ButtonIdle);
    } else if (IsSquareMode(ButtonMode_)) {
        // One offer, one event: the button goes blank at once, so a double
        // click (or a second click before the event is handled) posts nothing
        // more. The controller blanks it too when the event arrives.
        Poster.PostGameMessage(WM_GAME_EVENT, ButtonMode_, 0);
        SetButtonMode(ButtonIdle);
    }
}

void SlotClass::StartSpin() {
    SpinTimer_.SetInterval(std::max(Data_.TimerInterval, MinimumSpinInterval));
    StopRequest_ = 0;
    // A spin abandoned by ResetSlot or SetSlot may still be running towards its
    // silent halt; it is now this spin, whose result the player is waiting for.
    DiscardResult_ = 0;
    SetButtonMode(ButtonStop);
}

void SlotClass::SpinTick() {
    // A tick that arrives after the halt must not move the resting drum.
    if (!Spinning()) {
        return;
    }
    ScrollOffset_ -= TickWidth();
    const bool passedBoundary = ScrollOffset_ < 0;
    if (passedBoundary) {
        ShiftStripDown();
        Numbers_[3] = Numbers_[2];
        Numbers_[2] = Numbers_[1];
        Numbers_[1] = Numbers_[0];
        Numbers_[0] = NewNumber();
        DrawNumberFace(0);
        ScrollOffset_ += CellHeight;
    }
    if (StopRequest_ && passedBoundary) {
        SpinTimer_.SetInterval(0);
        ScrollOffset_ = RestOffset;
        if (DiscardResult_) {
            DiscardResult_ = 0;
        } else {
            Poster.PostGameMessage(WM_GAME_EVENT, SlotStop, Numbers_[ArrowRow() + 1]);
        }
    }
    ShowNumberWindow(ScrollOffset_);
}

void SlotClass::StopSpin() {
    StopRequest_ = 0;
    DiscardResult_ = 0;
    if (!Spinning()) {
        return;
    }
    SpinTimer_.SetInterval(0);
    ScrollOffset_ = RestOffset;
    DrawSlot();
    UpdateAccessibleText();
}
