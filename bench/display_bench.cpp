// What one tick of a walk costs: the three quarter-square ticks (a window copy
// and the heroine) and the square-completing tick (the field moves by a square
// and one column of cells is drawn), the heap allocations per tick, and each
// against the floor: one plain copy of the view and one masked sprite.
#include "Artwork.h"
#include "CourseTable.h"
#include "IDDataStruct.h"
#include "ImageList.h"
#include "MainDisplayClass.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <new>

// Every heap allocation in this program passes through here.
namespace {
std::atomic<long long> allocations{0};

void* CountedAlloc(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void* CountedAlignedAlloc(std::size_t size, std::align_val_t align) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    const auto a = static_cast<std::size_t>(align);
    if (void* p = std::aligned_alloc(a, (size + a - 1) / a * a)) {
        return p;
    }
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t size) {
    return CountedAlloc(size);
}
void* operator new[](std::size_t size) {
    return CountedAlloc(size);
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
    return CountedAlignedAlloc(size, align);
}
void* operator new[](std::size_t size, std::align_val_t align) {
    return CountedAlignedAlloc(size, align);
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

using Clock = std::chrono::steady_clock;

constexpr int QuarterTicks = 3;
// Walks restart on square 1 after this many squares, so every measured column
// is drawn from the real course rather than from the background beyond it.
constexpr int SquaresPerLap = 100;
constexpr int WarmUpSquares = 8;

// Counts the game messages without storing them: the queue of the real program
// is not what is measured here.
class CountingPoster : public MessagePoster {
public:
    void PostGameMessage(int, std::int32_t, std::int32_t) override { ++posted; }
    long long posted = 0;
};

// The course view of a running game, walking for ever.
struct WalkingView {
    WalkingView() {
        course.BuildCourse();
        Artwork::LoadHeroineImages(heroines);
        FillDefaultRecord(record, &heroines);
        view.InitDisplay();
        Restart();
        // Warm-up: every code path of a tick runs a few times first.
        for (int tick = 0; tick < WarmUpSquares * 4; ++tick) {
            view.AnimeTick();
        }
        squares = WarmUpSquares;
    }

    void Restart() {
        view.SetMainDisplay(record);
        view.StartWalk(std::numeric_limits<std::int32_t>::max());
        squares = 0;
    }

    // Called after each whole square, outside the measured time.
    void SquareDone() {
        if (++squares == SquaresPerLap) {
            Restart();
        }
    }

    QWidget window;
    CountingPoster poster;
    CourseTable course;
    ImageList heroines{50, 70};
    IDDataStruct record;
    MainDisplayClass view{&window, poster, course, 247, 110};
    int squares = 0;
};

double Nanoseconds(Clock::duration d) {
    return std::chrono::duration<double, std::nano>(d).count();
}

// The floor: what any frame must cost at least, one copy of the view's window
// out of the field and one masked heroine on top.
struct Floor {
    Floor() : field(487, 270, QImage::Format_RGB32), frame(247, 110, QImage::Format_RGB32) {
        field.fill(qRgb(0xFF, 0xEE, 0xEE));
        frame.fill(Qt::white);
        Artwork::LoadHeroineImages(heroines);
        painter.begin(&frame);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
    }
    void Draw() {
        painter.drawImage(QPoint(0, 0), field, QRect(135, 80, 247, 110));
        heroines.Draw(painter, 15, 6, 1);
    }
    QImage field;
    QImage frame;
    ImageList heroines{50, 70};
    QPainter painter;
};

double FloorNs() {
    static const double ns = [] {
        Floor floor;
        for (int i = 0; i < 1000; ++i) {
            floor.Draw();
        }
        // The best of several runs: the machine is shared, and the floor is
        // what the work costs when nothing else gets in the way.
        constexpr int runs = 9;
        constexpr int reps = 5000;
        double best = std::numeric_limits<double>::max();
        for (int run = 0; run < runs; ++run) {
            const auto t0 = Clock::now();
            for (int i = 0; i < reps; ++i) {
                floor.Draw();
                benchmark::ClobberMemory();
            }
            best = std::min(best, Nanoseconds(Clock::now() - t0) / reps);
        }
        return best;
    }();
    return ns;
}

void Report(benchmark::State& state, double totalNs, long long ticks, long long allocs) {
    const double perTick = ticks > 0 ? totalNs / double(ticks) : 0;
    state.counters["ns_per_tick"] = perTick;
    state.counters["allocs_per_tick"] = ticks > 0 ? double(allocs) / double(ticks) : 0;
    state.counters["vs_floor"] = perTick / FloorNs();
}

void BM_QuarterSquareTick(benchmark::State& state) {
    WalkingView w;
    double totalNs = 0;
    long long ticks = 0, allocs = 0;
    for (auto _ : state) {
        const long long before = allocations.load();
        const auto t0 = Clock::now();
        for (int i = 0; i < QuarterTicks; ++i) {
            w.view.AnimeTick();
        }
        const auto elapsed = Clock::now() - t0;
        allocs += allocations.load() - before;
        ticks += QuarterTicks;
        totalNs += Nanoseconds(elapsed);
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count() / QuarterTicks);
        w.view.AnimeTick(); // the square-completing tick, not measured here
        w.SquareDone();
    }
    Report(state, totalNs, ticks, allocs);
}
BENCHMARK(BM_QuarterSquareTick)->UseManualTime();

void BM_SquareCompletingTick(benchmark::State& state) {
    WalkingView w;
    double totalNs = 0;
    long long ticks = 0, allocs = 0;
    for (auto _ : state) {
        for (int i = 0; i < QuarterTicks; ++i) {
            w.view.AnimeTick();
        }
        const long long before = allocations.load();
        const auto t0 = Clock::now();
        w.view.AnimeTick();
        const auto elapsed = Clock::now() - t0;
        allocs += allocations.load() - before;
        ++ticks;
        totalNs += Nanoseconds(elapsed);
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
        w.SquareDone();
    }
    Report(state, totalNs, ticks, allocs);
}
BENCHMARK(BM_SquareCompletingTick)->UseManualTime();

void BM_Floor(benchmark::State& state) {
    Floor floor;
    for (int i = 0; i < 100; ++i) {
        floor.Draw();
    }
    const long long before = allocations.load();
    long long draws = 0;
    for (auto _ : state) {
        floor.Draw();
        benchmark::ClobberMemory();
        ++draws;
    }
    state.counters["allocs_per_draw"] = draws > 0 ? double(allocations.load() - before) / draws : 0;
}
BENCHMARK(BM_Floor);

// The same walk with the view on a shown window, the event loop painting after
// every tick outside the measured time, as in the game. What the tick adds here
// is Qt's scheduling of the repaint that update() asks for.
void BM_TickOnShownWindow(benchmark::State& state) {
    WalkingView w;
    w.window.resize(260, 320);
    w.window.show();
    w.view.ShowDisplay(0, 125);
    QApplication::processEvents();
    double totalNs = 0;
    long long ticks = 0, allocs = 0;
    for (auto _ : state) {
        const long long before = allocations.load();
        const auto t0 = Clock::now();
        w.view.AnimeTick();
        const auto elapsed = Clock::now() - t0;
        allocs += allocations.load() - before;
        ++ticks;
        totalNs += Nanoseconds(elapsed);
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
        QApplication::processEvents();
        if (w.view.SubStep() == 0) {
            w.SquareDone();
        }
    }
    Report(state, totalNs, ticks, allocs);
}
BENCHMARK(BM_TickOnShownWindow)->UseManualTime();

// Qt's part of the shown-window tick alone: the view box asks for a repaint
// after the previous one has been painted.
void BM_UpdateOnShownWindow(benchmark::State& state) {
    WalkingView w;
    w.window.resize(260, 320);
    w.window.show();
    w.view.ShowDisplay(0, 125);
    QApplication::processEvents();
    long long updates = 0, allocs = 0;
    for (auto _ : state) {
        const long long before = allocations.load();
        const auto t0 = Clock::now();
        w.view.PaintView();
        const auto elapsed = Clock::now() - t0;
        allocs += allocations.load() - before;
        ++updates;
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
        QApplication::processEvents();
    }
    state.counters["allocs_per_update"] = double(allocs) / double(updates);
}
BENCHMARK(BM_UpdateOnShownWindow)->UseManualTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
