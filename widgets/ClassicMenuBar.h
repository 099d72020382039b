#pragma once

#include <QMenuBar>

// A menu bar that behaves as the classic desktop's does: it is 19 pixels
// high, and Alt or F10 puts it into keyboard mode even where no title has a
// mnemonic (the Japanese menus have none). Keyboard mode highlights the first
// title without opening it; the arrow keys move along the titles, Enter or
// Down opens one, and Esc, Alt or F10 again gives the keyboard back to where
// it was. On request its drop-down menus are drawn in the bar's own font.
class ClassicMenuBar : public QMenuBar {
    Q_OBJECT
public:
    static constexpr int ClassicHeight = 19;

    explicit ClassicMenuBar(QWidget* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

    // Whether the drop-down menus take the bar's font rather than the
    // desktop's menu font; off by default.
    void setMenusShareFont(bool share);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void changeEvent(QEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    // True while the bar has the keyboard and a title is highlighted.
    bool inKeyboardMode() const;
    static bool isMenuKey(const QEvent* event);
    // Switches keyboard mode on or off, exactly as a tap of Alt does.
    void toggleKeyboardMode();
    void shareFontWithMenus();

    bool m_menusShareFont = false;
};
