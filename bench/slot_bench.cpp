// Cost of one slot drum tick, with and without a cell boundary, against the
// floor: a plain copy of the 28 x 90 pixels that every tick has to show.
// Every heap allocation in this binary is counted; a tick must make none.

#include "Artwork.h"
#include "DrumRandom.h"
#include "GameMessageQueue.h"
#include "ImageList.h"
#include "SlotClass.h"

#include <QApplication>
#include <QImage>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <new>
#include <string>

namespace {

std::atomic<long long> allocations{0};

void* Allocate(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}

void* AllocateAligned(std::size_t size, std::align_val_t align) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    const auto alignment = static_cast<std::size_t>(align);
    if (void* p = std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment)) {
        return p;
    }
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size ? size : 1);
}
void* operator new(std::size_t size, std::align_val_t align) {
    return AllocateAligned(size, align);
}
void* operator new[](std::size_t size, std::align_val_t align) {
    return AllocateAligned(size, align);
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

constexpr int WarmUpTicks = 200;

// A drum that can be put back to the rest offset, so that every measured tick
// turns by less than a cell and never reaches a boundary.
class BenchDrum : public SlotClass {
public:
    using SlotClass::SlotClass;
    void BackToRest() { ScrollOffset_ = RestOffset; }
};

struct Rig {
    explicit Rig(std::int32_t rotationWidth, bool shown) {
        SeedRandom(1);
        Artwork::LoadArrowImages(arrows);
        Artwork::LoadDigitImages(digits);
        FillDefaultRecord(record, nullptr);
        record.RotationWidth = rotationWidth;
        drum.ResetSlot();
        drum.SetSlot(record);
        if (shown) {
            window.resize(252, 304);
            window.show();
            drum.ShowSlot(120, 0);
            QApplication::processEvents();
        }
        drum.SlotButton()->click(); // start; no stop is ever asked for
    }

    QWidget window;
    ImageList arrows{22, 30};
    ImageList digits{28, 30};
    GameMessageQueue queue;
    IDDataStruct record;
    BenchDrum drum{&window, queue, arrows, digits};
};

void ReportAllocations(benchmark::State& state, long long before) {
    state.counters["allocs/tick"] = benchmark::Counter(
        static_cast<double>(allocations.load() - before), benchmark::Counter::kAvgIterations);
}

// Width 30: after the first tick every tick passes a boundary (strip shift, new
// number, one digit face, the window copy).
void BM_TickWithBoundary(benchmark::State& state) {
    Rig rig(BaseSlotClass::CellHeight, state.range(0) != 0);
    for (int i = 0; i < WarmUpTicks; ++i) {
        rig.drum.SpinTick();
    }
    const long long before = allocations.load();
    for (auto _ : state) {
        rig.drum.SpinTick();
    }
    ReportAllocations(state, before);
    benchmark::DoNotOptimize(rig.drum.Numbers());
}
BENCHMARK(BM_TickWithBoundary)->Arg(0)->Arg(1)->ArgName("shown");

// Width 1 from the rest offset: the tick only shows the strip one pixel on.
void BM_TickWithoutBoundary(benchmark::State& state) {
    Rig rig(1, state.range(0) != 0);
    for (int i = 0; i < WarmUpTicks; ++i) {
        rig.drum.BackToRest();
        rig.drum.SpinTick();
    }
    const long long before = allocations.load();
    for (auto _ : state) {
        rig.drum.BackToRest();
        rig.drum.SpinTick();
    }
    ReportAllocations(state, before);
    benchmark::DoNotOptimize(rig.drum.ScrollOffset());
}
BENCHMARK(BM_TickWithoutBoundary)->Arg(0)->Arg(1)->ArgName("shown");

// The floor: copy the same 28 x 90 pixels between two images, row by row.
void BM_PlainWindowCopy(benchmark::State& state) {
    QImage strip(50, 120, QImage::Format_RGB32);
    QImage picture(50, 90, QImage::Format_RGB32);
    strip.fill(Qt::white);
    picture.fill(Qt::white);
    const uchar* const from = strip.constBits();
    uchar* const into = picture.bits();
    const qsizetype stride = strip.bytesPerLine();
    int top = 0;
    const long long before = allocations.load();
    for (auto _ : state) {
        top = (top + 1) % 30;
        for (int y = 0; y < 90; ++y) {
            std::memcpy(into + y * picture.bytesPerLine() + 22 * 4, from + (top + y) * stride,
                        28 * 4);
        }
        benchmark::ClobberMemory();
    }
    ReportAllocations(state, before);
}
BENCHMARK(BM_PlainWindowCopy);

// Prints the usual table and then each tick's cost as a multiple of the floor.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                nanoseconds_[run.benchmark_name()] =
                    run.real_accumulated_time * 1e9 / static_cast<double>(run.iterations);
            }
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto floor = nanoseconds_.find("BM_PlainWindowCopy");
        if (floor == nanoseconds_.end() || floor->second <= 0) {
            return;
        }
        std::printf("\nper tick, as a multiple of the plain 28x90 copy (%.1f ns):\n",
                    floor->second);
        for (const auto& [name, ns] : nanoseconds_) {
            std::printf("  %-32s %8.1f ns  x%.2f\n", name.c_str(), ns, ns / floor->second);
        }
    }

private:
    std::map<std::string, double> nanoseconds_;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
