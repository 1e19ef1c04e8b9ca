// Importing and exporting comma-separated text through the two windows,
// each beside a load of a roll of the same size in the same run. Targets for
// 100,000 members: import (its save of the roll included) and export each
// within 3x the load. Python's csv
// module reading the same file is measured too, as the scripted way a
// secretary might take instead.

#include "bench/RollGenerator.h"
#include "exchange/CustomImportWindow.h"
#include "exchange/ExportWindow.h"
#include "platform/Dialogs.h"
#include "platform/Printing.h"
#include "roll/Globals.h"
#include "roll/mainWindow.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <cstdio>

namespace {

// Answers the open and save dialogs with one file.
class FileDialogs : public DialogDriver {
public:
    explicit FileDialogs(FolderItem file) : file_(std::move(file)) {}
    void msgBox(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    MessageDialog::Button messageDialog(const MessageDialog&) override {
        return MessageDialog::Button::Cancel;
    }
    std::optional<FolderItem> openFile(const OpenFileRequest&) override { return file_; }
    std::optional<FolderItem> saveFile(const SaveFileRequest&) override { return file_; }
    std::unique_ptr<Graphics> printerDialog() override { return nullptr; }
    void showURL(const std::string&) override {}

private:
    FolderItem file_;
};

// The main window with a generated roll of `members` rows loaded, and the
// seconds that load took.
double loadRoll(mainWindow& main, int members) {
    StoreGeneratedRoll(Globals::gProgramDataFolder, members);
    main.memberList.DeleteAllRows();
    QCoreApplication::processEvents();
    const auto start = Clock::now();
    Globals::loadListBox(main.memberList, "rkMemberList");
    QCoreApplication::processEvents();
    return SecondsSince(start);
}

// The seconds Python's csv module takes to read the file into rows, as
// Python itself measures them (its start-up left out).
double pythonCsvSeconds(const FolderItem& file) {
    const std::string command =
        "python3 -c \"import csv,sys,time\n"
        "t=time.perf_counter()\n"
        "with open(sys.argv[1], newline='', encoding='utf-8', errors='surrogateescape') as f:\n"
        "    rows=list(csv.reader(f))\n"
        "print(time.perf_counter()-t, len(rows))\" '" +
        file.Path().string() + "'";
    FILE* python = popen(command.c_str(), "r");
    if (!python)
        return 0;
    double seconds = 0;
    int rows = 0;
    if (std::fscanf(python, "%lf %d", &seconds, &rows) != 2)
        seconds = 0;
    pclose(python);
    return seconds;
}

// Export a loaded roll, then import that file into an empty list.
void BM_ExportImport(benchmark::State& state) {
    const int members = static_cast<int>(state.range(0));
    mainWindow& main = mainWindow::instance();
    const FolderItem file = Globals::gProgramDataFolder.Parent().Child("exchange.csv");
    auto previous = SetDialogDriver(std::make_unique<FileDialogs>(file));

    double load = 0, exporting = 0, importing = 0, python = 0;
    for (auto _ : state) {
        load += loadRoll(main, members);

        auto start = Clock::now();
        ExportWindow::instance().PushButton1_Action();
        QCoreApplication::processEvents();
        const double exportSeconds = SecondsSince(start);
        exporting += exportSeconds;

        main.memberList.DeleteAllRows();
        QCoreApplication::processEvents();
        start = Clock::now();
        CustomImportWindow::instance().PushButton1_Action();
        QCoreApplication::processEvents();
        const double importSeconds = SecondsSince(start);
        importing += importSeconds;

        python += pythonCsvSeconds(file);
        state.SetIterationTime(exportSeconds + importSeconds);
    }
    SetDialogDriver(std::move(previous));
    state.counters["export/load"] = exporting / load;
    state.counters["import/load"] = importing / load;
    state.counters["import/python_csv"] = importing / python;
    state.counters["python_csv_ms"] = python * 1000 / static_cast<double>(state.iterations());
    state.counters["load_ms"] = load * 1000 / static_cast<double>(state.iterations());
    state.counters["rows"] = main.memberList.ListCount();
}

}  // namespace

BENCHMARK(BM_ExportImport)
    ->Arg(1000)
    ->Arg(100000)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
