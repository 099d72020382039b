// The performance figures of the game in one run (scripts/bench):
//
// - Start-up: wall time from spawning the program until its title screen has
//   painted its first frame, and its peak resident memory (ru_maxrss of the
//   child, from wait4), against a minimal Qt program that shows one Japanese
//   label in the same font. Both are told to quit once shown
//   (IPPONMICHI_BENCH_QUIT_WHEN_SHOWN=1); the runs alternate between the two
//   so that a busy machine weighs on both alike.
// - Ticks: the course view's walking ticks against their floor (one 247 x 110
//   window copy and one masked 50 x 70 sprite), and the slot drum's ticks
//   against theirs (one plain 28 x 90 copy), timed in alternating rounds in
//   this process, with every heap allocation counted.
// - Timing: a 10-square walk with the shipped record on real timers, and the
//   CPU share of a drum spinning at 10 ms for 10 seconds.
// - First game: in a fresh process each time (the game screen is built once a
//   run), the time from the "ゲームスタート" command to the paint of the
//   heroine's entry's first frame.
//
// Each figure is printed with its limit; the exit code is 1 if any is missed.
#include "AnimatedCourseView.h"
#include "Artwork.h"
#include "ClassicLook.h"
#include "DrumRandom.h"
#include "Fonts.h"
#include "GameRecord.h"
#include "ImageList.h"
#include "MainWindow.h"
#include "SlotDrum.h"

#include <QApplication>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <limits>
#include <new>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

// --- every heap allocation of this process is counted ------------------------

