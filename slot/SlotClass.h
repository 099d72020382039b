#pragma once

#include "BaseSlotClass.h"
#include "GamePorts.h"

#include <QPushButton>
#include <cstdint>

class ImageList;

// The slot drum as the game uses it: one button that starts and stops the spin
// and, between spins, confirms the event of the square the heroine stands on.
//
// A turn: mode 10 "スタート" -> click -> spinning, mode 11 "ストップ" -> click ->
// mode 9 (blank, inert) -> the next cell boundary halts the drum and posts
// WM_GAME_EVENT (SlotStop, the number beside the arrow). Square modes 3, 5..8
// post WM_GAME_EVENT (mode, 0) once when clicked and go blank. Results leave
// only as posted messages, never as calls.
class SlotClass : public BaseSlotClass {
public:
    // Smallest spin timer interval; a record asking for less still spins.
    static constexpr std::int32_t MinimumSpinInterval = 1;

    SlotClass(QWidget* mainWindow, MessagePoster& poster, const ImageList& arrowImages,
              const ImageList& numberImages);

    // A new game: fresh numbers, the arrow in the top row, the button blank.
    // A spin under way runs on to its next boundary and halts without a result.
    void ResetSlot();
    // Takes the record's drum settings and offers "スタート". A spin under way
    // halts at its next boundary without a result.
    void SetSlot(const IDDataStruct& record) override;
    // Sets caption and mode from a mode code or a square kind; codes without a
    // mode (0, 2, 4, above 11) leave both as they are.
    void SetButtonMode(std::int32_t code) override;
    void SetButtonIdle() override;

    // Handler of the button's click, acting on the current mode.
    void ButtonClick();
    // Handler of the spin timer: turns the drum by RotationWidth pixels.
    void SpinTick() override;
    // Ends a spin at once, in the rest position, posting nothing; leaves no stop
    // request or pending discard behind (used when the game is abandoned).
    void StopSpin();

    QPushButton* SlotButton() const { return SlotButton_; }

private:
    void StartSpin();

    MessagePoster& Poster;
    QPushButton* SlotButton_;
};
