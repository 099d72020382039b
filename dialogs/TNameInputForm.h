#pragma once

#include "IDDataStruct.h"
#include "ModalForm.h"

#include <QString>
#include <functional>
#include <memory>

namespace Ui {
class TNameInputForm;
}

// The player's name entry. The name is taken exactly as typed, however long or
// odd; an empty entry gives the fallback name, and one fixed phrase reveals the
// hidden debug menu item instead of becoming the name.
class TNameInputForm : public ModalForm {
    Q_OBJECT
public:
    // `revealDebugItem` makes the main window's hidden "デバグ" item visible.
    explicit TNameInputForm(std::function<void()> revealDebugItem, QWidget* parent = nullptr);
    ~TNameInputForm() override;

    // Shows the record's PlayerName for editing; OK stores it back.
    virtual void ShowNameInput(IDDataStruct& record);
    // OK: the name rule.
    void BitBtn1Click();

    static const QString RevealPhrase;
    static const QString FallbackName;

private:
    std::unique_ptr<Ui::TNameInputForm> ui_;
    std::function<void()> revealDebugItem_;
    IDDataStruct* record_ = nullptr; // not owned
};