namespace {
std::atomic<long long> allocations{0};

void* countedAlloc(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void* countedAlignedAlloc(std::size_t size, std::align_val_t align) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    const auto a = static_cast<std::size_t>(align);
    if (void* p = std::aligned_alloc(a, (size + a - 1) / a * a)) {
        return p;
    }
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t size) {
    return countedAlloc(size);
}
void* operator new[](std::size_t size) {
    return countedAlloc(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new(std::size_t size, std::align_val_t align) {
    return countedAlignedAlloc(size, align);
}
void* operator new[](std::size_t size, std::align_val_t align) {
    return countedAlignedAlloc(size, align);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}

namespace {

using clock = std::chrono::steady_clock;

// The limits the figures are held to.
constexpr double StartupTimeLimit = 1.2;
constexpr double StartupMemoryLimit = 1.1;
constexpr double WalkingTickLimit = 1.5;
constexpr double WalkSeconds = 6.0;
constexpr double WalkTolerance = 0.03;
constexpr double SpinCpuShareLimit = 0.03;

constexpr int DefaultStartupRuns = 21;
constexpr int FirstGameRuns = 11;
constexpr int FirstGameTimeoutMs = 30000;
const char* const FirstGameOnceArgument = "--first-game-once";
constexpr int StartupTimeoutMs = 30000;

// The view and the drum as the main window holds them.
constexpr int ViewWidth = 247;
constexpr int ViewHeight = 110;
constexpr int QuarterTicksPerSquare = 3;
constexpr int TicksPerSquare = 4;

double nanoseconds(clock::duration d) {
    return std::chrono::duration<double, std::nano>(d).count();
}

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// One line of the final summary.
struct Verdict {
    std::string what;
    double value;
    double limit;
    bool passed;
};
std::vector<Verdict> verdicts;

void check(const std::string& what, double value, double limit, bool passed) {
    verdicts.push_back({what, value, limit, passed});
}

// --- 1. start-up ----------------------------------------------------------

struct StartupRun {
    bool ok = false;
    double milliseconds = 0;
    double peakKilobytes = 0;
    double cpuMilliseconds = 0; // the whole run's, ending included
};

// Spawns `program`, waits for its "shown" line and for its exit.
StartupRun runOnce(const char* program) {
    StartupRun run;
    int out[2];
    if (::pipe(out) != 0) {
        return run;
    }
    std::vector<std::string> envStrings;
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "IPPONMICHI_BENCH_QUIT_WHEN_SHOWN=", 33) != 0) {
            envStrings.emplace_back(*e);
        }
    }
    envStrings.emplace_back("IPPONMICHI_BENCH_QUIT_WHEN_SHOWN=1");
    std::vector<char*> env;
    for (std::string& s : envStrings) {
        env.push_back(s.data());
    }
    env.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program), nullptr};

    pid_t pid = 0;
    const auto start = clock::now();
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, env.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        ::close(out[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", program, std::strerror(spawned));
        return run;
    }

    std::string seen;
    bool shown = false;
    while (!shown) {
        pollfd fd{out[0], POLLIN, 0};
        if (::poll(&fd, 1, StartupTimeoutMs) <= 0) {
            ::kill(pid, SIGKILL);
            break;
        }
        char buffer[256];
        const ssize_t got = ::read(out[0], buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        seen.append(buffer, static_cast<std::size_t>(got));
        shown = seen.find("shown\n") != std::string::npos;
    }
    const auto shownAt = clock::now();
    ::close(out[0]);

    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.ok = shown && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.milliseconds = std::chrono::duration<double, std::milli>(shownAt - start).count();
    run.peakKilobytes = static_cast<double>(usage.ru_maxrss);
    run.cpuMilliseconds =
        static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
        static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    return run;
}

struct StartupFigures {
    double milliseconds = 0;
    double megabytes = 0;
};

void measureStartup(int runs) {
    std::printf("\n== Start-up: spawn until the first frame is painted, then quit "
                "(QT_QPA_PLATFORM=%s), median of %d runs each\n",
                qgetenv("QT_QPA_PLATFORM").constData(), runs);
    const char* const programs[2] = {IPPON_PROGRAM_PATH, IPPON_MINIMAL_PATH};
    std::vector<double> times[2], memories[2], pairTimes[2], cpus[2];
    bool allOk = true;
    // One unmeasured run each first, so both start with warm file caches.
    for (const char* program : programs) {
        allOk = runOnce(program).ok && allOk;
    }
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < 2; ++k) {
            const int which = (i + k) % 2; // alternate which one goes first
            const StartupRun run = runOnce(programs[which]);
            allOk = run.ok && allOk;
            times[which].push_back(run.milliseconds);
            pairTimes[which].push_back(run.milliseconds);
            memories[which].push_back(run.peakKilobytes);
            cpus[which].push_back(run.cpuMilliseconds);
        }
    }
    StartupFigures figures[2];
    for (int which = 0; which < 2; ++which) {
        figures[which] = {median(times[which]), median(memories[which]) / 1024.0};
        std::sort(times[which].begin(), times[which].end());
        std::printf("  %-16s %7.1f ms (fastest %.1f, slowest %.1f)   peak RSS %6.1f MB   "
                    "CPU %.1f ms\n",
                    which == 0 ? "ipponmichi" : "minimal_window", figures[which].milliseconds,
                    times[which].front(), times[which].back(), figures[which].megabytes,
                    median(cpus[which]));
    }
    const double timeRatio = figures[0].milliseconds / figures[1].milliseconds;
    const double memoryRatio = figures[0].megabytes / figures[1].megabytes;
    std::printf("  ratio            time x%.2f (limit %.1f)   memory x%.2f (limit %.1f)\n",
                timeRatio, StartupTimeLimit, memoryRatio, StartupMemoryLimit);
    // The same runs taken in their back-to-back pairs: less swayed by a load
    // that comes and goes, so a large gap between the two ratios says the
    // machine was busy.
    std::vector<double> pairRatios;
    for (std::size_t i = 0; i < pairTimes[0].size(); ++i) {
        pairRatios.push_back(pairTimes[0][i] / pairTimes[1][i]);
    }
    std::printf("  time ratio of the back-to-back pairs, median x%.2f\n", median(pairRatios));
    check("start-up time, ipponmichi / minimal", timeRatio, StartupTimeLimit,
          allOk && timeRatio <= StartupTimeLimit);
    check("start-up peak RSS, ipponmichi / minimal", memoryRatio, StartupMemoryLimit,
          allOk && memoryRatio <= StartupMemoryLimit);
    if (!allOk) {
        std::printf("  some run did not report its first frame or did not exit with 0\n");
    }
}

// --- 2. ticks ---------------------------------------------------------------

