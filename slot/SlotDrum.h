#pragma once

#include "BevelPanel.h"
#include "DrumPaintBox.h"
#include "GamePorts.h"
#include "GameRecord.h"
#include "IntervalTimer.h"

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

class ImageList;

// The slot drum: a drum of four number cells of which three show, an arrow
// column beside it, the panels that frame them, and one button that starts and
// stops the spin and, between spins, confirms the event of the square the
// heroine stands on.
//
// A turn: mode 10 "スタート" -> click -> spinning, mode 11 "ストップ" -> click ->
// mode 9 (blank, inert) -> the next cell boundary halts the drum and posts
// WM_GAME_EVENT (SlotStop, the number beside the arrow). Square modes 3, 5..8
// post WM_GAME_EVENT (mode, 0) once when clicked and go blank. Results leave
// only as posted messages, never as calls.
//
// The drum is drawn from two strips made once: NumberStrip holds the four cells
// stacked, ArrowStrip the three rows of the arrow column. The visible window onto
// NumberStrip starts at ScrollOffset; at rest it is one cell down, so the visible
// rows show Numbers[1..3] and Numbers[0] waits above them.
class SlotDrum : public SlotDrumPort {
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

    // Smallest spin timer interval; a record asking for less still spins.
    static constexpr std::int32_t MinimumSpinInterval = 1;

    SlotDrum(QWidget* mainWindow, MessagePoster& poster, const ImageList& arrowImages,
             const ImageList& numberImages);
    ~SlotDrum() override;
    SlotDrum(const SlotDrum&) = delete;
    SlotDrum& operator=(const SlotDrum&) = delete;

    // The rest picture: the arrow column and the visible cells Numbers[1..3].
    // Also what an expose of the paint box shows, even while the drum turns.
    void DrawSlot();
    // Places the drum panel on the main window and shows it.
    void ShowSlot(int left, int top);
    void HideSlot();

    // A new game: fresh numbers, the arrow in the top row, the button blank.
    // A spin under way runs on to its next boundary and halts without a result.
    void ResetSlot();
    // Takes the record's drum settings and offers "スタート". A spin under way
    // halts at its next boundary without a result.
    void SetSlot(const GameRecord& record) override;
    // Sets caption and mode from a mode code or a square kind; codes without a
    // mode (0, 2, 4, above 11) leave both as they are.
    void SetButtonMode(std::int32_t code) override;
    void SetButtonIdle() override;

    // Handler of the button's click, acting on the current mode.
    void ButtonClick();
    // Handler of the spin timer: turns the drum by RotationWidth pixels.
    void SpinTick();
    // Ends a spin at once, in the rest position, posting nothing; leaves no stop
    // request or pending discard behind (used when the game is abandoned).
    void StopSpin();


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
    const GameRecord& Data() const { return Data_; }
    const QImage& NumberStrip() const { return NumberStrip_; }
    const QImage& ArrowStrip() const { return ArrowStrip_; }
    const QImage& DrumImage() const { return PaintBox_->Picture(); }
    const IntervalTimer& SpinTimer() const { return SpinTimer_; }
    bool Spinning() const { return SpinTimer_.Running(); }
    BevelPanel* OuterPanel() const { return OuterPanel_; }
    BevelPanel* InnerPanel() const { return InnerPanel_; }
    DrumPaintBox* PaintBox() const { return PaintBox_; }
    QPushButton* SlotButton() const { return SlotButton_; }

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
    GameRecord Data_;
    const ImageList& ArrowImages;
    const ImageList& NumberImages;
    QImage NumberStrip_;
    QImage ArrowStrip_;
    QPointer<BevelPanel> OuterPanel_; // a child of the main window; deleted with us
    BevelPanel* InnerPanel_;
    DrumPaintBox* PaintBox_;
    IntervalTimer SpinTimer_;
    MessagePoster& Poster;
    QPushButton* SlotButton_;

private:
    void StartSpin();
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
