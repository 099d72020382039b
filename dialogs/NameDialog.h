#pragma once

#include "GameDialog.h"
#include "GameRecord.h"

#include <QString>
#include <memory>

namespace Ui {
class NameDialog;
}

// The player's name entry. The name is taken exactly as typed, however long or
// odd; an empty entry gives the fallback name, and one fixed phrase reveals the
// hidden debug menu item instead of becoming the name.
class NameDialog : public GameDialog {
    Q_OBJECT
public:
    explicit NameDialog(QWidget* parent = nullptr);
    ~NameDialog() override;

    // Shows the record's playerName for editing; OK stores it back.
    virtual void showNameEntry(GameRecord& record);
    // OK: the name rule.
    void acceptName();

    // In the player's language, so they follow the catalogue installed.
    static QString revealPhrase();
    static QString fallbackName();

signals:
    // The reveal phrase was entered and accepted: the hidden "デバグ" item
    // is to become visible.
    void revealPhraseEntered();

private:
    std::unique_ptr<Ui::NameDialog> m_ui;
    GameRecord* m_record = nullptr; // not owned
};
