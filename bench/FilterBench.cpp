// The list filters on a long roll, each measured beside a load of the same
// roll in the same run. Target: a toolbar filter and a Find of the
// due-by-month window each within 3x the load, and linear: the cost of a row
// (ns_per_row) the same from 300,000 to 2,000,000 members, so the list's
// view must not catch up with the rows left at every turn of the loop.
// The counter x_load is the filter's time over the load's.

#include "bench/RollGenerator.h"
#include "core/ListFilters.h"
#include "dues/DueByMonthWindow.h"
#include "roll/Globals.h"
#include "roll/mainWindow.h"

#include <benchmark/benchmark.h>

namespace {

mainWindow& windowWithStoredRoll(int members) {
    mainWindow& main = mainWindow::instance();
    StoreGeneratedRoll(Globals::gProgramDataFolder, members);
    return main;
}

// Loads the stored roll and gives the time it took.
double timedLoad(mainWindow& main) {
    const auto start = Clock::now();
    Globals::loadListBox(main.memberList, "rkMemberList");
    return SecondsSince(start);
}

void report(benchmark::State& state, double filterSeconds, double loadSeconds, int kept) {
    state.counters["load_ms"] = 1000 * loadSeconds / static_cast<double>(state.iterations());
    state.counters["x_load"] = filterSeconds / loadSeconds;
    state.counters["kept"] = kept;
    state.counters["ns_per_row"] =
        1e9 * filterSeconds / static_cast<double>(state.range(0) * state.iterations());
    state.SetItemsProcessed(state.range(0) * state.iterations());
}

// "Due Members" from the toolbar. With a filter already shown (second
// argument 1) its first step reloads the stored roll; with the whole roll
// shown (0) it stores the roll first.
void BM_ToolbarFilter(benchmark::State& state) {
    mainWindow& main = windowWithStoredRoll(static_cast<int>(state.range(0)));
    const bool fromFiltered = state.range(1) == 1;
    double loadSeconds = 0;
    double filterSeconds = 0;
    for (auto _ : state) {
        loadSeconds += timedLoad(main);
        Globals::gSearchOn = fromFiltered;
        const auto start = Clock::now();
        main.doListFilter(kDueFilter);
        const double seconds = SecondsSince(start);
        filterSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    report(state, filterSeconds, loadSeconds, main.memberList.ListCount());
    Globals::gSearchOn = false;
}

// Find in the due-by-month window, for a month of this year, on the whole roll.
// As Find over the whole roll shown (second argument 0) it stores the roll
// first; as Find over a filter (1) it only narrows the rows.
void BM_FindDueByMonth(benchmark::State& state) {
    mainWindow& main = windowWithStoredRoll(static_cast<int>(state.range(0)));
    const bool overFilter = state.range(1) == 1;
    double loadSeconds = 0;
    double filterSeconds = 0;
    for (auto _ : state) {
        loadSeconds += timedLoad(main);
        Globals::gSearchOn = overFilter;
        DueByMonthWindow& window = DueByMonthWindow::instance();
        window.PopupMenu1.SetListIndex(2);
        const auto start = Clock::now();
        window.PushButton1_Action();
        const double seconds = SecondsSince(start);
        filterSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    if (main.memberList.ListCount() == 0)
        state.SkipWithError("no row was due in March of this year");
    report(state, filterSeconds, loadSeconds, main.memberList.ListCount());
    Globals::gSearchOn = false;
}

}  // namespace

BENCHMARK(BM_ToolbarFilter)
    ->Args({100'000, 0})
    ->Args({100'000, 1})
    ->Args({300'000, 1})
    ->Args({1'000'000, 0})
    ->Args({1'000'000, 1})
    ->Args({2'000'000, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindDueByMonth)
    ->Args({100'000, 0})
    ->Args({1'000'000, 0})
    ->Args({300'000, 1})
    ->Args({1'000'000, 1})
    ->Args({2'000'000, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
