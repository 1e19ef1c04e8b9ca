// Loading and saving the member file on the real main window's list (view
// attached), each measured beside a raw read or write of the same bytes in
// the same run. Targets for 100,000 members: load within 10x the raw read,
// save within 10x the raw write, memory under 4x the file size; time grows
// linearly to 1,000,000.

#include "bench/RollGenerator.h"
#include "platform/Streams.h"
#include "roll/Globals.h"
#include "roll/mainWindow.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <QCoreApplication>
#include <chrono>
#include <fstream>
#include <sstream>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::string(field).size()));
    return 0;
}

// The main window with a roll of `members` rows stored in its data folder.
mainWindow& windowWithRoll(int members, size_t* fileSize) {
    mainWindow& main = mainWindow::instance();
    const std::string roll = GenerateRoll(members);
    *fileSize = roll.size();
    std::ofstream(Globals::gProgramDataFolder.Child("rkMemberList").Path(), std::ios::binary)
        << roll;
    return main;
}

std::string rawRead(const FolderItem& file) {
    std::ifstream in(file.Path(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void BM_LoadListBox(benchmark::State& state) {
    size_t fileSize = 0;
    mainWindow& main = windowWithRoll(static_cast<int>(state.range(0)), &fileSize);
    const FolderItem file = Globals::gProgramDataFolder.Child("rkMemberList");
    // The program with an empty list, its freed memory handed back.
    main.memberList.DeleteAllRows();
    QCoreApplication::processEvents();
    malloc_trim(0);
    const long emptyProgram = statusKilobytes("VmRSS:");
    double raw = 0, load = 0;
    long peakAboveEmpty = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        benchmark::DoNotOptimize(rawRead(file));
        raw += secondsSince(start);

        main.memberList.DeleteAllRows();
        QCoreApplication::processEvents();
        malloc_trim(0);
        // The peak is measured from here on.
        std::ofstream("/proc/self/clear_refs") << "5";
        start = Clock::now();
        Globals::loadListBox(main.memberList, "rkMemberList");
        QCoreApplication::processEvents();
        const double seconds = secondsSince(start);
        load += seconds;
        peakAboveEmpty = std::max(peakAboveEmpty, statusKilobytes("VmHWM:") - emptyProgram);
        state.SetIterationTime(seconds);
    }
    state.counters["load/raw"] = load / raw;
    state.counters["peak_mem/file"] = peakAboveEmpty * 1024.0 / static_cast<double>(fileSize);
    state.counters["rows"] = main.memberList.ListCount();
    state.SetBytesProcessed(static_cast<int64_t>(fileSize) * state.iterations());
}

void BM_SaveListbox(benchmark::State& state) {
    size_t fileSize = 0;
    mainWindow& main = windowWithRoll(static_cast<int>(state.range(0)), &fileSize);
    Globals::loadListBox(main.memberList, "rkMemberList");
    const FolderItem file = Globals::gProgramDataFolder.Child("rkMemberList");
    const std::string bytes = rawRead(file);
    const FolderItem rawFile = Globals::gProgramDataFolder.Child("raw copy");
    double raw = 0, save = 0;
    for (auto _ : state) {
        // The raw write goes through the same safe replace as every save.
        auto start = Clock::now();
        auto out = rawFile.CreateTextFile();
        out->Write(bytes);
        out->Close();
        raw += secondsSince(start);

        start = Clock::now();
        Globals::saveListbox(main.memberList, "rkMemberList");
        const double seconds = secondsSince(start);
        save += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["save/raw"] = save / raw;
    state.SetBytesProcessed(static_cast<int64_t>(fileSize) * state.iterations());
}

}  // namespace

BENCHMARK(BM_LoadListBox)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveListbox)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