// Counts the view's reports, taken directly as they are made; optionally ends
// an event loop at a walk's end.
class ReportCounter {
public:
    void listenTo(AnimatedCourseView& view) {
        QObject::connect(&view, &AnimatedCourseView::squareWalked, [this] {
            ++posted;
            ++steps;
        });
        QObject::connect(&view, &AnimatedCourseView::animationFinished, [this] {
            ++posted;
            endedAt = clock::now();
            if (onEnd) {
                onEnd();
            }
        });
    }
    long long posted = 0;
    long long steps = 0;
    clock::time_point endedAt{};
    std::function<void()> onEnd;
};

// The course view of a running game, walking for ever from square 1; it starts
// again every lap so that every new column comes from the real course.
struct WalkingView {
    static constexpr int SquaresPerLap = 100;

    WalkingView() {
        course.buildCourse();
        Artwork::loadHeroineImages(heroines);
        fillDefaultRecord(record, &heroines);
        poster.listenTo(view);
        view.initialise();
        restart();
    }
    void restart() {
        view.setUp(record);
        view.startWalk(std::numeric_limits<std::int32_t>::max());
        squares = 0;
    }
    // One tick of the walk; true when it completed a square.
    bool tick() {
        const long long steps = poster.steps;
        view.animationTick();
        return poster.steps != steps;
    }
    // After each whole square, outside the measured time.
    void squareDone() {
        if (++squares == SquaresPerLap) {
            restart();
        }
    }

    QWidget window;
    ReportCounter poster;
    CourseTable course;
    ImageList heroines{50, 70};
    GameRecord record;
    AnimatedCourseView view{course, ViewWidth, ViewHeight, &window};
    int squares = 0;
};

// What any frame of the view costs at least: one copy of the view's window out
// of a field of the same size, and one masked heroine on top.
struct WalkFloor {
    WalkFloor()
        : field(487, 270, QImage::Format_RGB32),
          frame(ViewWidth, ViewHeight, QImage::Format_RGB32) {
        field.fill(qRgb(0xFF, 0xEE, 0xEE));
        frame.fill(Qt::white);
        Artwork::loadHeroineImages(heroines);
        painter.begin(&frame);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
    }
    void draw() {
        painter.drawImage(QPoint(0, 0), field, QRect(135, 80, ViewWidth, ViewHeight));
        heroines.draw(painter, 15, 6, 1);
    }
    QImage field;
    QImage frame;
    ImageList heroines{50, 70};
    QPainter painter;
};

// The least a drum tick shows: the 28 x 90 number window copied row by row.
struct DrumFloor {
    DrumFloor() : strip(50, 120, QImage::Format_RGB32), picture(50, 90, QImage::Format_RGB32) {
        strip.fill(Qt::white);
        picture.fill(Qt::white);
        from = strip.constBits();
        into = picture.bits();
    }
    void draw() {
        top = (top + 1) % 30;
        for (int y = 0; y < 90; ++y) {
            std::memcpy(into + y * picture.bytesPerLine() + 22 * 4,
                        from + (top + y) * strip.bytesPerLine(), 28 * 4);
        }
    }
    QImage strip;
    QImage picture;
    const uchar* from = nullptr;
    uchar* into = nullptr;
    int top = 0;
};

// A drum that can be put back to rest, so a one-pixel tick never reaches a boundary.
class BenchDrum : public SlotDrum {
public:
    using SlotDrum::SlotDrum;
    void backToRest() { m_scrollOffset = RestOffset; }
};

struct SpinningDrum {
    explicit SpinningDrum(std::int32_t rotationWidth) {
        seedRandom(1);
        Artwork::loadArrowImages(arrows);
        Artwork::loadDigitImages(digits);
        fillDefaultRecord(record, nullptr);
        record.rotationWidth = rotationWidth;
        drum.reset();
        drum.setUp(record);
        drum.buttonClicked(); // start; no stop is ever asked for
    }
    QWidget window;
    ImageList arrows{22, 30};
    ImageList digits{28, 30};
    GameRecord record;
    BenchDrum drum{arrows, digits, &window};
};

