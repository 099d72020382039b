#include "ClassicMenuBar.h"

#include <QKeyEvent>
#include <QStyleOptionMenuItem>

ClassicMenuBar::ClassicMenuBar(QWidget* parent) : QMenuBar(parent) {
    setFixedHeight(ClassicHeight);
}

bool ClassicMenuBar::inKeyboardMode() const {
    return hasFocus() && activeAction() != nullptr;
}

bool ClassicMenuBar::isMenuKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F10 && (key->modifiers() & ~Qt::KeypadModifier) == 0;
}

// Qt keeps keyboard mode to itself and enters it only on a tap of Alt, which it
// reads from the window's events: the press as a shortcut override with Alt
// held, then the release. F10 hands it the same pair, so both keys share one
// keyboard mode, including where Esc returns the focus.
void ClassicMenuBar::toggleKeyboardMode() {
    QWidget* target = window();
    // A key event of Alt itself reports its modifiers as they are after the
    // key, so the press is built to read as "Alt held" whichever way the
    // event computes it.
    QKeyEvent altPress(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    if (altPress.modifiers() != Qt::AltModifier) {
        altPress.setModifiers(Qt::AltModifier);
    }
    QKeyEvent altRelease(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QMenuBar::eventFilter(target, &altPress);
    QMenuBar::eventFilter(target, &altRelease);
}

bool ClassicMenuBar::eventFilter(QObject* watched, QEvent* event) {
    // F10 that the focused control left alone reaches the window.
    if (watched == window() && isVisible() && isMenuKey(event)) {
        toggleKeyboardMode();
        return true;
    }
    return QMenuBar::eventFilter(watched, event);
}

void ClassicMenuBar::keyPressEvent(QKeyEvent* event) {
    // In keyboard mode the bar itself has the focus.
    if (isMenuKey(event)) {
        toggleKeyboardMode();
        event->accept();
        return;
    }
    QMenuBar::keyPressEvent(event);
}

void ClassicMenuBar::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenuBar::initStyleOption(option, action);
    // Styles highlight a title only while its menu is open; keyboard mode
    // must show which title the arrow keys are on.
    if (inKeyboardMode() && (option->state & QStyle::State_Selected)) {
        option->state |= QStyle::State_Sunken;
    }
}
