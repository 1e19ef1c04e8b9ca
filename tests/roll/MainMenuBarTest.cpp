// The main window's menu bar: what it shows, the commands its items and
// shortcuts reach, when its items are enabled, and quitting from it.

#include "dues/EmailEditWindow.h"
#include "exchange/CustomImportWindow.h"
#include "exchange/ExportWindow.h"
#include "roll/App.h"
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

namespace {

using Names = std::vector<std::string>;

class MainMenuBarTest : public ProgramTest {
protected:
    mainWindow& open() {
        writeRoll({{.last = "Adams", .first = "Ann"},
                   {.last = "Brown", .first = "Bob"},
                   {.last = "Clark", .first = "Cy"},
                   {.last = "Dunn", .first = "Di"}});
        mainWindow& main = mainWindow::instance();
        stored = data.read("rkMemberList");
        return main;
    }

    static QMenuBar* bar(mainWindow& main) { return main.frame()->menuBar(); }
    static QAction* entry(mainWindow& main, const char* name) {
        return bar(main)->findChild<QAction*>(QString::fromLatin1(name));
    }
    static QMenu* menu(mainWindow& main, const char* name) {
        return bar(main)->findChild<QMenu*>(QString::fromLatin1(name));
    }
    // The items as a menu shows them: caption, then the shortcut if any.
    static QStringList shown(mainWindow& main, const char* menuName) {
        QStringList items;
        for (QAction* action : menu(main, menuName)->actions()) {
            QString text = action->isSeparator() ? QStringLiteral("-") : action->text();
            if (!action->shortcut().isEmpty())
                text += " " + action->shortcut().toString();
            items << text;
        }
        return items;
    }
    // Brings the items up to date as the menu does when it opens.
    static void openMenu(mainWindow& main, const char* name) {
        emit menu(main, name)->aboutToShow();
    }
    static bool enabled(mainWindow& main, const char* menuName, const char* item) {
        openMenu(main, menuName);
        return entry(main, item)->isEnabled();
    }
    // Chooses an item as a click on it does, once its menu has opened.
    static void choose(mainWindow& main, const char* menuName, const char* item) {
        openMenu(main, menuName);
        entry(main, item)->trigger();
    }
    // A key with Ctrl, pressed in the main window, which comes to the front.
    static void press(mainWindow& main, int key) {
        main.frame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.frame()));
        QWidget* focus = main.frame()->focusWidget();
        QTest::keyClick(focus ? focus : main.frame(), Qt::Key(key), Qt::ControlModifier);
    }

    static void standInFilter(mainWindow& main) {
        Globals::gSearchOn = true;
        main.memberList.RemoveRow(1);
        main.infoLabel.SetText("Due Memberships");
        main.Toolbar11.AddButton->SetEnabled(false);
        main.Toolbar11.DeleteButton->SetEnabled(false);
    }

    std::string stored;
};

class MainMenuBarAppTest : public MainMenuBarTest {
protected:
    int argc = 1;
    char name[9] = "rollkeep";
    char* argv[2] = {name, nullptr};
    App app{argc, argv};
};

TEST_F(MainMenuBarTest, TheBarShowsFourMenusWithTheirItemsAndShortcuts) {
    mainWindow& main = open();
    EXPECT_EQ(main.frame()->menuBar(), main.frame()->menuWidget());
    QStringList titles;
    for (QAction* title : bar(main)->actions())
        if (title->isVisible())
            titles << title->text();
    EXPECT_EQ(titles, (QStringList{"&File", "Options", "&Edit", "Help"}));

    EXPECT_EQ(shown(main, "FileMenu"),
              (QStringList{"Import Data...", "Export Data...", "-", "Save Data Ctrl+S", "-",
                           "Print Checklist Ctrl+P", "-", "&Quit Ctrl+Q"}));
    EXPECT_EQ(shown(main, "OptionsMenu"),
              (QStringList{"Show All Members Ctrl+M", "-", "Find Due Memberships... Ctrl+F",
                           "About Rollkeep..."}));
    EXPECT_EQ(shown(main, "EditMenu"),
              (QStringList{"&Undo Ctrl+Z", "-", "Cu&t Ctrl+X", "&Copy Ctrl+C", "&Paste Ctrl+V",
                           "&Delete", "-", "Edit Emails...", "-", "Select &All Ctrl+A"}));
    EXPECT_EQ(shown(main, "HelpMenu"), (QStringList{"Users Guide", "Velloran Software Website"}));
    EXPECT_TRUE(menu(main, "Menu")->actions().isEmpty());
}

