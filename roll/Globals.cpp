#include "roll/Globals.h"

#include "platform/Dialogs.h"
#include "platform/EventLoop.h"
#include "platform/Listbox.h"
#include "platform/Streams.h"
#include "platform/Text.h"
#include "roll/mainWindow.h"

#include <QDebug>
#include <map>

namespace {

constexpr std::string_view kSeparator = "@@@";

// What the session knows of each stored roll, by its path. Only a roll read
// whole (or found missing) may be replaced: not while a load is filling the
// list, which holds only part of it then, and never again in a session in
// which it could not be read, so an unreadable file never turns into an
// empty roll.
enum class RollState { Loading, Whole, Unreadable };
struct KnownRoll {
    RollState state;
    Globals::RollReadFailure failure;
};
std::map<std::filesystem::path, KnownRoll>& knownRolls() {
    static std::map<std::filesystem::path, KnownRoll> rolls;
    return rolls;
}

// The file has no escapes, so a cell must never hold what would split its line
// or the row: a line end, the separator, or a trailing "@" that would run into
// the separator after it. Line ends become "###", as the record form stores
// them in notes; "@@@" is broken up with a blank.
void appendStorable(std::string& line, std::string_view cell) {
    const bool plain = cell.find_first_of("\r\n") == std::string_view::npos &&
                       cell.find(kSeparator) == std::string_view::npos &&
                       (cell.empty() || cell.back() != '@');
    if (plain) {
        line += cell;
        return;
    }
    std::string text = ReplaceAll(cell, "\r\n", "###");
    text = ReplaceAll(text, "\r", "###");
    text = ReplaceAll(text, "\n", "###");
    while (text.find(kSeparator) != std::string::npos)
        text = ReplaceAll(text, kSeparator, "@@ @");
    if (!text.empty() && text.back() == '@')
        text += ' ';
    line += text;
}

// Fills the cells of one new row from a line, field by field; fields past the
// last column are ignored, missing ones stay empty.
void fillRow(Listbox& list, int row, std::string_view line) {
    size_t start = 0;
    for (int column = 0; column < list.ColumnCount(); ++column) {
        if (start > line.size()) {
            list.SetCell(row, column, {});
        } else {
            size_t end = line.find(kSeparator, start);
            if (end == std::string_view::npos)
                end = line.size();
            list.SetCell(row, column, line.substr(start, end - start));
            start = end + kSeparator.size();
        }
        EventLoop::Turn();
    }
}

FolderItem storedRoll(std::string_view fileName) {
    const FolderItem current = Globals::gProgramDataFolder.Child(fileName);
    if (current.Exists() || fileName.size() <= 2)
        return current;
    return Globals::gProgramDataFolder.Child(fileName.substr(2));
}

}  // namespace

namespace Globals {

bool saveListbox(Listbox& list, std::string_view fileName) {
    if (!gProgramDataFolder.IsValid())
        return false;
    const FolderItem file = gProgramDataFolder.Child(fileName);
    const auto known = knownRolls().find(file.Path());
    if (known == knownRolls().end() || known->second.state != RollState::Whole) {
        qWarning("Rollkeep: \"%s\" was not read whole, so it is not written over.",
                 file.Path().c_str());
        return false;
    }
    auto out = file.CreateTextFile();
    if (!out) {
        ReportWriteFailure(file, FolderItem::LastWriteError());
        return false;
    }
    std::string line;
    for (int row = 0; row < list.ListCount(); ++row) {
        line.clear();
        for (int column = 0; column < list.ColumnCount(); ++column) {
            appendStorable(line, list.Cell(row, column));
            line += kSeparator;
            EventLoop::Turn();
        }
        out->WriteLine(line);
        EventLoop::Turn();
    }
    if (!out->Close()) {
        ReportWriteFailure(file, out->ErrorText());
        return false;
    }
    return true;
}

void loadListBox(Listbox& list, std::string_view fileName) {
    KnownRoll* known = nullptr;
    if (gProgramDataFolder.IsValid()) {
        known = &knownRolls()[gProgramDataFolder.Child(fileName).Path()];
        if (known->state != RollState::Unreadable)
            known->state = RollState::Loading;
    }
    list.DeleteAllRows();
    if (known) {
        const FolderItem file = storedRoll(fileName);
        if (!file.Exists()) {
            // Nothing stored yet: the empty list is the whole roll.
            if (known->state == RollState::Loading)
                known->state = RollState::Whole;
        } else if (auto in = file.OpenAsTextFile()) {
            while (!in->EndOfFile()) {
                const std::string line = in->ReadLine();
                if (line.empty())
                    continue;
                list.AddRow({});
                fillRow(list, list.LastIndex(), line);
                EventLoop::Turn();
            }
            in->Close();
            if (known->state == RollState::Loading)
                known->state = RollState::Whole;
        } else {
            *known = {RollState::Unreadable, {file, FolderItem::LastReadError()}};
        }
    }
    mainWindow& main = mainWindow::instance();
    main.memberCountFld.SetText(Str(main.memberList.ListCount()));
}

std::optional<RollReadFailure> rollReadFailure(std::string_view fileName) {
    if (!gProgramDataFolder.IsValid())
        return std::nullopt;
    const auto known = knownRolls().find(gProgramDataFolder.Child(fileName).Path());
    if (known == knownRolls().end() || known->second.state != RollState::Unreadable)
        return std::nullopt;
    return known->second.failure;
}

void forgetLoadedRolls() {
    knownRolls().clear();
}

}  // namespace Globals
