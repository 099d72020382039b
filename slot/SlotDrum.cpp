#include "SlotDrum.h"

#include "CourseTable.h"
#include "DrumRandom.h"
#include "Fonts.h"
#include "ImageList.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

namespace {

// Panel layout, in pixels relative to the parent.
constexpr QRect OuterPanelRect(0, 0, 125, 106);
constexpr QRect InnerPanelRect(4, 4, 58, 98);
constexpr QPoint PaintBoxPos(4, 4);
constexpr int OuterBevelWidth = 1;
constexpr int InnerBevelWidth = 2;

// What a cell shows when there is no picture for it.
constexpr QRgb BlankCell = qRgb(255, 255, 255);

// The strips and the picture are 32-bit images; rows are copied as raw pixels,
// which allocates nothing and needs no painter.
constexpr int BytesPerPixel = 4;

// Copies rectangle `area` of `src` to `to` of `dst`, clipped to both
// images. The rectangles may overlap inside one image: the result is that of
// copying from the unchanged source.
void copyRect(const QImage& src, QRect area, QImage& dst, QPoint to) {
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
void drawCell(QImage& dst, const QRect& cell, const ImageList& list, int index) {
    const QImage& frame = list.frame(index);
    const bool drawable = !frame.isNull() && frame.depth() == BytesPerPixel * 8;
    if (!drawable || frame.width() < cell.width() || frame.height() < cell.height()) {
        const QRect area = cell & dst.rect();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(dst.scanLine(y));
            std::fill(line + area.left(), line + area.left() + area.width(), BlankCell);
        }
    }
    if (drawable) {
        copyRect(frame, QRect(QPoint(0, 0), cell.size()), dst, cell.topLeft());
    }
}

constexpr QRect SlotButtonRect(66, 28, 54, 50);
// The main window's font; the button shows it like every control on the window.
constexpr int MainWindowFontHeight = 12;

// The square kind a confirming mode hands to the controller; none for the others.
std::optional<SquareKind> confirmedKind(DrumButtonMode mode) {
    switch (mode) {
    case DrumButtonMode::ConfirmRemark:
        return SquareKind::Remark;
    case DrumButtonMode::ConfirmLucky:
        return SquareKind::Lucky;
    case DrumButtonMode::ConfirmStaminaUp:
        return SquareKind::StaminaUp;
    case DrumButtonMode::ConfirmForward:
        return SquareKind::Forward;
    case DrumButtonMode::ConfirmBack:
        return SquareKind::Back;
    case DrumButtonMode::Idle:
    case DrumButtonMode::Start:
    case DrumButtonMode::Stop:
        break;
    }
    return std::nullopt;
}

} // namespace

SlotDrum::SlotDrum(const ImageList& arrowImages, const ImageList& numberImages, QWidget* parent)
    : BevelPanel(parent), m_arrowImages(arrowImages), m_numberImages(numberImages),
      m_numberStrip(NumberStripWidth, StripCells * CellHeight, QImage::Format_RGB32),
      m_arrowStrip(ArrowColumnWidth, StripCells * CellHeight, QImage::Format_RGB32),
      m_innerPanel(new BevelPanel(this)),
      m_paintBox(new DrumPaintBox(m_innerPanel, PaintBoxWidth, PaintBoxHeight,
                                  [this] { composeRestPicture(); })),
      m_spinTimer(new QTimer(this)), m_slotButton(new QPushButton(this)) {
    m_numberStrip.fill(BlankCell);
    m_arrowStrip.fill(BlankCell);

    setBevelInner(BevelPanel::Bevel::None);
    setBevelOuter(BevelPanel::Bevel::Raised);
    setBevelWidth(OuterBevelWidth);
    resize(OuterPanelRect.size());
    hide();

    m_innerPanel->setBevelInner(BevelPanel::Bevel::Lowered);
    m_innerPanel->setBevelOuter(BevelPanel::Bevel::Raised);
    m_innerPanel->setBevelWidth(InnerBevelWidth);
    m_innerPanel->setGeometry(InnerPanelRect);

    m_paintBox->setGeometry(QRect(PaintBoxPos, QSize(PaintBoxWidth, PaintBoxHeight)));
    //: What a screen reader calls the drum.
    m_paintBox->setAccessibleName(tr("スロットドラム"));

    seedRandomFromClockOnce();
    m_spinTimer->setObjectName(QStringLiteral("spinTimer"));
    m_spinTimer->setTimerType(Qt::PreciseTimer);
    connect(m_spinTimer, &QTimer::timeout, this, &SlotDrum::spinTick);

    m_slotButton->setGeometry(SlotButtonRect);
    m_slotButton->setFont(gameFont(MainWindowFontHeight));
    // Enter presses the focused button too, not only Space: the game can be
    // played from the keyboard.
    m_slotButton->setAutoDefault(true);
    connect(m_slotButton, &QPushButton::clicked, this, &SlotDrum::buttonClicked);
}