TEST_F(MainMenuBarTest, TheMenuIsBuiltOnceAndEveryMainWindowShowsIt) {
    mainWindow& first = open();
    openMenu(first, "FileMenu");
    first.Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    MenuItem* saveData = MainMenuBar::instance().FindItem("SaveData");
    mainWindow& again = mainWindow::instance();

    // The same item, now shown and handled in the new window.
    EXPECT_EQ(MainMenuBar::instance().FindItem("SaveData"), saveData);
    saveData->SetEnabled(false);
    EXPECT_FALSE(entry(again, "SaveData")->isEnabled());
    EXPECT_TRUE(enabled(again, "FileMenu", "SaveData"));
}

TEST_F(MainMenuBarTest, SaveDataWritesTheRollAndSkipsWhileFiltered) {
    mainWindow& main = open();
    main.memberList.SetCell(0, 1, "Annie");
    choose(main, "FileMenu", "SaveData");
    EXPECT_NE(data.read("rkMemberList").find("Adams@@@Annie@@@"), std::string::npos);

    stored = data.read("rkMemberList");
    standInFilter(main);
    main.memberList.SetCell(0, 1, "Anita");
    choose(main, "FileMenu", "SaveData");
    EXPECT_EQ(data.read("rkMemberList"), stored);
    EXPECT_TRUE(dialogs.asked().empty());
}

TEST_F(MainMenuBarTest, FindDueMembershipsNarrowsTheListAndSaveDataThenWritesNothing) {
    writeRoll({{.last = "Adams", .due = "2026-01-01", .yearPaid = "2025"},
               {.last = "Brown", .due = "2027-01-01"},
               {.last = "Clark", .due = "2026-03-15", .yearPaid = "2024"}});
    mainWindow& main = mainWindow::instance();
    stored = data.read("rkMemberList");
    main.memberList.SetListIndex(1);
    main.firstName.lineEdit()->setFocus();

    press(main, Qt::Key_F);
    EXPECT_EQ(column(main.memberList, 0), (Names{"Adams", "Clark"}));
    EXPECT_EQ(main.memberCountFld.Text(), "2");
    EXPECT_TRUE(Globals::gSearchOn);

    main.memberList.SetCell(0, 1, "Not stored");
    choose(main, "FileMenu", "SaveData");
    press(main, Qt::Key_S);
    EXPECT_EQ(data.read("rkMemberList"), stored);

    choose(main, "OptionsMenu", "FileShowAllMembers");
    EXPECT_EQ(column(main.memberList, 0), (Names{"Adams", "Brown", "Clark"}));
    EXPECT_TRUE(main.Toolbar11.AddButton->Enabled());
}

