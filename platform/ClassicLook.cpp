#include "ClassicLook.h"

#include "BevelPanel.h"

#include <QApplication>
#include <QPalette>

void ApplyClassicPalette() {
    QPalette palette = QApplication::palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, BevelPanel::ButtonFace);
        palette.setColor(group, QPalette::Button, BevelPanel::ButtonFace);
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, BevelPanel::ButtonFace);
    palette.setColor(QPalette::Disabled, QPalette::Button, BevelPanel::ButtonFace);
    QApplication::setPalette(palette);
}
