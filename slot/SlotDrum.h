#pragma once

#include "BevelPanel.h"
#include "DrumPaintBox.h"
#include "GamePorts.h"
#include "GameRecord.h"

#include <QImage>
#include <QPushButton>
#include <QRect>
#include <QTimer>
#include <array>
#include <cstdint>

class ImageList;

// What the drum's one button does when clicked.
enum class DrumButtonMode {
    Idle,  // blank and inert
    Start, // "スタート": spins the drum
    Stop,  // "ストップ": the drum halts at its next cell boundary
    // Confirms the event of the square she stands on.
    ConfirmRemark,
    ConfirmLucky,
    ConfirmStaminaUp,
    ConfirmForward,
    ConfirmBack,
};

// The slot drum: a drum of four number cells of which three show, an arrow
// column beside it, the panels that frame them, and one button that starts and
// stops the spin and, between spins, confirms the event of the square the
// heroine stands on.
//
// A turn: "スタート" -> click -> spinning, "ストップ" -> click -> blank and
// inert -> the next cell boundary halts the drum, which emits stopped() with
// the number beside the arrow. A confirming mode emits eventConfirmed() once
// when clicked and goes blank. Results leave only as signals, never as calls.
//
// The drum is drawn from two strips made once: numberStrip holds the four cells
// stacked, arrowStrip the three rows of the arrow column. The visible window onto
// numberStrip starts at scrollOffset; at rest it is one cell down, so the visible
// rows show Numbers[1..3] and Numbers[0] waits above them.
class SlotDrum : public BevelPanel, public SlotDrumPort {
    Q_OBJECT

public:
    static constexpr int CellHeight = 30;
    static constexpr int VisibleCells = 3;
    static constexpr int StripCells = 4;
    static constexpr int RestOffset = CellHeight;
    static constexpr int ArrowColumnWidth = 22;
    static constexpr int DigitWidth = 28; // the used left part of numberStrip
    static constexpr int NumberStripWidth = 50;
    static constexpr int PaintBoxWidth = ArrowColumnWidth + DigitWidth;
    static constexpr int PaintBoxHeight = VisibleCells * CellHeight;
    static constexpr int ArrowFrame = 0;
    static constexpr int NoArrowFrame = 1;
    static constexpr std::int32_t InitialMaxNumber = 6;
    static constexpr std::int32_t InitialMinNumber = 1;

    // Smallest spin timer interval; a record asking for less still spins.
    static constexpr std::int32_t MinimumSpinInterval = 1;

    // The number and arrow pictures are the owner's and must outlive the drum.
    SlotDrum(const ImageList& arrowImages, const ImageList& numberImages,
             QWidget* parent = nullptr);

    // The rest picture: the arrow column and the visible cells Numbers[1..3].
    // Also what an expose of the paint box shows, even while the drum turns.
    void drawRestPicture();
    void reset() override;
    void setUp(const GameRecord& record) override;
    void offerEvent(SquareKind kind) override;
    void setIdle() override;
    void stopSpin() override;
    // Sets the button's caption and what a click does.
    void setButtonMode(DrumButtonMode mode);

    // Handler of the button's click, acting on the current mode.
    void buttonClicked();
    // Handler of the spin timer: turns the drum by rotationWidth pixels.
    void spinTick();

    // What a screen reader is told: the paint box is "スロットドラム", and its
    // description gives the numbers in view from the top and the one beside
    // the arrow ("3 5 2 (矢印: 5)"), or "回転中" while the drum turns. Only a
    // change writes a new text. Called when the button changes its mode,
    // never from a tick.
    void updateAccessibleText();

    // The button and the picture: the main window speaks of and focuses the
    // one, the benchmark counts the frames of the other, and the tests read
    // both as a player would.
    QPushButton* slotButton() const { return m_slotButton; }
    DrumPaintBox* paintBox() const { return m_paintBox; }
    // Whether a stop was asked for the spin under way. Outside the drum a spin
    // running on to the stop that was asked for looks just like one whose
    // "ストップ" was lost, so the test of the program's invariants asks here.
    bool stopRequest() const { return m_stopRequest; }

signals:
    // The drum halted with `number` beside its arrow, after "ストップ".
    // Not emitted for a spin that a new game or a new turn abandoned.
    void stopped(int number);
    // The player clicked a confirming mode: the event of a square of `kind`.
    void eventConfirmed(SquareKind kind);

protected:
    // A new drum number: minNumber + (r mod (maxNumber - minNumber + 1)).
    std::int32_t newNumber() const;
    // Fresh numbers in all four cells, shown from the top cell down.
    void fillDrum();
    // Draws the arrow column with the arrow in `row` and shows it.
    void drawArrow(std::int32_t row);
    // The arrow's row, kept on the drum even if a record holds another value.
    std::int32_t arrowRow() const;
    // How far one tick turns the drum, kept within one cell.
    std::int32_t tickWidth() const;

    // Moves cells 0..2 of numberStrip down by one cell, in place.
    void shiftStripDown();
    // Draws the face of Numbers[cell] into its cell of numberStrip.
    void drawNumberFace(int cell);
    // Shows the numberStrip rows from `top` in the number column of the paint box.
    void showNumberWindow(int top);

    bool m_stopRequest = false;
    bool m_discardResult = false;
    std::int32_t m_maxNumber = InitialMaxNumber;
    std::int32_t m_minNumber = InitialMinNumber;
    std::int32_t m_scrollOffset = RestOffset;
    std::array<std::int32_t, StripCells> m_numbers{};
    DrumButtonMode m_buttonMode = DrumButtonMode::Idle;
    GameRecord m_record;
    const ImageList& m_arrowImages;
    const ImageList& m_numberImages;
    QImage m_numberStrip;
    QImage m_arrowStrip;
    BevelPanel* m_innerPanel;
    DrumPaintBox* m_paintBox;
    QTimer* m_spinTimer; // named "spinTimer"
    QPushButton* m_slotButton;

private:
    bool spinning() const { return m_spinTimer->isActive(); }
    void startSpin();
    // The rest picture into the paint box's picture, without asking for a repaint.
    void composeRestPicture();

    // What the accessible description was last written for.
    struct Described {
        bool spinning = false;
        std::array<std::int32_t, VisibleCells> numbers{};
        std::int32_t arrowRow = -1;
        bool operator==(const Described&) const = default;
    };
    Described m_described;
};
