// Loading and saving the member file, each measured beside the plainest way
// to move the same bytes, in the same run:
// - a load beside one read() of the whole file into a buffer of its size;
// - a save beside one write of the same bytes through the same safe replace.
// Targets for 100,000 and 1,000,000 members: both within 5x of those, peak
// memory above the program with an empty list within 2.5x the file's size,
// and time growing linearly up to 2,000,000 (ns/member about the same at
// every size, and a fit to N with a small spread). Measured twice: on the roll alone (the core),
// and on the real main window's list with its view attached.

#include "bench/RollGenerator.h"
#include "core/Column.h"
#include "core/MemberFile.h"
#include "platform/RowTable.h"
#include "platform/Streams.h"
#include "roll/Globals.h"
#include "roll/mainWindow.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <fstream>
#include <functional>
#include <memory>

namespace {

long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::string(field).size()));
    return 0;
}

// Forgets the highest memory use so far; VmHWM then counts from here.
void resetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

FolderItem benchFolder() {
    const FolderItem folder = Globals::gProgramDataFolder;
    folder.CreateAsFolder();
    return folder;
}

// The honest baseline of a load: one read of the whole file into a fresh
// buffer of its size. The buffer is mapped from the system directly, so what
// the allocator did before (a big block freed earlier and kept) never lends
// the baseline memory that is already in place.
double rawRead(const FolderItem& file) {
    const auto start = Clock::now();
    const int fd = ::open(file.Path().c_str(), O_RDONLY);
    struct stat info {};
    ::fstat(fd, &info);
    const auto size = static_cast<size_t>(info.st_size);
    void* buffer =
        ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    benchmark::DoNotOptimize(::read(fd, buffer, size));
    ::close(fd);
    ::munmap(buffer, size);
    return SecondsSince(start);
}

// The honest baseline of a save: the same bytes written through the same
// safe replace that every save uses.
double rawWrite(const FolderItem& file, std::string_view bytes) {
    const auto start = Clock::now();
    auto out = file.CreateTextFile();
    out->Write(bytes);
    out->Close();
    return SecondsSince(start);
}

