#include "Fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

// GoogleTest needs a QApplication for anything that paints or makes widgets.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    registerFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
