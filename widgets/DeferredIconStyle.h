#pragma once

#include <QProxyStyle>

// The desktop's style, except that the icon of a menu bar's overflow button is
// decoded when first painted. Qt builds that button, and decodes its icon, with
// every menu bar, although a bar that holds all its titles never shows it; and
// decoding a picture by file name asks every image plugin about it first, which
// loads them all into the program.
class DeferredIconStyle : public QProxyStyle {
public:
    // The desktop's style, or the one named on the command line.
    DeferredIconStyle() = default;
    // The style of that name, or the desktop's if there is none.
    explicit DeferredIconStyle(const QString& baseKey);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
