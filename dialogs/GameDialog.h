#pragma once

#include "DialogAnswer.h"

#include <QDialog>
#include <QStyle>
#include <functional>
#include <utility>
#include <vector>

class QAbstractButton;
class QPushButton;

// What the game's dialogs have in common: a fixed-size window with a title bar,
// system menu, minimise button and close box on the button-face colour; Enter
// presses the default button, Esc presses the cancel button where the form shows
// one and does nothing where it does not; the close box ends a modal showing
// with DialogAnswer::Cancel.
class GameDialog : public QDialog {
    Q_OBJECT
public:
    explicit GameDialog(QWidget* parent);

    // The close box and the system menu's Close land here.
    void reject() override;

protected:
    // Fixes the window at the client size that belongs to this outer size.
    void setOuterSize(int outerWidth, int outerHeight);
    // The button that Esc presses while it is visible; none by default.
    void setCancelButton(QAbstractButton* button) { m_cancelButton = button; }
    // A click on `button` ends the modal showing with `result`.
    void setModalResult(QAbstractButton* button, DialogAnswer answer);
    // The usual pair: OK is the default button and runs `onOk` before ending
    // the showing with DialogAnswer::Ok; Cancel is the cancel button and ends it with
    // DialogAnswer::Cancel.
    void setUpOkCancel(QPushButton* ok, QPushButton* cancel, std::function<void()> onOk);
    // The button's glyph, one of the style's standard icons. The style reads
    // those from image files, which the title screen has no need of, so the
    // glyphs are put on when the form is first shown.
    void setGlyph(QAbstractButton* button, QStyle::StandardPixmap glyph);

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QAbstractButton* m_cancelButton = nullptr;
    std::vector<std::pair<QAbstractButton*, QStyle::StandardPixmap>> m_pendingGlyphs;
};
