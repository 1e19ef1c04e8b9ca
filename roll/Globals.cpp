#include "roll/Globals.h"

#include "platform/EventLoop.h"
#include "platform/Listbox.h"
#include "platform/Streams.h"
#include "platform/Text.h"
#include "roll/mainWindow.h"

#include <QDebug>

namespace {

constexpr std::string_view kSeparator = "@@@";

// False until a load has read the stored roll (or found none), and again
// when the stored roll exists but can't be read: then no save may write over
// it, so an unreadable file never turns into an empty roll.
bool safeToReplace = false;

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

void saveListbox(Listbox& list, std::string_view fileName) {
    if (!safeToReplace) {
        qWarning("Rollkeep: the stored roll could not be read, so it is not written over.");
        return;
    }
    if (!gProgramDataFolder.IsValid())
        return;
    auto out = gProgramDataFolder.Child(fileName).CreateTextFile();
    if (!out)
        return;
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
    out->Close();
}

void loadListBox(Listbox& list, std::string_view fileName) {
    list.DeleteAllRows();
    if (gProgramDataFolder.IsValid()) {
        const FolderItem file = storedRoll(fileName);
        if (!file.Exists()) {
            // Nothing stored yet: the empty list is the whole roll.
            safeToReplace = true;
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
            safeToReplace = true;
        } else {
            safeToReplace = false;
        }
    }
    mainWindow& main = mainWindow::instance();
    main.memberCountFld.SetText(Str(main.memberList.ListCount()));
}

}  // namespace Globals
