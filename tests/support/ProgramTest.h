#pragma once

// The fixture of the program's tests: a fresh data folder, a fixed day
// (2026-06-15), scripted dialogs, and the shared state as at start.

#include "core/Column.h"
#include "core/MemberFile.h"
#include "dues/DueByMonthWindow.h"
#include "platform/Date.h"
#include "platform/Listbox.h"
#include "platform/Window.h"
#include "roll/App.h"
#include "roll/Globals.h"
#include "roll/mainWindow.h"
#include "startup/SplashWindow.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDataFolder.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() : dialogs(ScriptedDialogs::Install()) {
        Clock::SetFixed(2026, 6, 15, 10, 0);
        // As the application hands it to the program at start.
        Globals::gProgramDataFolder = data.dataFolder();
        Globals::gSearchOn = false;
        Globals::gAddingMember = false;
        Globals::gAppOpening = false;
    }

    ~ProgramTest() override {
        closeAllWindows();
        Clock::Reset();
    }

    // Closes every window as its close button would and lets them go.
    static void closeAllWindows() {
        // The splash refuses to close before its hand-over, except to a quit.
        Globals::gAppOpening = false;
        for (Window* window : Window::OpenWindows())
            window->Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A member line of the file: the cells given, the rest empty, each followed by "@@@".
    static std::string memberLine(std::initializer_list<std::string> cells) {
        std::string line;
        int column = 0;
        for (const std::string& cell : cells) {
            line += cell + "@@@";
            ++column;
        }
        for (; column < kColumnCount; ++column)
            line += "@@@";
        return line + "\n";
    }

    // A full row, a cell for each column: name, first name, number, due date...
    struct Member {
        std::string last{}, first{}, id{}, email{};
        std::string type = "Individual", paidDue = "Paid", due = "2027-03-01", yearPaid = "2026";
        std::string notes{}, status = "Active";
    };

    static std::string line(const Member& m) {
        return memberLine({m.last, m.first, m.id, m.email, "", "", "", "", "", "", "2020-01-01",
                           m.type, "", m.paidDue, m.due, m.yearPaid, m.notes, m.status});
    }

    void writeRoll(const std::vector<Member>& members) {
        std::string bytes;
        for (const Member& m : members)
            bytes += line(m);
        data.write("rkMemberList", bytes);
    }

    // Opens the main window over a roll of four members, Adams, Brown, Clark
    // and Dunn, and keeps the member file as it then stands in storedRoll.
    mainWindow& openWithFourMembers() {
        writeRoll({{.last = "Adams", .first = "Ann"},
                   {.last = "Brown", .first = "Bob"},
                   {.last = "Clark", .first = "Cy"},
                   {.last = "Dunn", .first = "Di"}});
        mainWindow& main = mainWindow::instance();
        storedRoll = data.read("rkMemberList");
        return main;
    }

    // Chooses an item of the toolbar's "Find Members" drop-down as a click on it does.
    static void findMembers(mainWindow& main, const QString& choice) {
        auto* button = main.Toolbar11.toolBar()->findChild<QToolButton*>("FindMenu");
        ASSERT_NE(button, nullptr);
        for (QAction* action : button->menu()->actions()) {
            if (action->text() == choice) {
                action->trigger();
                return;
            }
        }
        FAIL() << "no item " << choice.toStdString();
    }

    // The two ways a filter of the whole roll starts: that choice of the
    // toolbar's drop-down, and the menu's due filter.
    struct FilterRoute {
        std::string name;
        std::function<void()> start;
    };
    static std::vector<FilterRoute> filterRoutes(mainWindow& main, const QString& choice) {
        return {{choice.toStdString(), [&main, choice] { findMembers(main, choice); }},
                {"menu", [&main] { main._FileFindDueMemberships_Action(); }}};
    }
    // The due-by-month window's Find, with the month it opens with.
    static FilterRoute dueByMonthRoute(mainWindow& main) {
        return {"Due by Month", [&main] {
                    findMembers(main, "Due by Month");
                    DueByMonthWindow::instance().PushButton1.Push();
                }};
    }

    // What a save that failed tells, and nothing else: the file and why.
    static std::vector<std::string> notSaved(const FolderItem& file, const std::string& reason) {
        return {"The file \"" + file.Path().string() + "\" could not be saved: " + reason + "."};
    }

    // Files of that name that exist but are never read: each kind, how to
    // make one, and how the reason told for it begins.
    struct UnreadableFile {
        const char* kind;
        std::function<void()> make;
        std::string reason;
    };
    std::vector<UnreadableFile> unreadableFiles(const std::string& name) const {
        const uintmax_t oversized = MemberFile::kLargestFile + 1;
        return {
            {"too large", [this, name] { data.writeSparse(name, MemberFile::kLargestFile + 1); },
             "it is " + std::to_string(oversized) + " bytes, more than"},
            {"named pipe", [this, name] { data.makePipe(name); }, "Is a named pipe, not a file"}};
    }

    // The record form's text fields, in the order of their columns.
    static std::vector<TextField*> formFields(mainWindow& main) {
        return {&main.LastName,  &main.firstName,     &main.memberID,      &main.EmailAddress,
                &main.HomePhone, &main.mobilePhone,   &main.streetAddress, &main.cityFld,
                &main.postalZip, &main.provinceState, &main.joinedFld,     &main.companyFld,
                &main.dueFld};
    }

    static std::vector<std::string> row(const Listbox& list, int index) {
        std::vector<std::string> cells;
        for (int column = 0; column < list.ColumnCount(); ++column)
            cells.push_back(list.Cell(index, column));
        return cells;
    }

    static std::vector<std::string> column(const Listbox& list, int index) {
        std::vector<std::string> cells;
        for (int row = 0; row < list.ListCount(); ++row)
            cells.push_back(list.Cell(row, index));
        return cells;
    }

    // Starts the program as at every run, then lets the splash hand over to
    // the main window at once instead of after its timer.
    static void startUp(App& app) {
        app.Event_Open();
        ASSERT_NE(SplashWindow::existing(), nullptr);
        SplashWindow::existing()->Timer1_Action();
        ASSERT_NE(mainWindow::existing(), nullptr);
    }

    TempDataFolder data;
    ScriptedDialogs& dialogs;
    std::string storedRoll;
};

// For tests that start the program through its application object.
class StartUpTest : public ProgramTest {
protected:
    int argc = 1;
    char name[9] = "rollkeep";
    char* argv[2] = {name, nullptr};
    App app{argc, argv};
};
