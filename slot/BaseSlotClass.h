#pragma once

#include "BevelPanel.h"
#include "GamePorts.h"
#include "IDDataStruct.h"
#include "IntervalTimer.h"

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

class ImageList;

// The visible drum: it shows an off-screen picture that the drum draws into.
// Qt only lets a widget paint inside its paint event, so drawing goes into the
// picture and then asks for the changed rectangle to be repainted. A repaint the
// drum did not ask for (an expose) first lets the owner paint the rest picture.
class DrumPaintBox : public QWidget {
public:
    DrumPaintBox(QWidget* parent, int width, int height, std::function<void()> onExpose);

    QImage& Picture() { return picture_; }
    const QImage& Picture() const { return picture_; }

    // Our own drawing changed `rect` of the picture: repaint just that.
    void Invalidate(const QRect& rect);

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QImage picture_;
    QRect requested_; // what our own drawing asked to repaint since the last paint
    std::function<void()> onExpose_;
};

// The slot drum's data and drawing: a drum of four number cells of which three
// show, an arrow column beside it, and the panels that frame them. The game
// behaviour (the button and the spin) lives in SlotClass.
//
// The drum is drawn from two strips made once: NumberStrip holds the four cells
// stacked, ArrowStrip the three rows of the arrow column. The visible window onto
// NumberStrip starts at ScrollOffset; at rest it is one cell down, so the visible
// rows show Numbers[1..3] and Numbers[0] waits above them.
class BaseSlotClass : public SlotDrum {
public:
    static constexpr int CellHeight = 30;
    static constexpr int VisibleCells = 3;
    static constexpr int StripCells = 4;
    static constexpr int RestOffset = CellHeight;
    static constexpr int ArrowColumnWidth = 22;
    static constexpr int DigitWidth = 28; // the used left part of NumberStrip
    static constexpr int NumberStripWidth = 50;
    static constexpr int PaintBoxWidth = ArrowColumnWidth + DigitWidth;
    static constexpr int PaintBoxHeight = VisibleCells * CellHeight;
    static constexpr int ArrowFrame = 0;
    static constexpr int NoArrowFrame = 1;
    static constexpr std::int32_t InitialMaxNumber = 6;
    static constexpr std::int32_t InitialMinNumber = 1;

    BaseSlotClass(QWidget* mainWindow, const ImageList& arrowImages, const ImageList& numberImages);
    ~BaseSlotClass() override;
    BaseSlotClass(const BaseSlotClass&) = delete;
    BaseSlotClass& operator=(const BaseSlotClass&) = delete;

    // The rest picture: the arrow column and the visible cells Numbers[1..3].
    // Also what an expose of the paint box shows, even while the drum turns.
    void DrawSlot();
    // Places the drum panel on the main window and shows it.
    void ShowSlot(int left, int top);
    void HideSlot();

    // One timer tick of a running spin.
    virtual void SpinTick() = 0;

    // What a screen reader is told: the paint box is "スロットドラム", and its
    // description gives the numbers in view from the top and the one beside
    // the arrow ("3 5 2 (矢印: 5)"), or "回転中" while the drum turns. Only a
    // change writes a new text. Called when the button changes its mode and
    // after each game message, never from a tick.
    void UpdateAccessibleText();

    // Read access, for the main window and the tests.
    bool StopRequest() const { return StopRequest_ != 0; }
    bool DiscardResult() const { return DiscardResult_ != 0; }
    std::int32_t MaxNumber() const { return MaxNumber_; }
    std::int32_t MinNumber() const { return MinNumber_; }
    std::int32_t ScrollOffset() const { return ScrollOffset_; }
    const std::array<std::int32_t, StripCells>& Numbers() const { return Numbers_; }
    std::int32_t ButtonMode() const { return ButtonMode_; }
    const IDDataStruct& Data() const { return Data_; }
    const QImage& NumberStrip() const { return NumberStrip_; }
    const QImage& ArrowStrip() const { return ArrowStrip_; }
    const QImage& DrumImage() const { return PaintBox_->Picture(); }
    const IntervalTimer& SpinTimer() const { return SpinTimer_; }
    bool Spinning() const { return SpinTimer_.Running(); }
    BevelPanel* OuterPanel() const { return OuterPanel_; }
    BevelPanel* InnerPanel() const { return InnerPanel_; }
    DrumPaintBox* PaintBox() const { return PaintBox_; }

protected:
    // A new drum number: MinNumber + (r mod (MaxNumber - MinNumber + 1)).
    std::int32_t NewNumber() const;
    // Fresh numbers in all four cells, shown from the top cell down.
    void FillDrum();
    // Draws the arrow column with the arrow in `row` and shows it.
    void DrawArrow(std::int32_t row);
    // The arrow's row, kept on the drum even if a record holds another value.
    std::int32_t ArrowRow() const;
    // How far one tick turns the drum, kept within one cell.
    std::int32_t TickWidth() const;

    // Moves cells 0..2 of NumberStrip down by one cell, in place.
    void ShiftStripDown();
    // Draws the face of Numbers[cell] into its cell of NumberStrip.
    void DrawNumberFace(int cell);
    // Shows the NumberStrip rows from `top` in the number column of the paint box.
    void ShowNumberWindow(int top);

    std::uint8_t StopRequest_ = 0;
    std::uint8_t DiscardResult_ = 0;
    std::int32_t MaxNumber_ = InitialMaxNumber;
    std::int32_t MinNumber_ = InitialMinNumber;
    std::int32_t ScrollOffset_ = RestOffset;
    std::array<std::int32_t, StripCells> Numbers_{};
    std::int32_t ButtonMode_ = 0; // no mode until the first SetButtonMode
    IDDataStruct Data_;
    const ImageList& ArrowImages;
    const ImageList& NumberImages;
    QImage NumberStrip_;
    QImage ArrowStrip_;
    QPointer<BevelPanel> OuterPanel_; // a child of the main window; deleted with us
    BevelPanel* InnerPanel_;
    DrumPaintBox* PaintBox_;
    IntervalTimer SpinTimer_;

private:
    // The rest picture into the paint box's picture, without asking for a repaint.
    void ComposeRestPicture();

    // What the accessible description was last written for.
    struct Described {
        bool spinning = false;
        std::array<std::int32_t, VisibleCells> numbers{};
        std::int32_t arrowRow = -1;
        bool operator==(const Described&) const = default;
    };
    Described described_;
};
