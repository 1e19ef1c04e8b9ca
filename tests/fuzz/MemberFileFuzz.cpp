// Feeds arbitrary bytes to the member file's reader as a stored roll, then
// checks that what the writer makes of the rows reads back as the same rows,
// and that a roll once written stays byte for byte the same through further
// loads and saves.

#include "core/Column.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Listbox.h"
#include "roll/Globals.h"
#include "roll/mainWindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr const char* kRollFile = "rkMemberList";

// Loading and saving the roll never asks anything; a dialog here is a fault.
class NoDialogs : public DialogDriver {
public:
    void msgBox(const std::string& text) override { fail(text); }
    MessageDialog::Button messageDialog(const MessageDialog& dialog) override {
        fail(dialog.Message);
        return MessageDialog::Button::Cancel;
    }
    std::optional<FolderItem> openFile(const OpenFileRequest& request) override {
        fail(request.title);
        return {};
    }
    std::optional<FolderItem> saveFile(const SaveFileRequest& request) override {
        fail(request.title);
        return {};
    }
    std::unique_ptr<Graphics> printerDialog(PrinterSetup&) override {
        fail("print");
        return {};
    }
    void showURL(const std::string& url) override { fail(url); }

private:
    [[noreturn]] static void fail(const std::string& what) {
        std::fprintf(stderr, "unexpected dialog: %s\n", what.c_str());
        std::abort();
    }
};

struct Setup {
    QTemporaryDir home;
    QApplication* application = nullptr;
    Listbox* loaded = nullptr;
    Listbox* reloaded = nullptr;
    FolderItem roll;
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
bool sameCell(const std::string& read, const std::string& reread) {
    if (!read.empty() && read.back() == '@')
        return reread == read + ' ';
    return reread == read;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    setup = new Setup;
    qputenv("XDG_DATA_HOME", setup->home.path().toUtf8());
    setup->application = new QApplication(*argc, *argv);
    SetDialogDriver(std::make_unique<NoDialogs>());
    // The reader shows the main window's count, so the window exists first;
    // opening it also sets up the data folder.
    mainWindow::instance();
    setup->roll = Globals::gProgramDataFolder.Child(kRollFile);
    setup->loaded = new Listbox("loaded", kColumnCount);
    setup->reloaded = new Listbox("reloaded", kColumnCount);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        std::ofstream out(setup->roll.Path(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Listbox& loaded = *setup->loaded;
    Listbox& reloaded = *setup->reloaded;

    Globals::loadListBox(loaded, kRollFile);
    Globals::saveListbox(loaded, kRollFile);
    const std::string written = readRoll();
    Globals::loadListBox(reloaded, kRollFile);

    check(reloaded.ListCount() == loaded.ListCount(), "the rows read back are not as many");
    for (int row = 0; row < loaded.ListCount(); ++row)
        for (int column = 0; column < kColumnCount; ++column)
            check(sameCell(loaded.Cell(row, column), reloaded.Cell(row, column)),
                  "a cell reads back changed");

    Globals::saveListbox(reloaded, kRollFile);
    check(readRoll() == written, "a written roll changes on the next load and save");
    return 0;
}
