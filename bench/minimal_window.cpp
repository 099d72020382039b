// The yardstick for the program's start-up: the least a Qt program with the
// same look has to do to show one window, one Japanese label in the game font
// found through the same substitutes. Run with IPPONMICHI_BENCH_QUIT_WHEN_SHOWN=1
// it reports its first frame and ends, exactly as the program does.
#include "BenchmarkHook.h"
#include "Fonts.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    registerFontSubstitutes();
    QLabel label(QStringLiteral("ぽてりん 一本道"));
    label.setFont(gameFont(12));
    QuitWhenShownForBenchmark(label);
    label.show();
    return QApplication::exec();
}
