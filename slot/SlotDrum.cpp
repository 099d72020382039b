#include "SlotDrum.h"

#include "CourseTable.h"
#include "DrumRandom.h"
#include "Fonts.h"
#include "GameMessages.h"
#include "ImageList.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// Panel layout, in pixels relative to the parent.
constexpr QRect OuterPanelRect(0, 0, 125, 106);
constexpr QRect InnerPanelRect(4, 4, 58, 98);
constexpr QPoint PaintBoxPos(4, 4);
constexpr int OuterBevelWidth = 1;
constexpr int InnerBevelWidth = 2;

// What a screen reader calls the drum, and says while it turns.
const char* const AccessibleDrumName = "スロットドラム";
const char* const AccessibleSpinningText = "回転中";

// What a cell shows when there is no picture for it.
constexpr QRgb BlankCell = qRgb(255, 255, 255);

// The strips and the picture are 32-bit images; rows are copied as raw pixels,
// which allocates nothing and needs no painter.
constexpr int BytesPerPixel = 4;

// Copies rectangle `area` of `src` to `to` of `dst`, clipped to both
// images. The rectangles may overlap inside one image: the result is that of
// copying from the unchanged source.
void CopyRect(const QImage& src, QRect area, QImage& dst, QPoint to) {
    // Clip against the source, then against the target.
    const QRect srcClipped = area & src.rect();
    to += srcClipped.topLeft() - area.topLeft();
    QRect target(to, srcClipped.size());
    target &= dst.rect();
    if (target.isEmpty()) {
        return;
    }
    const QPoint srcOrigin = srcClipped.topLeft() + (target.topLeft() - to);
    const std::size_t rowBytes = static_cast<std::size_t>(target.width()) * BytesPerPixel;
    // The target first: taking its bits may detach it, never the source.
    uchar* into = dst.bits() + target.top() * dst.bytesPerLine() + target.left() * BytesPerPixel;
    const uchar* from =
        src.constBits() + srcOrigin.y() * src.bytesPerLine() + srcOrigin.x() * BytesPerPixel;
    qsizetype intoStep = dst.bytesPerLine();
    qsizetype fromStep = src.bytesPerLine();
    if (&src == &dst && target.top() > srcOrigin.y()) {
        // Moving down inside one image: go bottom-up so no row is overwritten
        // before it has been read.
        into += (target.height() - 1) * intoStep;
        from += (target.height() - 1) * fromStep;
        intoStep = -intoStep;
        fromStep = -fromStep;
    }
    for (int row = 0; row < target.height(); ++row, into += intoStep, from += fromStep) {
        std::memmove(into, from, rowBytes);
    }
}

// Draws image-list frame `index` at the top-left of `cell` of `dst`, clipped to
// the cell. The drum's faces cover their cells completely, so a frame is copied
// as it is; whatever no frame covers is left blank.
void DrawCell(QImage& dst, const QRect& cell, const ImageList& list, int index) {
    const QImage& frame = list.Frame(index);
    const bool drawable = !frame.isNull() && frame.depth() == BytesPerPixel * 8;
    if (!drawable || frame.width() < cell.width() || frame.height() < cell.height()) {
        const QRect area = cell & dst.rect();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(dst.scanLine(y));
            std::fill(line + area.left(), line + area.left() + area.width(), BlankCell);
        }
    }
    if (drawable) {
        CopyRect(frame, QRect(QPoint(0, 0), cell.size()), dst, cell.topLeft());
    }
}


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

SlotDrum::SlotDrum(QWidget* mainWindow, MessagePoster& poster, const ImageList& arrowImages,
                   const ImageList& numberImages)
    : ArrowImages(arrowImages), NumberImages(numberImages),
      NumberStrip_(NumberStripWidth, StripCells * CellHeight, QImage::Format_RGB32),
      ArrowStrip_(ArrowColumnWidth, StripCells * CellHeight, QImage::Format_RGB32),
      OuterPanel_(new BevelPanel(mainWindow)), InnerPanel_(new BevelPanel(OuterPanel_)),
      PaintBox_(new DrumPaintBox(InnerPanel_, PaintBoxWidth, PaintBoxHeight,
                                 [this] { ComposeRestPicture(); })),
      SpinTimer_([this] { SpinTick(); }), Poster(poster),
      SlotButton_(new QPushButton(OuterPanel_)) {
    NumberStrip_.fill(BlankCell);
    ArrowStrip_.fill(BlankCell);

    OuterPanel_->SetBevelInner(BevelPanel::Bevel::None);
    OuterPanel_->SetBevelOuter(BevelPanel::Bevel::Raised);
    OuterPanel_->SetBevelWidth(OuterBevelWidth);
    OuterPanel_->setGeometry(OuterPanelRect);
    OuterPanel_->hide();

    InnerPanel_->SetBevelInner(BevelPanel::Bevel::Lowered);
    InnerPanel_->SetBevelOuter(BevelPanel::Bevel::Raised);
    InnerPanel_->SetBevelWidth(InnerBevelWidth);
    InnerPanel_->setGeometry(InnerPanelRect);

    PaintBox_->setGeometry(QRect(PaintBoxPos, QSize(PaintBoxWidth, PaintBoxHeight)));
    PaintBox_->setAccessibleName(QString::fromUtf8(AccessibleDrumName));

    SeedRandomFromClockOnce();

    SlotButton_->setGeometry(SlotButtonRect);
    SlotButton_->setFont(GameFont(MainWindowFontHeight));
    // Enter presses the focused button too, not only Space: the game can be
    // played from the keyboard.
    SlotButton_->setAutoDefault(true);
    QObject::connect(SlotButton_, &QPushButton::clicked, SlotButton_, [this] { ButtonClick(); });
}

