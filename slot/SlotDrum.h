#pragma once

#include "BevelPanel.h"
#include "DrumPaintBox.h"
#include "GamePorts.h"
#include "GameRecord.h"
#include "IntervalTimer.h"

#include <QCoreApplication>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QRect>
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
// GameMessage::Event (DrumStopped, the number beside the arrow). Square modes 3, 5..8
// post GameMessage::Event (mode, 0) once when clicked and go blank. Results leave
// only as posted messages, never as calls.
//
// The drum is drawn from two strips made once: numberStrip holds the four cells
// stacked, arrowStrip the three rows of the arrow column. The visible window onto
// numberStrip starts at scrollOffset; at rest it is one cell down, so the visible
// rows show Numbers[1..3] and Numbers[0] waits above them.
class SlotDrum : public SlotDrumPort {
    Q_DECLARE_TR_FUNCTIONS(SlotDrum)

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

    SlotDrum(QWidget* mainWindow, MessagePoster& poster, const ImageList& arrowImages,
             const ImageList& numberImages);
    ~SlotDrum() override;
    SlotDrum(const SlotDrum&) = delete;
    SlotDrum& operator=(const SlotDrum&) = delete;

    // The rest picture: the arrow column and the visible cells Numbers[1..3].
    // Also what an expose of the paint box shows, even while the drum turns.
    void drawRestPicture();
    // Places the drum panel on the main window and shows it.
    void showDrum(int left, int top);
    void hideDrum();

    // A new game: fresh numbers, the arrow in the top row, the button blank.
    // A spin under way runs on to its next boundary and halts without a result.
    void reset();
    // Takes the record's drum settings and offers "スタート". A spin under way
    // halts at its next boundary without a result.
    void setUp(const GameRecord& record) override;
    // Sets caption and mode from a mode code or a square kind; codes without a
    // mode (0, 2, 4, above 11) leave both as they are.
    void setButtonMode(std::int32_t code) override;
    void setButtonIdle() override;

    // Handler of the button's click, acting on the current mode.
    void buttonClicked();
    // Handler of the spin timer: turns the drum by rotationWidth pixels.
    void spinTick();
    // Ends a spin at once, in the rest position, posting nothing; leaves no stop
    // request or pending discard behind (used when the game is abandoned).
    void stopSpin();

    // What a screen reader is told: the paint box is "スロットドラム", and its
    // description gives the numbers in view from the top and the one beside
    // the arrow ("3 5 2 (矢印: 5)"), or "回転中" while the drum turns. Only a
    // change writes a new text. Called when the button changes its mode and
    // after each game message, never from a tick.
    void updateAccessibleText();

    // Read access, for the main window and the tests.
    bool stopRequest() const { return m_stopRequest != 0; }
    bool discardResult() const { return m_discardResult != 0; }
    std::int32_t maxNumber() const { return m_maxNumber; }
    std::int32_t minNumber() const { return m_minNumber; }
    std::int32_t scrollOffset() const { return m_scrollOffset; }
    const std::array<std::int32_t, StripCells>& numbers() const { return m_numbers; }
    std::int32_t buttonMode() const { return m_buttonMode; }
    const GameRecord& data() const { return m_record; }
    const QImage& numberStrip() const { return m_numberStrip; }
    const QImage& arrowStrip() const { return m_arrowStrip; }
    const QImage& drumImage() const { return m_paintBox->Picture(); }
    const IntervalTimer& spinTimer() const { return m_spinTimer; }
    bool spinning() const { return m_spinTimer.running(); }
    BevelPanel* outerPanel() const { return m_outerPanel; }
    BevelPanel* innerPanel() const { return m_innerPanel; }
    DrumPaintBox* paintBox() const { return m_paintBox; }
    QPushButton* slotButton() const { return m_slotButton; }

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

    std::uint8_t m_stopRequest = 0;
    std::uint8_t m_discardResult = 0;
    std::int32_t m_maxNumber = InitialMaxNumber;
    std::int32_t m_minNumber = InitialMinNumber;
    std::int32_t m_scrollOffset = RestOffset;
    std::array<std::int32_t, StripCells> m_numbers{};
    std::int32_t m_buttonMode = 0; // no mode until the first setButtonMode
    GameRecord m_record;
    const ImageList& m_arrowImages;
    const ImageList& m_numberImages;
    QImage m_numberStrip;
    QImage m_arrowStrip;
    QPointer<BevelPanel> m_outerPanel; // a child of the main window; deleted with us
    BevelPanel* m_innerPanel;
    DrumPaintBox* m_paintBox;
    IntervalTimer m_spinTimer;
    MessagePoster& m_poster;
    QPushButton* m_slotButton;

private:
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
