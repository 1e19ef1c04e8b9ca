// Opening and closing a window thousands of times over the main window with
// 10,000 members: what one open costs at the start and after thousands of
// others, and the heap the closed windows leave behind. Target: the last
// opens cost what the first ones did, and nothing grows per open.

#include "bench/RollGenerator.h"
#include "dues/DueByMonthWindow.h"
#include "dues/EmailEditWindow.h"
#include "dues/reportWindow.h"
#include "exchange/CustomImportWindow.h"
#include "exchange/ExportWindow.h"
#include "roll/Globals.h"
#include "roll/mainWindow.h"
#include "startup/AboutWindow.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <QCoreApplication>
#include <QEvent>

namespace {

constexpr int kMembers = 10000;
constexpr int kBatch = 250;

// Opens the shared instance over the main window, lets it come up, then
// closes it as its close button does and lets the closed window go.
template <class W>
void openAndClose() {
    W& window = W::instance();
    window.Show();
    QCoreApplication::processEvents();
    window.Close();
    QCoreApplication::processEvents();
    // Outside a running event loop the closed window's deletion waits for
    // this, as it would for the loop to come round.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <class W>
double batchSeconds() {
    const auto start = Clock::now();
    for (int i = 0; i < kBatch; ++i)
        openAndClose<W>();
    return SecondsSince(start);
}

size_t heapInUse() {
    malloc_trim(0);
    return mallinfo2().uordblks;
}

// state.range(0) opens in all; the first and the last batch are timed.
template <class W>
void BM_OpenClose(benchmark::State& state) {
    mainWindow& main = mainWindow::instance();
    StoreGeneratedRoll(Globals::gProgramDataFolder, kMembers);
    Globals::loadListBox(main.memberList, "rkMemberList");
    main.Show();
    QCoreApplication::processEvents();
    const int batches = static_cast<int>(state.range(0)) / kBatch;
    for (auto _ : state) {
        // One batch first, so that what is made once (fonts, styles, caches)
        // is in place before the heap is measured.
        const double first = batchSeconds<W>();
        const size_t heapBefore = heapInUse();
        double last = 0;
        for (int batch = 1; batch < batches; ++batch)
            last = batchSeconds<W>();
        const size_t heapAfter = heapInUse();
        state.SetIterationTime(first + last);
        state.counters["first_open_ms"] = first * 1000 / kBatch;
        state.counters["last_open_ms"] = last * 1000 / kBatch;
        state.counters["last/first"] = last / first;
        state.counters["heap_growth_bytes/open"] =
            (static_cast<double>(heapAfter) - static_cast<double>(heapBefore)) /
            ((batches - 1) * kBatch);
    }
}

void opens(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(3000)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_OpenClose<reportWindow>)->Apply(opens);
BENCHMARK(BM_OpenClose<DueByMonthWindow>)->Apply(opens);
BENCHMARK(BM_OpenClose<ExportWindow>)->Apply(opens);
BENCHMARK(BM_OpenClose<CustomImportWindow>)->Apply(opens);
BENCHMARK(BM_OpenClose<AboutWindow>)->Apply(opens);
BENCHMARK(BM_OpenClose<EmailEditWindow>)->Apply(opens);