SlotDrum::~SlotDrum() {
    SpinTimer_.SetInterval(0);
    delete OuterPanel_.data();
}

std::int32_t SlotDrum::NewNumber() const {
    // Wide arithmetic and an ordered range, so that no record can make the
    // divisor zero or negative.
    const std::int64_t low = std::min(MinNumber_, MaxNumber_);
    const std::int64_t high = std::max(MinNumber_, MaxNumber_);
    const std::int64_t span = high - low + 1;
    return static_cast<std::int32_t>(low + static_cast<std::int64_t>(NextRandom()) % span);
}

std::int32_t SlotDrum::ArrowRow() const {
    return std::clamp<std::int32_t>(Data_.ArrowPosition, 0, VisibleCells - 1);
}

std::int32_t SlotDrum::TickWidth() const {
    // Zero or less would never reach a boundary, more than a cell would skip
    // past the strip.
    return std::clamp<std::int32_t>(Data_.RotationWidth, 1, CellHeight);
}

void SlotDrum::FillDrum() {
    for (int cell = 0; cell < StripCells; ++cell) {
        Numbers_[cell] = NewNumber();
        DrawNumberFace(cell);
    }
    ShowNumberWindow(0);
}

void SlotDrum::DrawArrow(std::int32_t row) {
    for (int i = 0; i < VisibleCells; ++i) {
        DrawCell(ArrowStrip_, QRect(0, i * CellHeight, ArrowColumnWidth, CellHeight), ArrowImages,
                 i == row ? ArrowFrame : NoArrowFrame);
    }
    CopyRect(ArrowStrip_, ArrowStrip_.rect(), PaintBox_->Picture(), QPoint(0, 0));
    PaintBox_->Invalidate(QRect(0, 0, ArrowColumnWidth, PaintBoxHeight));
}

void SlotDrum::DrawSlot() {
    ComposeRestPicture();
    PaintBox_->Invalidate(PaintBox_->Picture().rect());
}

void SlotDrum::ComposeRestPicture() {
    QImage& picture = PaintBox_->Picture();
    CopyRect(ArrowStrip_, ArrowStrip_.rect(), picture, QPoint(0, 0));
    CopyRect(NumberStrip_, QRect(0, RestOffset, DigitWidth, PaintBoxHeight), picture,
             QPoint(ArrowColumnWidth, 0));
}

void SlotDrum::UpdateAccessibleText() {
    Described now;
    now.spinning = Spinning();
    if (!now.spinning) {
        std::copy(Numbers_.begin() + 1, Numbers_.end(), now.numbers.begin());
        now.arrowRow = ArrowRow();
    }
    if (now == described_) {
        return;
    }
    described_ = now;
    if (now.spinning) {
        PaintBox_->setAccessibleDescription(QString::fromUtf8(AccessibleSpinningText));
        return;
    }
    PaintBox_->setAccessibleDescription(
        QStringLiteral("%1 %2 %3 (矢印: %4)")
            .arg(now.numbers[0])
            .arg(now.numbers[1])
            .arg(now.numbers[2])
            .arg(now.numbers[static_cast<std::size_t>(now.arrowRow)]));
}

void SlotDrum::ShowSlot(int left, int top) {
    OuterPanel_->move(left, top);
    OuterPanel_->show();
}

void SlotDrum::HideSlot() {
    OuterPanel_->hide();
}

void SlotDrum::ShiftStripDown() {
    CopyRect(NumberStrip_, QRect(0, 0, DigitWidth, VisibleCells * CellHeight), NumberStrip_,
             QPoint(0, CellHeight));
}

void SlotDrum::DrawNumberFace(int cell) {
    // Drum number n has face n - 1; a number without a face leaves the cell blank.
    const std::int64_t face = static_cast<std::int64_t>(Numbers_[cell]) - 1;
    const int index = face >= 0 && face < NumberImages.Count() ? static_cast<int>(face) : -1;
    DrawCell(NumberStrip_, QRect(0, cell * CellHeight, DigitWidth, CellHeight), NumberImages,
             index);
}

void SlotDrum::ShowNumberWindow(int top) {
    CopyRect(NumberStrip_, QRect(0, top, DigitWidth, PaintBoxHeight), PaintBox_->Picture(),
             QPoint(ArrowColumnWidth, 0));
    PaintBox_->Invalidate(QRect(ArrowColumnWidth, 0, DigitWidth, PaintBoxHeight));
}

void SlotDrum::ResetSlot() {
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

void SlotDrum::SetSlot(const GameRecord& record) {
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

void SlotDrum::SetButtonMode(std::int32_t code) {
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

void SlotDrum::SetButtonIdle() {
    SetButtonMode(ButtonIdle);
}

void SlotDrum::ButtonClick() {
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

void SlotDrum::StartSpin() {
    SpinTimer_.SetInterval(std::max(Data_.TimerInterval, MinimumSpinInterval));
    StopRequest_ = 0;
    // A spin abandoned by ResetSlot or SetSlot may still be running towards its
    // silent halt; it is now this spin, whose result the player is waiting for.
    DiscardResult_ = 0;
    SetButtonMode(ButtonStop);
}

void SlotDrum::SpinTick() {
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

void SlotDrum::StopSpin() {
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