std::int32_t SlotDrum::newNumber() const {
    // Wide arithmetic and an ordered range, so that no record can make the
    // divisor zero or negative.
    const std::int64_t low = std::min(m_minNumber, m_maxNumber);
    const std::int64_t high = std::max(m_minNumber, m_maxNumber);
    const std::int64_t span = high - low + 1;
    return static_cast<std::int32_t>(low + static_cast<std::int64_t>(nextRandom()) % span);
}

std::int32_t SlotDrum::arrowRow() const {
    return std::clamp<std::int32_t>(m_record.arrowRow, 0, VisibleCells - 1);
}

std::int32_t SlotDrum::tickWidth() const {
    // Zero or less would never reach a boundary, more than a cell would skip
    // past the strip.
    return std::clamp<std::int32_t>(m_record.rotationWidth, 1, CellHeight);
}

void SlotDrum::fillDrum() {
    for (int cell = 0; cell < StripCells; ++cell) {
        m_numbers[cell] = newNumber();
        drawNumberFace(cell);
    }
    showNumberWindow(0);
}

void SlotDrum::drawArrow(std::int32_t row) {
    for (int i = 0; i < VisibleCells; ++i) {
        drawCell(m_arrowStrip, QRect(0, i * CellHeight, ArrowColumnWidth, CellHeight),
                 m_arrowImages, i == row ? ArrowFrame : NoArrowFrame);
    }
    copyRect(m_arrowStrip, m_arrowStrip.rect(), m_paintBox->Picture(), QPoint(0, 0));
    m_paintBox->invalidate(QRect(0, 0, ArrowColumnWidth, PaintBoxHeight));
}

void SlotDrum::drawRestPicture() {
    composeRestPicture();
    m_paintBox->invalidate(m_paintBox->Picture().rect());
}

void SlotDrum::composeRestPicture() {
    QImage& picture = m_paintBox->Picture();
    copyRect(m_arrowStrip, m_arrowStrip.rect(), picture, QPoint(0, 0));
    copyRect(m_numberStrip, QRect(0, RestOffset, DigitWidth, PaintBoxHeight), picture,
             QPoint(ArrowColumnWidth, 0));
}

void SlotDrum::updateAccessibleText() {
    Described now;
    now.spinning = spinning();
    if (!now.spinning) {
        std::copy(m_numbers.begin() + 1, m_numbers.end(), now.numbers.begin());
        now.arrowRow = arrowRow();
    }
    if (now == m_described) {
        return;
    }
    m_described = now;
    if (now.spinning) {
        //: What a screen reader says while the drum turns.
        m_paintBox->setAccessibleDescription(tr("回転中"));
        return;
    }
    m_paintBox->setAccessibleDescription(
        //: The three numbers the drum shows, then the one the arrow points at.
        tr("%1 %2 %3 (矢印: %4)")
            .arg(now.numbers[0])
            .arg(now.numbers[1])
            .arg(now.numbers[2])
            .arg(now.numbers[static_cast<std::size_t>(now.arrowRow)]));
}

void SlotDrum::shiftStripDown() {
    copyRect(m_numberStrip, QRect(0, 0, DigitWidth, VisibleCells * CellHeight), m_numberStrip,
             QPoint(0, CellHeight));
}

void SlotDrum::drawNumberFace(int cell) {
    // Drum number n has face n - 1; a number without a face leaves the cell blank.
    const std::int64_t face = static_cast<std::int64_t>(m_numbers[cell]) - 1;
    const int index = face >= 0 && face < m_numberImages.count() ? static_cast<int>(face) : -1;
    drawCell(m_numberStrip, QRect(0, cell * CellHeight, DigitWidth, CellHeight), m_numberImages,
             index);
}

void SlotDrum::showNumberWindow(int top) {
    copyRect(m_numberStrip, QRect(0, top, DigitWidth, PaintBoxHeight), m_paintBox->Picture(),
             QPoint(ArrowColumnWidth, 0));
    m_paintBox->invalidate(QRect(ArrowColumnWidth, 0, DigitWidth, PaintBoxHeight));
}

void SlotDrum::reset() {
    fillDrum();
    drawArrow(0);
    m_scrollOffset = RestOffset;
    setButtonMode(DrumButtonMode::Idle);
    if (spinning()) {
        m_stopRequest = true;
        m_discardResult = true;
    }
    drawRestPicture();
}

void SlotDrum::setUp(const GameRecord& record) {
    if (spinning()) {
        m_discardResult = true;
        m_stopRequest = true;
    }
    setButtonMode(DrumButtonMode::Start);
    m_record = record;
    drawArrow(arrowRow());
    m_maxNumber = m_record.drumMax;
    m_minNumber = m_record.drumMin;
    updateAccessibleText();
}