// Times one call, clock reads included (the floors are timed the same way).
template <typename F> double timeOne(F&& f) {
    const auto t0 = clock::now();
    f();
    return nanoseconds(clock::now() - t0);
}

constexpr int Rounds = 31;
constexpr int SquaresPerRound = 100;
constexpr int DrumTicksPerRound = 400;
constexpr int WarmUpSquares = 50;

void measureWalkingTicks() {
    std::printf("\n== Course view: walking ticks against the floor (one %dx%d window copy + one "
                "50x70 masked sprite),\n   %d rounds of %d squares, each square's 4 ticks after "
                "4 floor frames; medians of the rounds\n",
                ViewWidth, ViewHeight, Rounds, SquaresPerRound);
    WalkingView walk;
    WalkFloor floor;
    for (int i = 0; i < WarmUpSquares * TicksPerSquare; ++i) {
        if (walk.tick()) {
            walk.squareDone();
        }
        floor.draw();
    }
    std::vector<double> floorNs, quarterNs, completingNs, squareNs;
    std::vector<double> quarterRatio, completingRatio, squareRatio;
    long long tickAllocs = 0, ticks = 0, floorAllocs = 0;
    for (int round = 0; round < Rounds; ++round) {
        // Square by square, four floor frames and then the square's four
        // ticks, so that whatever else the machine does weighs on both alike.
        double floorTotal = 0, quarterTotal = 0, completingTotal = 0;
        for (int square = 0; square < SquaresPerRound; ++square) {
            long long before = allocations.load();
            for (int i = 0; i < TicksPerSquare; ++i) {
                floorTotal += timeOne([&] { floor.draw(); });
            }
            floorAllocs += allocations.load() - before;
            before = allocations.load();
            for (int q = 0; q < QuarterTicksPerSquare; ++q) {
                quarterTotal += timeOne([&] { walk.view.animationTick(); });
            }
            completingTotal += timeOne([&] { walk.view.animationTick(); });
            tickAllocs += allocations.load() - before;
            walk.squareDone(); // a new lap now and then: not a tick, not counted
        }
        ticks += SquaresPerRound * TicksPerSquare;
        const double f = floorTotal / (SquaresPerRound * TicksPerSquare);
        const double q = quarterTotal / (SquaresPerRound * QuarterTicksPerSquare);
        const double c = completingTotal / SquaresPerRound;
        const double s = (quarterTotal + completingTotal) / (SquaresPerRound * TicksPerSquare);
        floorNs.push_back(f);
        quarterNs.push_back(q);
        completingNs.push_back(c);
        squareNs.push_back(s);
        quarterRatio.push_back(q / f);
        completingRatio.push_back(c / f);
        squareRatio.push_back(s / f);
    }
    const double allocsPerTick = static_cast<double>(tickAllocs) / static_cast<double>(ticks);
    std::printf("  floor                         %7.0f ns                allocs/draw %.2f\n",
                median(floorNs), static_cast<double>(floorAllocs) / static_cast<double>(ticks));
    std::printf("  quarter-square tick           %7.0f ns   x%.2f of the floor\n",
                median(quarterNs), median(quarterRatio));
    std::printf("  square-completing tick        %7.0f ns   x%.2f of the floor\n",
                median(completingNs), median(completingRatio));
    std::printf("  walking tick (3 + 1 averaged) %7.0f ns   x%.2f of the floor (limit %.1f)\n",
                median(squareNs), median(squareRatio), WalkingTickLimit);
    std::printf("  heap allocations per tick     %.3f over %lld ticks\n", allocsPerTick, ticks);
    check("walking tick / floor (a square's 4 ticks averaged)", median(squareRatio),
          WalkingTickLimit, median(squareRatio) <= WalkingTickLimit);
    check("course view heap allocations per tick", allocsPerTick, 0, tickAllocs == 0);

    // The same walk on a shown window, the event loop painting each frame
    // between ticks as in the game. What the tick adds there is Qt's
    // scheduling of the repaint that update() asks for.
    walk.window.resize(260, 320);
    walk.window.show();
    walk.view.move(0, 125);
    walk.view.show();
    QApplication::processEvents();
    std::vector<double> shownNs;
    long long shownTickAllocs = 0, paintAllocs = 0, shownTicks = 0;
    for (int i = 0; i < WarmUpSquares * TicksPerSquare; ++i) {
        const bool squareDone = walk.tick();
        QApplication::processEvents();
        if (squareDone) {
            walk.squareDone();
        }
    }
    for (int i = 0; i < Rounds * SquaresPerRound; ++i) {
        long long before = allocations.load();
        const long long steps = walk.poster.steps;
        shownNs.push_back(timeOne([&] { walk.view.animationTick(); }));
        shownTickAllocs += allocations.load() - before;
        before = allocations.load();
        QApplication::processEvents();
        paintAllocs += allocations.load() - before;
        ++shownTicks;
        if (walk.poster.steps != steps) {
            walk.squareDone();
        }
    }
    walk.window.hide();
    std::printf("  on a shown window: tick %.0f ns, allocs/tick %.2f (Qt's update() "
                "scheduling the repaint), the repaint itself %.2f allocs/frame\n",
                median(shownNs), static_cast<double>(shownTickAllocs) / shownTicks,
                static_cast<double>(paintAllocs) / shownTicks);
}

