// The member list at the sizes it must stay quick at: loading the roll,
// filtering it, sorting it and painting it, with the view on screen and the
// event loop getting its turns as the program's own loops give them. The
// benchmark program's main makes the QApplication (offscreen).

#include "bench/RollGenerator.h"
#include "core/Column.h"
#include "core/MemberFile.h"
#include "platform/EventLoop.h"
#include "platform/Listbox.h"
#include "roll/mainWindow.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <QApplication>
#include <QTableView>
#include <map>
#include <memory>
#include <string>

namespace {

// A generated member file of that many rows, made once per size.
const std::string& roll(int rows) {
    static std::map<int, std::string> made;
    auto [at, fresh] = made.try_emplace(rows);
    if (fresh)
        at->second = GenerateRoll(rows);
    return at->second;
}

// The bytes of the cells themselves: the file less its separators and line ends.
size_t textBytes(int rows) {
    const size_t markup = static_cast<size_t>(kColumnCount) * MemberFile::kSeparator.size() + 1;
    return roll(rows).size() - static_cast<size_t>(rows) * markup;
}

void publish() {
    QCoreApplication::processEvents();
}

// A list as on the main window: shown, with the main window's paint hook
// striping the rows. Nothing when there is no application to show it in.
std::unique_ptr<Listbox> shownList(benchmark::State& state) {
    if (!QApplication::instance()) {
        state.SkipWithError("needs a QApplication");
        return nullptr;
    }
    auto list = std::make_unique<Listbox>("memberList", kColumnCount);
    for (int column = 0; column < kColumnCount; ++column)
        list->SetHeading(column, kColumnHeadings[size_t(column)]);
    list->CellBackgroundPaint = mainWindow::memberList_CellBackgroundPaint;
    list->view()->resize(1200, 800);
    list->view()->show();
    publish();
    return list;
}

// The roll read as the member file is read, the event loop's turns included.
void load(Listbox& list, int rows) {
    list.DeleteAllRows();
    MemberFile::ParseRows(list.Rows(), roll(rows));
}

// The roll loaded with a member in the middle selected, the view caught up.
void loadAndSelect(Listbox& list, int rows) {
    load(list, rows);
    list.SetListIndex(rows / 2);
    publish();
}

void BM_ListboxLoad(benchmark::State& state) {
    auto list = shownList(state);
    if (!list)
        return;
    const int rows = static_cast<int>(state.range(0));
    roll(rows);
    const size_t heapBefore = mallinfo2().uordblks;
    bool measured = false;
    for (auto _ : state) {
        load(*list, rows);
        publish();
        if (!measured) {
            measured = true;
            const double perRow =
                (double(mallinfo2().uordblks) - double(heapBefore)) / double(rows);
            state.counters["heap_bytes_per_row"] = perRow;
            state.counters["text_bytes_per_row"] = double(textBytes(rows)) / rows;
        }
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_ListboxLoad)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// A filter: every other row removed, walking from the last row up and reading
// the cell the filter tests; then the view catches up and paints.
void BM_ListboxRemoveEveryOther(benchmark::State& state) {
    auto list = shownList(state);
    if (!list)
        return;
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        load(*list, rows);
        publish();
        state.ResumeTiming();
        for (int row = list->ListCount() - 1; row >= 0; --row) {
            benchmark::DoNotOptimize(list->Cell(row, +Column::PaidDue));
            if (row % 2 == 1)
                list->RemoveRow(row);
            EventLoop::Turn();
        }
        publish();
        list->view()->viewport()->repaint();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_ListboxRemoveEveryOther)->Arg(100'000)->Unit(benchmark::kMillisecond);

// Sorting goes by the user's language, so names that begin with a letter
// outside plain ASCII must cost no more than the rest.
const char* const kAccentedStarts[] = {"Ö", "Å", "Ø", "Ş", "Ż", "Ü", "É", "Α", "Д"};

// Sorting 100,000 members must stay within three loads of the same roll
// (BM_ListboxLoad): one sort key per row, compared, not the texts again.
void BM_ListboxSort(benchmark::State& state) {
    auto list = shownList(state);
    if (!list)
        return;
    const int rows = static_cast<int>(state.range(0));
    loadAndSelect(*list, rows);
    for (int row = 0; row < rows; row += 4)
        list->SetCell(
            row, +Column::LastName,
            kAccentedStarts[row % std::size(kAccentedStarts)] + list->Cell(row, +Column::LastName));
    publish();
    int column = +Column::LastName;
    for (auto _ : state) {
        // Alternating columns makes every sort a real reordering.
        list->SortByColumn(column);
        column = column == +Column::LastName ? +Column::City : +Column::LastName;
        publish();
        list->view()->viewport()->repaint();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_ListboxSort)->Arg(100'000)->Unit(benchmark::kMillisecond);

// What the view pays to hear of 100,000 rows at once: appended rows as one
// insertion (argument 1), or a reset (argument 0).
void BM_ListboxPublish(benchmark::State& state) {
    auto list = shownList(state);
    if (!list)
        return;
    const bool asInsertion = state.range(1) != 0;
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        list->DeleteAllRows();
        if (asInsertion)
            publish();
        load(*list, rows);
        state.ResumeTiming();
        publish();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_ListboxPublish)->Args({100'000, 0})->Args({100'000, 1})->Unit(benchmark::kMillisecond);

// One screenful painted, paint hook included, from the middle of the roll.
void BM_ListboxPaintScreenful(benchmark::State& state) {
    auto list = shownList(state);
    if (!list)
        return;
    const int rows = static_cast<int>(state.range(0));
    loadAndSelect(*list, rows);
    for (auto _ : state)
        list->view()->viewport()->repaint();
}
BENCHMARK(BM_ListboxPaintScreenful)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
