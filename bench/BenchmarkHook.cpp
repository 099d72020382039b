#include "BenchmarkHook.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

// Watches the window for its first paint. The paint event comes before the
// children's and before the frame reaches the screen, so the report waits for
// the event loop to finish that frame.
class ShownReporter : public QObject {
public:
    explicit ShownReporter(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

void QuitWhenShownForBenchmark(QWidget& window) {
    if (qEnvironmentVariableIntValue("IPPONMICHI_BENCH_QUIT_WHEN_SHOWN") == 1) {
        new ShownReporter(window);
    }
}