TEST_F(MainMenuBarTest, TheTemplateEditorImportAndExportOpenFromTheMenuOnceEach) {
    mainWindow& main = open();
    for (const char* name : {"ImportData", "ExportData"})
        EXPECT_TRUE(enabled(main, "FileMenu", name)) << name;
    EXPECT_TRUE(enabled(main, "EditMenu", "EmailNotification"));

    choose(main, "EditMenu", "EmailNotification");
    EmailEditWindow* editor = EmailEditWindow::existing();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->Visible());
    editor->MembWelcomeFld.SetText("Draft");
    choose(main, "EditMenu", "EmailNotification");
    EXPECT_EQ(EmailEditWindow::existing(), editor);
    EXPECT_EQ(editor->MembWelcomeFld.Text(), "Draft");
    editor->emailTextChanged = false;

    // The import and export sheets come over the main window, even with the
    // editor in front.
    choose(main, "FileMenu", "ImportData");
    ASSERT_NE(Window::Existing<CustomImportWindow>(), nullptr);
    EXPECT_TRUE(Window::Existing<CustomImportWindow>()->Visible());
    EXPECT_EQ(Window::Existing<CustomImportWindow>()->ParentWindow(), &main);
    Window::Existing<CustomImportWindow>()->Close();
    choose(main, "FileMenu", "ExportData");
    ASSERT_NE(Window::Existing<ExportWindow>(), nullptr);
    EXPECT_TRUE(Window::Existing<ExportWindow>()->Visible());
    EXPECT_EQ(Window::Existing<ExportWindow>()->ParentWindow(), &main);
}

TEST_F(MainMenuBarTest, ShowAllFromTheMenuEndsAFilterAndUnlocksAddAndDelete) {
    mainWindow& main = open();
    standInFilter(main);
    MainMenuBar::instance().FindItem("SaveData")->SetEnabled(false);

    choose(main, "OptionsMenu", "FileShowAllMembers");

    EXPECT_EQ(column(main.memberList, 0), (Names{"Adams", "Brown", "Clark", "Dunn"}));
    EXPECT_EQ(main.memberCountFld.Text(), "4");
    EXPECT_EQ(main.infoLabel.Text(), "Member Information");
    EXPECT_FALSE(Globals::gSearchOn);
    EXPECT_TRUE(MainMenuBar::instance().FindItem("SaveData")->Enabled());
    EXPECT_TRUE(main.Toolbar11.AddButton->Enabled());
    EXPECT_TRUE(main.Toolbar11.DeleteButton->Enabled());
}

TEST_F(MainMenuBarTest, ShowAllWithNoFilterStillReloadsTheStoredRoll) {
    mainWindow& main = open();
    main.memberList.SetCell(2, 0, "Clarke");
    choose(main, "OptionsMenu", "FileShowAllMembers");
    EXPECT_EQ(main.memberList.Cell(2, 0), "Clark");
    EXPECT_EQ(data.read("rkMemberList"), stored);
}

TEST_F(MainMenuBarTest, HelpOpensTheUsersGuideAndTheMakersSiteInTheBrowser) {
    mainWindow& main = open();
    choose(main, "HelpMenu", "UsersGuide");
    choose(main, "HelpMenu", "VLNItem");
    const Names urls = dialogs.urls();
    ASSERT_EQ(urls.size(), 2u);
    const std::string site = urls[1];
    EXPECT_TRUE(site.starts_with("https://")) << site;
    EXPECT_TRUE(site.ends_with("/")) << site;
    EXPECT_EQ(urls[0], site + "RollkeepUsersGuide.pdf");
}

TEST_F(MainMenuBarTest, ShortcutsRunTheirCommandsFromAnywhereInTheWindow) {
    mainWindow& main = open();
    main.memberList.SetListIndex(0);
    main.firstName.SetText("Annie");
    main.firstName.lineEdit()->setFocus();

    press(main, Qt::Key_S);
    EXPECT_NE(data.read("rkMemberList").find("Adams@@@Annie@@@"), std::string::npos);

    dialogs.AnswerPrint(nullptr);
    press(main, Qt::Key_P);
    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(dialogs.asked()[0].kind, ScriptedDialogs::Kind::Print);

    standInFilter(main);
    main.searchFld.lineEdit()->setFocus();
    press(main, Qt::Key_M);
    EXPECT_EQ(main.memberList.ListCount(), 4);
    EXPECT_FALSE(Globals::gSearchOn);
}

