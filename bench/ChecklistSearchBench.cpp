// The commands that walk every row the list shows: a search that finds
// nothing (both passes over every row), the counts window (four passes as it
// is made), and the printed checklist of a long roll on a surface that only
// counts what it is given, so the measure is the program's own walk.

#include "bench/RollGenerator.h"
#include "dues/reportWindow.h"
#include "platform/Dialogs.h"
#include "platform/EventLoop.h"
#include "platform/Printing.h"
#include "roll/Globals.h"
#include "roll/mainWindow.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>

namespace {

// The main window listing a generated roll of `members` rows.
mainWindow& windowWithRoll(int members) {
    mainWindow& main = mainWindow::instance();
    StoreGeneratedRoll(Globals::gProgramDataFolder, members);
    Globals::loadListBox(main.memberList, "rkMemberList");
    return main;
}

struct DrawCounts {
    int64_t texts = 0;
    int64_t pages = 0;
};

// Keeps nothing of what is drawn but the number of texts and pages.
class CountingGraphics : public Graphics {
public:
    explicit CountingGraphics(DrawCounts& counts) : counts_(counts) { ++counts_.pages; }
    void SetBold(bool) override {}
    void SetTextSize(double) override {}
    void DrawString(std::string_view, double, double, double, bool) override { ++counts_.texts; }
    void NextPage() override { ++counts_.pages; }

private:
    DrawCounts& counts_;
};

// Answers every print dialog with a counting surface; no other dialog is
// expected while the benchmarks run.
class CountingPrintDialogs : public DialogDriver {
public:
    explicit CountingPrintDialogs(DrawCounts& counts) : counts_(counts) {}
    void msgBox(const std::string&) override {}
    MessageDialog::Button messageDialog(const MessageDialog&) override {
        return MessageDialog::Button::Cancel;
    }
    std::optional<FolderItem> openFile(const OpenFileRequest&) override { return std::nullopt; }
    std::optional<FolderItem> saveFile(const SaveFileRequest&) override { return std::nullopt; }
    std::unique_ptr<Graphics> printerDialog() override {
        return std::make_unique<CountingGraphics>(counts_);
    }
    void showURL(const std::string&) override {}

private:
    DrawCounts& counts_;
};

void BM_SearchNoMatch(benchmark::State& state) {
    mainWindow& main = windowWithRoll(static_cast<int>(state.range(0)));
    main.memberList.SetListIndex(-1);
    main.searchFld.SetText("Zzyzx-no-such-member");
    for (auto _ : state)
        main.doSearch();
    if (main.memberList.ListIndex() != -1)
        state.SkipWithError("the search text matched a row");
    state.SetItemsProcessed(2 * state.range(0) * state.iterations());
}

void BM_Counts(benchmark::State& state) {
    mainWindow& main = windowWithRoll(static_cast<int>(state.range(0)));
    std::string total;
    for (auto _ : state) {
        total = reportWindow::instance().TextField1.Text();
        state.PauseTiming();
        reportWindow::instance().Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    if (total != std::to_string(main.memberList.ListCount()))
        state.SkipWithError("the counts window's total is not the row count");
    state.SetItemsProcessed(4 * state.range(0) * state.iterations());
}

void BM_Checklist(benchmark::State& state) {
    mainWindow& main = windowWithRoll(static_cast<int>(state.range(0)));
    DrawCounts counts;
    std::unique_ptr<DialogDriver> previous =
        SetDialogDriver(std::make_unique<CountingPrintDialogs>(counts));
    for (auto _ : state) {
        counts = {};
        main.PrintChecklist();
    }
    SetDialogDriver(std::move(previous));
    state.counters["pages"] = static_cast<double>(counts.pages);
    state.counters["texts"] = static_cast<double>(counts.texts);
    if (counts.texts != 1 + 2 * state.range(0))
        state.SkipWithError("not every row was drawn once");
    state.SetItemsProcessed(state.range(0) * state.iterations());
}

}  // namespace

BENCHMARK(BM_SearchNoMatch)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Counts)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Checklist)->Arg(100000)->Unit(benchmark::kMillisecond);

// One turn of the event loop between slices, as every row loop pays per row
// and per cell.
static void BM_EventLoopTurn(benchmark::State& state) {
    for (auto _ : state)
        EventLoop::Turn();
}
BENCHMARK(BM_EventLoopTurn);
