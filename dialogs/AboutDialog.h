#pragma once

#include "GameDialog.h"

#include <memory>

namespace Ui {
class AboutDialog;
}

// The usage notes and the version information: two panels at the same place,
// one visible per showing. The notes are editable, and what is typed into them
// stays for the rest of the run. Closed with OK or the close box; Esc does nothing.
class AboutDialog : public GameDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

    void showNotes();
    void showVersion();

private:
    void showPanel(QWidget* shown, QWidget* hidden, QWidget* focus);

    std::unique_ptr<Ui::AboutDialog> m_ui;
};
