// The member list at the sizes it must stay quick at: loading the roll,
// filtering it, sorting it and painting it, with the view on screen and the
// event loop getting its turns as the program's own loops give them. The
// benchmark program's main makes the QApplication (offscreen).

#include "platform/EventLoop.h"
#include "platform/Listbox.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <QApplication>
#include <QTableView>
#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kColumns = 18;
using Member = std::array<std::string, kColumns>;

// Made-up members shaped like the real roll: names, number, contacts,
// address, dates, type, paid, notes, active.
const std::vector<Member>& members(size_t count) {
    static std::vector<Member> made;
    static std::mt19937 random(2024);
    auto pick = [](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    auto word = [&](int length) {
        std::string text(1, static_cast<char>('A' + pick(0, 25)));
        for (int i = 1; i < length; ++i)
            text += static_cast<char>('a' + pick(0, 25));
        return text;
    };
    auto phone = [](int exchange, int line) {
        std::string text = "(555) ";
        text += std::to_string(exchange);
        text += '-';
        text += line < 1000 ? "0000" : std::to_string(line);
        return text;
    };
    while (made.size() < count) {
        const std::string last = word(pick(4, 10));
        const std::string first = word(pick(3, 8));
        made.push_back(
            {last, first, std::to_string(made.size() + 1), first + "." + last + "@example.org",
             phone(pick(200, 999), pick(1000, 9999)), pick(0, 1) ? phone(pick(200, 999), 0) : "",
             std::to_string(pick(1, 999)) + " " + word(pick(5, 10)) + " Street", word(pick(5, 9)),
             std::string("K1A ") + char('0' + pick(1, 9)) + "B" + char('0' + pick(1, 9)), "ON",
             std::to_string(pick(1990, 2024)) + "-0" + std::to_string(pick(1, 9)) + "-1" +
                 std::to_string(pick(0, 9)),
             pick(0, 3) ? "Individual" : "Family", pick(0, 5) ? "" : word(8) + " Ltd",
             pick(0, 2) ? "Paid" : "Due", std::to_string(pick(20, 80)) + ".00",
             std::to_string(pick(2015, 2024)),
             pick(0, 4) ? "" : std::string("Called ") + word(6) + "###prefers mail",
             pick(0, 9) ? "Active" : "Inactive"});
    }
    return made;
}

size_t textBytes(size_t rows) {
    const std::vector<Member>& source = members(rows);
    size_t bytes = 0;
    for (size_t row = 0; row < rows; ++row)
        for (const std::string& cell : source[row])
            bytes += cell.size();
    return bytes;
}

void publish() {
    QCoreApplication::processEvents();
}

// A list as on the main window: shown, with its paint hook striping the rows.
// Nothing when there is no application to show it in.
std::unique_ptr<Listbox> shownList(benchmark::State& state) {
    if (!QApplication::instance()) {
        state.SkipWithError("needs a QApplication");
        return nullptr;
    }
    auto list = std::make_unique<Listbox>("memberList", kColumns);
    for (int column = 0; column < kColumns; ++column)
        list->SetHeading(column, "Heading " + std::to_string(column));
    list->CellBackgroundPaint = [](CellGraphics& g, int row, int) {
        if (row % 2 == 0)
            g.SetForeColor(232, 240, 255);
        else
            g.SetForeColor(255, 255, 255);
        g.FillRect(0, 0, g.Width(), g.Height());
        return false;
    };
    list->view()->resize(1200, 800);
    list->view()->show();
    publish();
    return list;
}

// How the roll is read from its file: every row added, then its cells set.
void load(Listbox& list, int rows, bool turns) {
    const std::vector<Member>& source = members(static_cast<size_t>(rows));
    list.DeleteAllRows();
    for (int row = 0; row < rows; ++row) {
        const Member& member = source[static_cast<size_t>(row)];
        list.AddRow({});
        for (int column = 0; column < kColumns; ++column) {
            list.SetCell(list.LastIndex(), column, member[static_cast<size_t>(column)]);
            if (turns)
                EventLoop::Turn();
        }
    }
}

// The roll loaded with a member in the middle selected, the view caught up.
void loadAndSelect(Listbox& list, int rows) {
    load(list, rows, false);
    list.SetListIndex(rows / 2);
    publish();
}

void BM_ListboxLoad(benchmark::State& state) {
    auto list = shownList(state);
    if (!list)
        return;
    const int rows = static_cast<int>(state.range(0));
    members(static_cast<size_t>(rows));
    const size_t heapBefore = mallinfo2().uordblks;
    bool measured = false;
    for (auto _ : state) {
        load(*list, rows, true);
        publish();
        if (!measured) {
            measured = true;
            const double perRow =
                (double(mallinfo2().uordblks) - double(heapBefore)) / double(rows);
            state.counters["heap_bytes_per_row"] = perRow;
            state.counters["text_bytes_per_row"] = double(textBytes(size_t(rows))) / rows;
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
        load(*list, rows, false);
        publish();
        state.ResumeTiming();
        for (int row = list->ListCount() - 1; row >= 0; --row) {
            benchmark::DoNotOptimize(list->Cell(row, 13));
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
        list->SetCell(row, 0,
                      kAccentedStarts[row % std::size(kAccentedStarts)] + list->Cell(row, 0));
    publish();
    int column = 0;
    for (auto _ : state) {
        // Alternating columns makes every sort a real reordering.
        list->SortByColumn(column);
        column = column == 0 ? 7 : 0;
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
        load(*list, rows, false);
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
