#pragma once

#include <QDialog>
#include <QPoint>
#include <QStyle>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QAbstractButton;
class QPushButton;

// What the game's dialogs have in common: a fixed-size window with a title bar,
// system menu and close box on the button-face colour, and neither minimise nor
// maximise (a minimised modal dialog would leave the game blocked behind
// nothing); Enter presses the default button, Esc presses the cancel button
// where the form shows one and does nothing where it does not; the close box
// ends a modal showing as Rejected. The dialogs are transient
// for the main window, so the window system keeps them above it.
class GameDialog : public QDialog {
    Q_OBJECT
public:
    explicit GameDialog(QWidget* parent);

    // The close box and the system menu's Close land here.
    void reject() override;
    // The outer top-left corner the dialog last asked for. Where the window
    // system places windows itself (Wayland) the window may stand elsewhere,
    // and nothing depends on where it stands.
    QPoint requestedPlace() const { return m_requestedPlace; }

    // A modal showing that survives being minimised or maximised: the window
    // system may still offer those (Qt's own title bar on Wayland does), a
    // minimised modal dialog would leave the game blocked behind nothing it
    // could bring back, and a fixed-size window cannot grow. Such a dialog is
    // shown again at once, as it was.
    int exec() override;
    void done(int result) override;

protected:
    // Fixes the window at the client size that belongs to this outer size.
    void setOuterSize(int outerWidth, int outerHeight);
    // Moves the window's outer top-left corner to `place`; with no place (the
    // cursor's position is unknown), centres the window on the main window.
    // Where the window system places windows itself this is only a wish.
    void moveTo(std::optional<QPoint> place);
    void moveTo(QPoint place) { moveTo(std::optional<QPoint>(place)); }
    // The button Enter presses; it is made the default again at every showing,
    // whichever button had the focus when the dialog last closed.
    void setDefaultButton(QPushButton* button);
    // The button that Esc presses while it is visible; none by default.
    void setCancelButton(QAbstractButton* button) { m_cancelButton = button; }
    // A click on `button` ends the modal showing with `result`: a QDialog
    // code, or the QMessageBox button it stands for.
    void setModalResult(QAbstractButton* button, int result);
    // The usual pair: OK is the default button and runs `onOk` before ending
    // the showing as Accepted; Cancel is the cancel button and ends it as
    // Rejected.
    void setUpOkCancel(QPushButton* ok, QPushButton* cancel, std::function<void()> onOk);
    // The button's glyph, one of the style's standard icons. The style reads
    // those from image files, which the title screen has no need of, so the
    // glyphs are put on when the form is first shown.
    void setGlyph(QAbstractButton* button, QStyle::StandardPixmap glyph);

    void changeEvent(QEvent* event) override;
    void showAgainAsItWas();
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QAbstractButton* m_cancelButton = nullptr;
    QPushButton* m_defaultButton = nullptr;
    QPoint m_requestedPlace;
    bool m_inModalShowing = false;
    bool m_showAgain = false;
    bool m_watchingWindow = false;
    std::vector<std::pair<QAbstractButton*, QStyle::StandardPixmap>> m_pendingGlyphs;
};