TEST_F(MainMenuBarTest, EditItemsWorkOnTheFocusedFormFieldAndWriteIntoTheMember) {
    mainWindow& main = open();
    main.memberList.SetListIndex(1);
    QLineEdit* city = main.cityFld.lineEdit();
    QApplication::clipboard()->setText("Lyon");

    // The list has the focus: no text to edit.
    main.memberList.widget()->setFocus();
    EXPECT_FALSE(enabled(main, "EditMenu", "EditPaste"));
    EXPECT_FALSE(enabled(main, "EditMenu", "EditSelectAll"));

    city->setFocus();
    ASSERT_TRUE(enabled(main, "EditMenu", "EditPaste"));
    EXPECT_FALSE(enabled(main, "EditMenu", "EditCopy"));
    choose(main, "EditMenu", "EditPaste");
    EXPECT_EQ(main.memberList.Cell(1, 7), "Lyon");

    choose(main, "EditMenu", "EditSelectAll");
    choose(main, "EditMenu", "EditCut");
    EXPECT_EQ(main.memberList.Cell(1, 7), "");
    choose(main, "EditMenu", "EditUndo");
    EXPECT_EQ(main.memberList.Cell(1, 7), "Lyon");
    // The count field can't be changed, only copied from.
    main.memberCountFld.lineEdit()->setFocus();
    main.memberCountFld.lineEdit()->selectAll();
    EXPECT_TRUE(enabled(main, "EditMenu", "EditCopy"));
    EXPECT_FALSE(enabled(main, "EditMenu", "EditCut"));
    EXPECT_FALSE(enabled(main, "EditMenu", "EditPaste"));
}

TEST_F(MainMenuBarAppTest, ItemsAreEnabledExactlyWhenTheyCanDoSomething) {
    mainWindow& main = open();
    for (const char* item : {"SaveData", "PrintCheck", "FileQuit"})
        EXPECT_TRUE(enabled(main, "FileMenu", item)) << item;
    EXPECT_TRUE(enabled(main, "OptionsMenu", "FileShowAllMembers"));
    // The application enables About whatever else the menu knows.
    EXPECT_TRUE(enabled(main, "OptionsMenu", "AboutRollkeep"));
    EXPECT_TRUE(enabled(main, "HelpMenu", "UsersGuide"));
    EXPECT_TRUE(enabled(main, "HelpMenu", "VLNItem"));
    // Nothing edits while no text control has the focus.
    EXPECT_FALSE(enabled(main, "EditMenu", "EditUndo"));
    EXPECT_FALSE(enabled(main, "EditMenu", "EditCopy"));
}

TEST_F(MainMenuBarAppTest, QuitFromTheMenuClosesTheWindowAndSavesUnlessFiltered) {
    mainWindow& main = open();
    main.memberList.AddRow("Young");
    choose(main, "FileMenu", "FileQuit");
    EXPECT_EQ(mainWindow::existing(), nullptr);
    EXPECT_EQ(data.read("rkMemberList"), stored + memberLine({"Young"}));

    app.Event_Activate();
    mainWindow& again = mainWindow::instance();
    standInFilter(again);
    again.memberList.AddRow("Zimmer");
    const std::string before = data.read("rkMemberList");
    press(again, Qt::Key_Q);
    EXPECT_EQ(mainWindow::existing(), nullptr);
    EXPECT_EQ(data.read("rkMemberList"), before);
}

TEST_F(MainMenuBarAppTest, QuitAsksAboutUnsavedTemplatesAndSavesThemOrStops) {
    const ScriptedDialogs::Asked prompt =
        ScriptedDialogs::Question(1, "Do you want to save changes tbefore closing?", "Save",
                                  "If you don't save, your changes will be lost. ");
    mainWindow& main = open();
    choose(main, "EditMenu", "EmailNotification");
    EmailEditWindow::instance().membDueFld.SetText("Please renew.");
    dialogs.AnswerQuestion(MessageDialog::Button::Action);
    choose(main, "FileMenu", "FileQuit");
    ASSERT_EQ(dialogs.questions().size(), 1u);
    EXPECT_EQ(dialogs.questions()[0].text, prompt.text);
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
