#pragma once

// How a player ended a modal dialog. A dialog's exec() returns the answer's
// number; answerOf() turns it back.
enum class DialogAnswer : int {
    None = 0,
    Ok = 1,
    Cancel = 2,
    Yes = 6,
    No = 7,
};

constexpr int answerCode(DialogAnswer answer) {
    return static_cast<int>(answer);
}

constexpr DialogAnswer answerOf(int code) {
    return static_cast<DialogAnswer>(code);
}
