#pragma once

#include "GameDialog.h"
#include "GamePorts.h"

#include <array>
#include <memory>

class QButtonGroup;
class QLineEdit;
class UpDown;

namespace Ui {
class OptionsDialog;
}

// Options mode: only the radio group "メッセージのチェック", which decides
// messageCheck. Debug mode: ten game parameters of the record and the quit
// confirmation switch. OK writes back what the mode shows; Cancel, Esc and the
// close box write nothing.
class OptionsDialog : public GameDialog {
    Q_OBJECT
public:
    enum class Mode { Debug, Options };

    explicit OptionsDialog(Preferences& preferences, QWidget* parent = nullptr);
    ~OptionsDialog() override;

    // The radio group keeps its own selection between showings; it is not
    // loaded from the record. The window stays where it was last shown.
    void showOptions(GameRecord& record);
    // Opens near the cursor with the record's values in the ten rows.
    virtual void showDebug(GameRecord& record);
    // OK: writes back according to the mode.
    void acceptOptions();

    Mode dialogMode() const { return m_mode; }

    // The ten parameter rows, from "スタート位置" to "戻るアニメ".
    static constexpr std::size_t RowCount = 10;
    // Each row's object-name stem, in row order: row i holds the edit
    // "<stem>Edit" and the up-down "<stem>UpDown".
    static constexpr std::array<const char*, RowCount> RowNames{
        "startSquare",  "stamina",       "drumMin",   "drumMax",      "arrowRow",
        "spinInterval", "rotationWidth", "walkSpeed", "forwardSpeed", "backSpeed"};

private:
    void writeDebugValues();
    void writeOptions();
    std::array<UpDown*, RowCount> rowUpDowns() const;
    std::array<QLineEdit*, RowCount> rowEdits() const;

    Preferences& m_preferences;
    std::unique_ptr<Ui::OptionsDialog> m_ui;
    QButtonGroup* m_radioItems;     // messageCheckGroup's items, by ItemIndex
    GameRecord* m_record = nullptr; // the record being edited; not owned
    Mode m_mode = Mode::Options;
};
