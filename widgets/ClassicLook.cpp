#include "ClassicLook.h"

#include "BevelPanel.h"
#include "DeferredIconStyle.h"

#include <QApplication>
#include <QPalette>

void applyClassicLook() {
    // The style first: setting one resets the application's palette.
    QApplication::setStyle(new DeferredIconStyle);
    QPalette palette = QApplication::palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, BevelPanel::buttonFace);
        palette.setColor(group, QPalette::Button, BevelPanel::buttonFace);
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, BevelPanel::buttonFace);
    palette.setColor(QPalette::Disabled, QPalette::Button, BevelPanel::buttonFace);
    QApplication::setPalette(palette);
}
