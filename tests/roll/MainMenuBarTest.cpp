// The main window's menu bar: the commands its items and shortcuts reach,
// that Save Data writes nothing while filtered, and its keys in the program's
// other windows.

#include "core/Column.h"
#include "dues/EmailEditWindow.h"
#include "exchange/CustomImportWindow.h"
#include "exchange/ExportWindow.h"
#include "roll/MainMenuBar.h"
#include "startup/AboutWindow.h"
#include "tests/support/ProgramTest.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>
#include <QTest>
#include <functional>

namespace {

using Names = std::vector<std::string>;
using Kind = ScriptedDialogs::Kind;

class MainMenuBarTest : public StartUpTest {
protected:
    static QAction* entry(mainWindow& main, const std::string& name) {
        return main.frame()->menuBar()->findChild<QAction*>(QString::fromStdString(name));
    }
    // Chooses an item as a click on it does, once its menu has opened.
    static void choose(mainWindow& main, const char* menuName, const char* item) {
        emit main.frame()->menuBar()->findChild<QMenu*>(menuName)->aboutToShow();
        QAction* action = entry(main, item);
        ASSERT_NE(action, nullptr) << item;
        EXPECT_TRUE(action->isEnabled()) << item;
        action->trigger();
    }
    // A key with Ctrl, pressed in a window, which comes to the front.
    static void press(Window& window, Qt::Key key) {
        window.frame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.frame()));
        QWidget* focus = window.frame()->focusWidget();
        QTest::keyClick(focus ? focus : window.frame(), key, Qt::ControlModifier);
    }
};

TEST_F(MainMenuBarTest, EachItemReachesItsCommand) {
    mainWindow& main = openWithFourMembers();
    // Each help item opens its page of the maker's site in the browser.
    const auto opens = [this](std::string end) {
        return [this, end] {
            const Names urls = dialogs.urls();
            return urls.size() == 1 && urls[0].starts_with("https://") && urls[0].ends_with(end);
        };
    };
    const struct {
        const char* menu;
        const char* item;
        std::function<bool()> reached;
    } cases[] = {
        {"FileMenu", "ImportData", [] { return CustomImportWindow::existing() != nullptr; }},
        {"FileMenu", "ExportData", [] { return ExportWindow::existing() != nullptr; }},
        {"FileMenu", "PrintCheck", [this] { return dialogs.asked().at(0).kind == Kind::Print; }},
        {"OptionsMenu", "AboutRollkeep", [] { return AboutWindow::existing() != nullptr; }},
        {"EditMenu", "EmailNotification", [] { return EmailEditWindow::existing() != nullptr; }},
        {"HelpMenu", "UsersGuide", opens("/RollkeepUsersGuide.pdf")},
        {"HelpMenu", "VLNItem", opens("/")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        dialogs.clear();
        dialogs.AnswerPrint({});
        choose(main, c.menu, c.item);
        EXPECT_TRUE(c.reached());
        for (Window* window : Window::OpenWindows())
            if (window != &main)
                window->Close();
    }
}

TEST_F(MainMenuBarTest, SaveDataWritesNothingWhileFilteredUntilShowAllBringsBackTheStoredRoll) {
    writeRoll({{.last = "Adams", .due = "2026-01-01", .yearPaid = "2025"},
               {.last = "Brown", .due = "2027-01-01"},
               {.last = "Clark", .due = "2026-03-15", .yearPaid = "2024"}});
    mainWindow& main = mainWindow::instance();
    main.memberList.SetListIndex(0);
    main.firstName.SetText("Annie");
    main.firstName.lineEdit()->setFocus();
    press(main, Qt::Key_S);
    const std::string saved = data.read("rkMemberList");
    EXPECT_NE(saved.find("Adams@@@Annie@@@"), std::string::npos);

    press(main, Qt::Key_F);
    EXPECT_EQ(column(main.memberList, +Column::LastName), (Names{"Adams", "Clark"}));
    main.memberList.SetCell(0, +Column::FirstName, "Not stored");
    choose(main, "FileMenu", "SaveData");
    EXPECT_EQ(data.read("rkMemberList"), saved);

    emit main.frame()->menuBar()->findChild<QMenu*>("OptionsMenu")->aboutToShow();
    MainMenuBar::instance().FindItem("SaveData")->SetEnabled(false);
    entry(main, "FileShowAllMembers")->trigger();
    EXPECT_EQ(column(main.memberList, +Column::LastName), (Names{"Adams", "Brown", "Clark"}));
    EXPECT_EQ(main.memberList.Cell(0, +Column::FirstName), "Annie");
    EXPECT_TRUE(entry(main, "SaveData")->isEnabled());
    // With the whole roll shown again, quitting saves it.
    main.memberList.AddRow("Young");
    choose(main, "FileMenu", "FileQuit");
    EXPECT_EQ(mainWindow::existing(), nullptr);
    EXPECT_EQ(data.read("rkMemberList"), saved + memberLine({"Young"}));
}

// The program's one bar serves every window: in the template editor, the
// main window's own commands do nothing, and Quit quits.
TEST_F(MainMenuBarTest, InAnotherWindowTheBarsKeysQuitButLeaveTheMainWindowsCommandsAlone) {
    mainWindow& main = openWithFourMembers();
    main.memberList.SetCell(0, +Column::FirstName, "Unsaved");
    EmailEditWindow& editor = EmailEditWindow::instance();
    editor.Show();
    editor.membDueFld.textEdit()->setFocus();
    press(editor, Qt::Key_S);
    press(editor, Qt::Key_F);
    EXPECT_EQ(data.read("rkMemberList"), storedRoll);
    EXPECT_FALSE(Globals::gSearchOn);
    ASSERT_NE(EmailEditWindow::existing(), nullptr);

    press(editor, Qt::Key_Q);
    EXPECT_TRUE(Window::OpenWindows().empty());
    EXPECT_NE(data.read("rkMemberList").find("Adams@@@Unsaved@@@"), std::string::npos);
}

}  // namespace
