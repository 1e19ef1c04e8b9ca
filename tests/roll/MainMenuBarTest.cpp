// The main window's menu bar: when its items are enabled, the commands its
// items and shortcuts reach, and quitting from it.

#include "core/Column.h"
#include "dues/EmailEditWindow.h"
#include "roll/MainMenuBar.h"
#include "tests/support/ProgramTest.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <utility>

namespace {

using Names = std::vector<std::string>;

class MainMenuBarTest : public StartUpTest {
protected:
    static QAction* entry(mainWindow& main, const std::string& name) {
        return main.frame()->menuBar()->findChild<QAction*>(QString::fromStdString(name));
    }
    // Brings the items up to date as a menu does when it opens.
    static void openMenu(mainWindow& main, const char* name) {
        emit main.frame()->menuBar()->findChild<QMenu*>(name)->aboutToShow();
    }
    static bool enabled(mainWindow& main, const char* menuName, const std::string& item) {
        openMenu(main, menuName);
        return entry(main, item)->isEnabled();
    }
    // Chooses an item as a click on it does, once its menu has opened.
    static void choose(mainWindow& main, const char* menuName, const char* item) {
        openMenu(main, menuName);
        entry(main, item)->trigger();
    }
    // A key with Ctrl, pressed in the main window, which comes to the front.
    static void press(mainWindow& main, Qt::Key key) {
        main.frame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.frame()));
        QWidget* focus = main.frame()->focusWidget();
        QTest::keyClick(focus ? focus : main.frame(), key, Qt::ControlModifier);
    }
};

TEST_F(MainMenuBarTest, EveryCommandIsThereAndEnabledButEditingWaitsForAText) {
    mainWindow& main = openWithFourMembers();
    const std::pair<const char*, Names> menus[] = {
        {"FileMenu", {"ImportData", "ExportData", "SaveData", "PrintCheck", "FileQuit"}},
        {"OptionsMenu", {"FileShowAllMembers", "FileFindDueMemberships", "AboutRollkeep"}},
        {"EditMenu", {"EmailNotification"}},
        {"HelpMenu", {"UsersGuide", "VLNItem"}},
    };
    for (const auto& [menuName, items] : menus)
        for (const std::string& item : items) {
            ASSERT_NE(entry(main, item), nullptr) << item;
            EXPECT_TRUE(enabled(main, menuName, item)) << item;
        }
    for (const char* item : {"EditUndo", "EditCopy"})
        EXPECT_FALSE(enabled(main, "EditMenu", item)) << item;
}

TEST_F(MainMenuBarTest, SaveDataWritesNothingWhileFilteredAndShowAllBringsBackTheStoredRoll) {
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
    press(main, Qt::Key_S);
    EXPECT_EQ(data.read("rkMemberList"), saved);
    EXPECT_TRUE(dialogs.asked().empty());

    openMenu(main, "OptionsMenu");
    MainMenuBar::instance().FindItem("SaveData")->SetEnabled(false);
    entry(main, "FileShowAllMembers")->trigger();
    EXPECT_EQ(column(main.memberList, +Column::LastName), (Names{"Adams", "Brown", "Clark"}));
    EXPECT_EQ(main.memberList.Cell(0, +Column::FirstName), "Annie");
    EXPECT_TRUE(entry(main, "SaveData")->isEnabled());
    EXPECT_EQ(data.read("rkMemberList"), saved);
}

TEST_F(MainMenuBarTest, HelpOpensTheUsersGuideAndTheMakersSiteInTheBrowser) {
    mainWindow& main = openWithFourMembers();
    choose(main, "HelpMenu", "UsersGuide");
    choose(main, "HelpMenu", "VLNItem");
    const Names urls = dialogs.urls();
    ASSERT_EQ(urls.size(), 2u);
    const std::string site = urls[1];
    EXPECT_TRUE(site.starts_with("https://") && site.ends_with("/")) << site;
    EXPECT_EQ(urls[0], site + "RollkeepUsersGuide.pdf");
}

TEST_F(MainMenuBarTest, EditItemsWorkOnTheFocusedFormFieldAndWriteIntoTheMember) {
    mainWindow& main = openWithFourMembers();
    main.memberList.SetListIndex(1);
    QApplication::clipboard()->setText("Lyon");
    main.memberList.widget()->setFocus();
    EXPECT_FALSE(enabled(main, "EditMenu", "EditPaste"));

    main.cityFld.lineEdit()->setFocus();
    choose(main, "EditMenu", "EditPaste");
    EXPECT_EQ(main.memberList.Cell(1, +Column::City), "Lyon");
    choose(main, "EditMenu", "EditSelectAll");
    choose(main, "EditMenu", "EditCut");
    EXPECT_EQ(main.memberList.Cell(1, +Column::City), "");
    choose(main, "EditMenu", "EditUndo");
    EXPECT_EQ(main.memberList.Cell(1, +Column::City), "Lyon");
}

TEST_F(MainMenuBarTest, QuitClosesTheWindowAndSavesTheRollUnlessFiltered) {
    mainWindow& main = openWithFourMembers();
    main.memberList.AddRow("Young");
    choose(main, "FileMenu", "FileQuit");
    EXPECT_EQ(mainWindow::existing(), nullptr);
    const std::string saved = data.read("rkMemberList");
    EXPECT_EQ(saved, storedRoll + memberLine({"Young"}));

    app.Event_Activate();
    mainWindow& again = mainWindow::instance();
    press(again, Qt::Key_F);
    ASSERT_TRUE(Globals::gSearchOn);
    again.memberList.AddRow("Zimmer");
    press(again, Qt::Key_Q);
    EXPECT_EQ(mainWindow::existing(), nullptr);
    EXPECT_EQ(data.read("rkMemberList"), saved);
}

TEST_F(MainMenuBarTest, QuitAsksAboutUnsavedTemplatesAndSavesThemOrStops) {
    mainWindow& main = openWithFourMembers();
    choose(main, "EditMenu", "EmailNotification");
    EmailEditWindow::instance().membDueFld.SetText("Please renew.");
    dialogs.AnswerQuestion(MessageDialog::Button::Action);
    choose(main, "FileMenu", "FileQuit");
    EXPECT_EQ(dialogs.questions().size(), 1u);
    EXPECT_EQ(data.read("membDueText"), "Please renew.");
    EXPECT_TRUE(Window::OpenWindows().empty());

    app.Event_Activate();
    mainWindow& again = mainWindow::instance();
    choose(again, "EditMenu", "EmailNotification");
    EmailEditWindow::instance().membDueFld.SetText("Dropped");
    dialogs.AnswerQuestion(MessageDialog::Button::Cancel);
    press(again, Qt::Key_Q);
    EXPECT_EQ(dialogs.questions().size(), 2u);
    // The quit stopped at the question, before the main window was asked;
    // the editor is gone with its changes.
    EXPECT_EQ(EmailEditWindow::existing(), nullptr);
    EXPECT_EQ(data.read("membDueText"), "Please renew.");
    EXPECT_EQ(mainWindow::existing(), &again);
    EXPECT_TRUE(again.Visible());
}

}  // namespace