void SlotDrum::offerEvent(SquareKind kind) {
    switch (kind) {
    case SquareKind::Start:
        setButtonMode(DrumButtonMode::Start);
        break;
    case SquareKind::Remark:
        setButtonMode(DrumButtonMode::ConfirmRemark);
        break;
    case SquareKind::Lucky:
        setButtonMode(DrumButtonMode::ConfirmLucky);
        break;
    case SquareKind::StaminaUp:
        setButtonMode(DrumButtonMode::ConfirmStaminaUp);
        break;
    case SquareKind::Forward:
        setButtonMode(DrumButtonMode::ConfirmForward);
        break;
    case SquareKind::Back:
        setButtonMode(DrumButtonMode::ConfirmBack);
        break;
    case SquareKind::Empty:
    case SquareKind::Goal:
        break; // nothing to confirm: the button stays as it is
    }
}

void SlotDrum::setButtonMode(DrumButtonMode mode) {
    QString caption;
    switch (mode) {
    case DrumButtonMode::Idle:
        break;
    case DrumButtonMode::Start:
        caption = tr("スタート");
        break;
    case DrumButtonMode::Stop:
        caption = tr("ストップ");
        break;
    case DrumButtonMode::ConfirmRemark:
        //: The drum button after a square with only a remark.
        caption = tr("ＯＫ");
        break;
    case DrumButtonMode::ConfirmLucky:
        caption = tr("ラッキー");
        break;
    case DrumButtonMode::ConfirmStaminaUp:
        caption = tr("体力上昇");
        break;
    case DrumButtonMode::ConfirmForward:
        caption = tr("更に進む");
        break;
    case DrumButtonMode::ConfirmBack:
        caption = tr("も、戻る");
        break;
    }
    m_buttonMode = mode;
    m_slotButton->setText(caption);
    // A blank button still has a name for a screen reader, which otherwise
    // announces a nameless "push button" when the focus reaches it.
    //: The drum button's name for a screen reader while it shows no caption.
    m_slotButton->setAccessibleName(caption.isEmpty() ? tr("ドラムのボタン（待ってね）")
                                                      : QString());
    updateAccessibleText();
}

void SlotDrum::setIdle() {
    setButtonMode(DrumButtonMode::Idle);
}

void SlotDrum::buttonClicked() {
    if (m_buttonMode == DrumButtonMode::Start) {
        startSpin();
    } else if (m_buttonMode == DrumButtonMode::Stop) {
        m_stopRequest = true;
        setButtonMode(DrumButtonMode::Idle);
    } else if (const auto kind = confirmedKind(m_buttonMode)) {
        // One offer, one event: the button goes blank at once, so a double
        // click (or a second click before the event is handled) reports
        // nothing more. The controller blanks it too when the event arrives.
        setButtonMode(DrumButtonMode::Idle);
        emit eventConfirmed(*kind);
    }
}

void SlotDrum::startSpin() {
    // A spin abandoned by reset or setUp may still be running towards its
    // silent halt; it is now this spin, whose result the player is waiting
    // for, and it keeps its rhythm unless its pace changed.
    const int interval = std::max(m_record.spinInterval, MinimumSpinInterval);
    if (!m_spinTimer->isActive() || m_spinTimer->interval() != interval) {
        m_spinTimer->start(interval);
    }
    m_stopRequest = false;
    m_discardResult = false;
    setButtonMode(DrumButtonMode::Stop);
}

void SlotDrum::spinTick() {
    // A tick that arrives after the halt must not move the resting drum.
    if (!spinning()) {
        return;
    }
    m_scrollOffset -= tickWidth();
    const bool passedBoundary = m_scrollOffset < 0;
    if (passedBoundary) {
        shiftStripDown();
        m_numbers[3] = m_numbers[2];
        m_numbers[2] = m_numbers[1];
        m_numbers[1] = m_numbers[0];
        m_numbers[0] = newNumber();
        drawNumberFace(0);
        m_scrollOffset += CellHeight;
    }
    if (m_stopRequest && passedBoundary) {
        m_spinTimer->stop();
        m_scrollOffset = RestOffset;
        showNumberWindow(m_scrollOffset);
        if (m_discardResult) {
            m_discardResult = false;
        } else {
            emit stopped(m_numbers[arrowRow() + 1]);
        }
        return;
    }
    showNumberWindow(m_scrollOffset);
}

void SlotDrum::stopSpin() {
    m_stopRequest = false;
    m_discardResult = false;
    if (!spinning()) {
        return;
    }
    m_spinTimer->stop();
    m_scrollOffset = RestOffset;
    drawRestPicture();
    updateAccessibleText();
}
