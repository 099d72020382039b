#include "Fonts.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    RegisterFontSubstitutes();
    QWidget window;
    window.setWindowTitle(QStringLiteral("ぽてりん 一本道"));
    window.setFixedSize(252, 304);
    window.show();
    return app.exec();
}
