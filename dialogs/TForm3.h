#pragma once

#include "ModalForm.h"

#include <memory>

namespace Ui {
class TForm3;
}

// The usage notes and the version information: two panels at the same place,
// one visible per showing. The notes are editable, and what is typed into them
// stays for the rest of the run. Closed with OK or the close box; Esc does nothing.
class TForm3 : public ModalForm {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    void ShowNotes();
    void ShowVersion();

private:
    void ShowPanel(QWidget* shown, QWidget* hidden, QWidget* focus);

    std::unique_ptr<Ui::TForm3> ui_;
};