void measureDrumTicks() {
    std::printf("\n== Slot drum: ticks against the floor (one plain 28x90 copy), %d alternating "
                "rounds of %d ticks; medians\n",
                Rounds, DrumTicksPerRound);
    SpinningDrum boundary(SlotDrum::CellHeight); // every tick passes a boundary
    SpinningDrum plain(1);                       // no tick reaches one
    DrumFloor floor;
    for (int i = 0; i < 1000; ++i) {
        boundary.drum.spinTick();
        plain.drum.backToRest();
        plain.drum.spinTick();
        floor.draw();
    }
    std::vector<double> floorNs, boundaryNs, plainNs, boundaryRatio, plainRatio;
    long long tickAllocs = 0;
    for (int round = 0; round < Rounds; ++round) {
        double f = 0, b = 0, p = 0;
        for (int i = 0; i < DrumTicksPerRound; ++i) {
            f += timeOne([&] { floor.draw(); });
        }
        const long long before = allocations.load();
        for (int i = 0; i < DrumTicksPerRound; ++i) {
            b += timeOne([&] { boundary.drum.spinTick(); });
            plain.drum.backToRest();
            p += timeOne([&] { plain.drum.spinTick(); });
        }
        tickAllocs += allocations.load() - before;
        floorNs.push_back(f / DrumTicksPerRound);
        boundaryNs.push_back(b / DrumTicksPerRound);
        plainNs.push_back(p / DrumTicksPerRound);
        boundaryRatio.push_back(b / f);
        plainRatio.push_back(p / f);
    }
    const long long ticks = 2LL * Rounds * DrumTicksPerRound;
    std::printf("  floor                         %7.0f ns\n", median(floorNs));
    std::printf("  tick passing a boundary       %7.0f ns   x%.2f of the floor\n",
                median(boundaryNs), median(boundaryRatio));
    std::printf("  tick within a cell            %7.0f ns   x%.2f of the floor\n", median(plainNs),
                median(plainRatio));
    std::printf("  heap allocations per tick     %.3f over %lld ticks\n",
                static_cast<double>(tickAllocs) / static_cast<double>(ticks), ticks);
    check("slot drum heap allocations per tick", static_cast<double>(tickAllocs) / ticks, 0,
          tickAllocs == 0);
}

// --- 3. timing --------------------------------------------------------------

// Counts the paint events of one widget: each is a frame that reached the screen.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    long long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

double cpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void measureWalkTiming() {
    constexpr int Squares = 10;
    std::printf("\n== Timing: a %d-square walk with the shipped record, real timer and event "
                "loop\n",
                Squares);
    WalkingView walk;
    walk.window.resize(260, 320);
    walk.window.show();
    walk.view.move(0, 125);
    walk.view.show();
    walk.view.stopAnimation();
    walk.view.setUp(walk.record);
    walk.view.paintView();
    QApplication::processEvents();
    QApplication::processEvents();

    PaintCounter frames(walk.view.viewBox());
    QEventLoop loop;
    bool ended = false;
    walk.poster.steps = 0;
    walk.poster.onEnd = [&] {
        ended = true;
        loop.quit();
    };
    QTimer::singleShot(static_cast<int>(WalkSeconds * 1000 * 2), Qt::PreciseTimer, &loop,
                       &QEventLoop::quit);
    const auto start = clock::now();
    walk.view.startWalk(Squares);
    loop.exec();
    QApplication::processEvents(); // the last frame's paint
    const double seconds = std::chrono::duration<double>(walk.poster.endedAt - start).count();
    const double deviation = ended ? std::abs(seconds - WalkSeconds) / WalkSeconds : 1.0;
    std::printf("  interval %d ms: %lld frames painted (ticks), %lld steps, %.3f s "
                "(expected %.1f s, off by %.2f %%, limit %.0f %%)\n",
                walk.record.walkInterval, frames.paints, walk.poster.steps, seconds, WalkSeconds,
                deviation * 100, WalkTolerance * 100);
    check("10-square walk: 40 ticks", static_cast<double>(frames.paints), Squares * TicksPerSquare,
          ended && frames.paints == Squares * TicksPerSquare && walk.poster.steps == Squares);
    check("10-square walk: wall time off 6.0 s (fraction)", deviation, WalkTolerance,
          ended && deviation <= WalkTolerance);
}

void measureSpinCpu() {
    constexpr int SpinMilliseconds = 10000;
    SpinningDrum spin(SlotDrum::CellHeight);
    spin.drum.stopSpin();
    spin.drum.setUp(spin.record); // "スタート" again
    spin.window.resize(260, 320);
    spin.window.show();
    spin.drum.move(120, 0);
    spin.drum.show();
    QApplication::processEvents();
    PaintCounter frames(spin.drum.paintBox());

    QEventLoop loop;
    QTimer::singleShot(SpinMilliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    const double cpu0 = cpuSeconds();
    const auto start = clock::now();
    spin.drum.buttonClicked(); // start, at the record's interval
    loop.exec();
    const double wall = std::chrono::duration<double>(clock::now() - start).count();
    const double cpu = cpuSeconds() - cpu0;
    spin.drum.stopSpin();
    const double share = cpu / wall;
    std::printf("  drum spinning at %d ms for %.1f s: %lld frames painted, CPU %.3f s = %.2f %% "
                "of one core (limit %.0f %%)\n",
                spin.record.spinInterval, wall, frames.paints, cpu, share * 100,
                SpinCpuShareLimit * 100);
    check("drum spin CPU share of one core", share, SpinCpuShareLimit, share < SpinCpuShareLimit);
}

// A yardstick for the spin: a bare widget of the drum's size, in the same
// place, asking Qt for the same repaint at the same rate and painting the same
// picture. Whatever the spin costs beyond this is the game's own.
class BareBox : public QWidget {
public:
    explicit BareBox(QWidget* parent) : QWidget(parent), m_picture(50, 90, QImage::Format_RGB32) {
        m_picture.fill(Qt::white);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(event->rect(), m_picture, event->rect());
    }

private:
    QImage m_picture;
};

void measureBareRepaintCpu() {
    constexpr int Milliseconds = 5000;
    constexpr int interval = 10;
    QWidget window;
    window.resize(260, 320);
    BareBox box(&window);
    box.setGeometry(128, 8, 50, 90);
    window.show();
    QApplication::processEvents();
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticks, &QTimer::timeout, &box, [&box] { box.update(22, 0, 28, 90); });
    QEventLoop loop;
    QTimer::singleShot(Milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    const double cpu0 = cpuSeconds();
    const auto start = clock::now();
    ticks.start(interval);
    loop.exec();
    const double wall = std::chrono::duration<double>(clock::now() - start).count();
    const double cpu = cpuSeconds() - cpu0;
    std::printf("  for comparison, a bare widget repainting the same 28x90 area every %d ms: "
                "%.2f %% of one core\n",
                interval, cpu / wall * 100);
}

// --- 4. the first game's start ---------------------------------------------

// Quits `loop` at the first paint event that `wanted` accepts.
class PaintWatcher : public QObject {
public:
    PaintWatcher(QEventLoop& loop, std::function<bool(QObject*)> wanted)
        : m_loop(loop), m_wanted(std::move(wanted)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_wanted(receiver)) {
            m_loop.quit();
        }
        return false;
    }

private:
    QEventLoop& m_loop;
    std::function<bool(QObject*)> m_wanted;
};

