#include "ClassicMenuBar.h"

#include "DeferredIconStyle.h"

#include <QActionEvent>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QStyleOptionMenuItem>

namespace {

// The application's style with titles as high as the bar, so that the line a
// style may draw under its titles is the bar's bottom edge and the bar comes
// out at its height by itself.
class FullHeightTitles : public DeferredIconStyle {
public:
    explicit FullHeightTitles(QObject* owner) : DeferredIconStyle(QApplication::style()->name()) {
        setParent(owner);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_MenuBarItem) {
            const int frame = pixelMetric(PM_MenuBarVMargin, option, widget) +
                              pixelMetric(PM_MenuBarPanelWidth, option, widget);
            const int gap = styleHint(SH_MainWindow_SpaceBelowMenuBar, option, widget);
            result.setHeight(ClassicMenuBar::ClassicHeight - 2 * frame - gap);
        }
        return result;
    }
};

} // namespace

ClassicMenuBar::ClassicMenuBar(QWidget* parent) : QMenuBar(parent) {
    setStyle(new FullHeightTitles(this));
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

void ClassicMenuBar::changeEvent(QEvent* event) {
    QMenuBar::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        shareFontWithMenus();
    }
}

void ClassicMenuBar::actionEvent(QActionEvent* event) {
    QMenuBar::actionEvent(event);
    if (event->type() == QEvent::ActionAdded) {
        shareFontWithMenus();
    }
}

void ClassicMenuBar::setMenusShareFont(bool share) {
    m_menusShareFont = share;
    shareFontWithMenus();
}

// A drop-down menu is a window of its own and would take the desktop's menu
// font, so bar and menus would show two fonts side by side.
void ClassicMenuBar::shareFontWithMenus() {
    if (!m_menusShareFont) {
        return;
    }
    for (QAction* action : actions()) {
        if (auto* menu = action->menu<QMenu*>()) {
            menu->setFont(font());
        }
    }
}
