// Feeds arbitrary bytes to the member file's reader as a stored roll, then
// checks that what the writer makes of the rows reads back as the same rows,
// and that a roll once written stays byte for byte the same through further
// loads and saves.

#include "core/Column.h"
#include "core/MemberFile.h"
#include "platform/Files.h"
#include "platform/RowTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr std::string_view kRollFile = "rkMemberList";

// Every save syncs the new file to disk before it replaces the old one; a
// memory file system makes that free, which multiplies the inputs tried.
QString scratchTemplate() {
    const QString memory = QStringLiteral("/dev/shm");
    const QString base = QFileInfo(memory).isWritable() ? memory : QDir::tempPath();
    return base + QStringLiteral("/rollkeep-fuzz-XXXXXX");
}

struct Setup {
    QTemporaryDir home{scratchTemplate()};
    FolderItem folder{home.path().toStdString()};
    FolderItem roll = folder.Child(kRollFile);
    RowTable loaded{kColumnCount};
    RowTable reloaded{kColumnCount};
};
Setup* setup = nullptr;

std::string readRoll() {
    std::ifstream in(setup->roll.Path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "member file: %s\n", what);
        std::abort();
    }
}

// The file has no escapes, so the writer adds a blank after a cell that ends
// in "@" (it would run into the separator); every other cell comes back as it
// was read.
bool sameCell(std::string_view read, std::string_view reread) {
    if (!read.empty() && read.back() == '@')
        return reread == std::string(read) + ' ';
    return reread == read;
}

void load(RowTable& rows) {
    rows.Clear();
    const auto result = MemberFile::Load(rows, setup->folder, kRollFile);
    check(result.outcome == MemberFile::LoadResult::Outcome::Read, "the roll was not read");
}

void save(const RowTable& rows) {
    const auto result = MemberFile::Save(rows, setup->folder, kRollFile);
    check(result.outcome == MemberFile::SaveResult::Outcome::Written, "the roll was not written");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The reader and writer give the event loop a turn now and then.
    new QCoreApplication(*argc, *argv);
    // Static, so the scratch folder goes when the fuzzer exits.
    static Setup scratch;
    setup = &scratch;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        std::ofstream out(setup->roll.Path(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    RowTable& loaded = setup->loaded;
    RowTable& reloaded = setup->reloaded;

    load(loaded);
    save(loaded);
    const std::string written = readRoll();
    load(reloaded);

    check(reloaded.RowCount() == loaded.RowCount(), "the rows read back are not as many");
    for (int row = 0; row < loaded.RowCount(); ++row)
        for (int column = 0; column < kColumnCount; ++column)
            check(sameCell(loaded.Cell(row, column), reloaded.Cell(row, column)),
                  "a cell reads back changed");

    save(reloaded);
    check(readRoll() == written, "a written roll changes on the next load and save");
    return 0;
}