// Waits until `wanted` has seen a paint event; false after the time-out.
bool waitForPaint(std::function<bool(QObject*)> wanted) {
    QEventLoop loop;
    PaintWatcher watcher(loop, std::move(wanted));
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
    timeout.start(FirstGameTimeoutMs);
    return loop.exec() == 0;
}

// The child's part: the program's window as main() sets it up, its title
// screen painted, then the command; prints the milliseconds.
int firstGameOnce() {
    registerFontSubstitutes();
    applyClassicLook();
    MainWindow window;
    window.preferences().askBeforeQuit = false;
    window.show();
    if (!waitForPaint([&window](QObject* r) { return r == &window; })) {
        return 1;
    }
    QApplication::processEvents(); // the title screen's frame ends
    const auto start = clock::now();
    window.menuItem("startGameAction")->trigger();
    // Connected after the view's own tick, so the flag is set once the first
    // frame has been drawn and asked to be painted.
    bool ticked = false;
    QObject::connect(window.courseView().findChild<QTimer*>(QStringLiteral("animationTimer")),
                     &QTimer::timeout, &window, [&ticked] { ticked = true; });
    QWidget* box = window.courseView().viewBox();
    if (!waitForPaint([&](QObject* r) { return ticked && r == box; })) {
        return 1;
    }
    std::printf("%.3f\n", std::chrono::duration<double, std::milli>(clock::now() - start).count());
    return 0;
}

void measureFirstGame() {
    std::printf("\n== First game: the start command to the entry's first frame, fresh process "
                "each time, median of %d runs\n",
                FirstGameRuns);
    std::vector<double> times;
    for (int i = 0; i < FirstGameRuns; ++i) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(FirstGameOnceArgument)});
        if (!child.waitForFinished(FirstGameTimeoutMs) || child.exitCode() != 0) {
            std::printf("  a run did not reach the entry's first frame\n");
            check("first game reaches the entry's first frame", 0, 1, false);
            return;
        }
        times.push_back(child.readAllStandardOutput().trimmed().toDouble());
    }
    std::sort(times.begin(), times.end());
    std::printf("  ipponmichi       %7.1f ms (fastest %.1f, slowest %.1f)\n", median(times),
                times.front(), times.back());
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc == 2 && std::strcmp(argv[1], FirstGameOnceArgument) == 0) {
        QApplication app(argc, argv);
        return firstGameOnce();
    }
    int runs = DefaultStartupRuns;
    bool startup = true, ticks = true, timing = true, firstGame = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--no-startup") {
            startup = false;
        } else if (arg == "--no-ticks") {
            ticks = false;
        } else if (arg == "--no-timing") {
            timing = false;
        } else if (arg == "--no-first-game") {
            firstGame = false;
        } else {
            std::fprintf(stderr,
                         "usage: %s [--runs N] [--no-startup] [--no-ticks] [--no-timing] "
                         "[--no-first-game]\n",
                         argv[0]);
            return 2;
        }
    }
    // The harness's own application; the programs it starts get their own.
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (startup) {
        measureStartup(runs);
    }
    if (ticks) {
        measureWalkingTicks();
        measureDrumTicks();
    }
    if (timing) {
        measureWalkTiming();
        measureSpinCpu();
        measureBareRepaintCpu();
    }
    if (firstGame) {
        measureFirstGame();
    }

    bool allPassed = true;
    std::printf("\n== Summary\n");
    for (const Verdict& v : verdicts) {
        std::printf("  %-4s %-52s %8.3f  (limit %g)\n", v.passed ? "ok" : "FAIL", v.what.c_str(),
                    v.value, v.limit);
        allPassed = allPassed && v.passed;
    }
    return allPassed ? 0 : 1;
}