std::string fileBytes(const FolderItem& file) {
    std::ifstream in(file.Path(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs a load `iterations` times beside the raw read, with the peak memory
// above the program as `empty` leaves it.
void measureLoad(benchmark::State& state, const FolderItem& file, size_t fileSize,
                 const std::function<void()>& empty, const std::function<int()>& load) {
    empty();
    malloc_trim(0);
    const long emptyProgram = statusKilobytes("VmRSS:");
    double raw = 0, loaded = 0;
    long peakAboveEmpty = 0;
    int rows = 0;
    for (auto _ : state) {
        raw += rawRead(file);
        empty();
        malloc_trim(0);
        resetPeak();
        const auto start = Clock::now();
        rows = load();
        const double seconds = SecondsSince(start);
        loaded += seconds;
        peakAboveEmpty = std::max(peakAboveEmpty, statusKilobytes("VmHWM:") - emptyProgram);
        state.SetIterationTime(seconds);
    }
    state.counters["load/raw"] = loaded / raw;
    state.counters["ns/member"] = loaded * 1e9 / static_cast<double>(state.iterations()) /
                                  static_cast<double>(state.range(0));
    state.SetComplexityN(state.range(0));
    state.counters["peak_mem/file"] = peakAboveEmpty * 1024.0 / static_cast<double>(fileSize);
    state.counters["rows"] = rows;
    state.SetBytesProcessed(static_cast<int64_t>(fileSize) * state.iterations());
}

void measureSave(benchmark::State& state, const FolderItem& folder, size_t fileSize,
                 const std::function<void()>& save) {
    const std::string bytes = fileBytes(folder.Child("rkMemberList"));
    const FolderItem rawFile = folder.Child("raw copy");
    double raw = 0, saved = 0;
    for (auto _ : state) {
        raw += rawWrite(rawFile, bytes);
        const auto start = Clock::now();
        save();
        const double seconds = SecondsSince(start);
        saved += seconds;
        state.SetIterationTime(seconds);
    }
    if (fileBytes(folder.Child("rkMemberList")) != bytes)
        state.SkipWithError("the save did not write the bytes it read");
    state.counters["save/raw"] = saved / raw;
    state.counters["ns/member"] =
        saved * 1e9 / static_cast<double>(state.iterations()) / static_cast<double>(state.range(0));
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(fileSize) * state.iterations());
}

void BM_CoreLoad(benchmark::State& state) {
    const FolderItem folder = benchFolder();
    const size_t fileSize = StoreGeneratedRoll(folder, static_cast<int>(state.range(0)));
    RowTable rows(kColumnCount);
    measureLoad(
        state, folder.Child("rkMemberList"), fileSize, [&] { rows.Clear(); },
        [&] {
            MemberFile::Load(rows, folder, "rkMemberList");
            return rows.RowCount();
        });
    state.counters["heap/file"] =
        static_cast<double>(rows.HeapBytes()) / static_cast<double>(fileSize);
}

void BM_CoreSave(benchmark::State& state) {
    const FolderItem folder = benchFolder();
    const size_t fileSize = StoreGeneratedRoll(folder, static_cast<int>(state.range(0)));
    RowTable rows(kColumnCount);
    MemberFile::Load(rows, folder, "rkMemberList");
    measureSave(state, folder, fileSize, [&] { MemberFile::Save(rows, folder, "rkMemberList"); });
}

void BM_LoadListBox(benchmark::State& state) {
    mainWindow& main = mainWindow::instance();
    const FolderItem folder = Globals::gProgramDataFolder;
    const size_t fileSize = StoreGeneratedRoll(folder, static_cast<int>(state.range(0)));
    measureLoad(
        state, folder.Child("rkMemberList"), fileSize,
        [&] {
            main.memberList.DeleteAllRows();
            QCoreApplication::processEvents();
        },
        [&] {
            Globals::loadListBox(main.memberList, "rkMemberList");
            // The view hears of the rows once the event loop runs.
            QCoreApplication::processEvents();
            return main.memberList.ListCount();
        });
}

void BM_SaveListbox(benchmark::State& state) {
    mainWindow& main = mainWindow::instance();
    const FolderItem folder = Globals::gProgramDataFolder;
    const size_t fileSize = StoreGeneratedRoll(folder, static_cast<int>(state.range(0)));
    Globals::loadListBox(main.memberList, "rkMemberList");
    measureSave(state, folder, fileSize,
                [&] { Globals::saveListbox(main.memberList, "rkMemberList"); });
}

void sizes(benchmark::internal::Benchmark* benchmark) {
    for (int members : {1000, 10000, 100000, 1000000, 2000000})
        benchmark->Arg(members);
    // The fit over the sizes (and its spread) says whether time grows
    // linearly with the roll.
    benchmark->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
    benchmark->Complexity(benchmark::oN);
}

}  // namespace

BENCHMARK(BM_CoreLoad)->Apply(sizes);
BENCHMARK(BM_CoreSave)->Apply(sizes);
BENCHMARK(BM_LoadListBox)->Apply(sizes);
BENCHMARK(BM_SaveListbox)->Apply(sizes);

namespace {

// The rows made from bytes already in memory: what a load costs beyond the read.
void BM_CoreParse(benchmark::State& state) {
    const std::string roll = GenerateRoll(static_cast<int>(state.range(0)));
    RowTable rows(kColumnCount);
    for (auto _ : state) {
        rows.Clear();
        MemberFile::ParseRows(rows, roll);
    }
    state.SetBytesProcessed(static_cast<int64_t>(roll.size()) * state.iterations());
}

}  // namespace

BENCHMARK(BM_CoreParse)->Arg(100000)->Unit(benchmark::kMillisecond);
