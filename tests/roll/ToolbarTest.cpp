// The main window's toolbar: its seven buttons as the window shows them, and
// the commands its clicks reach, by name and through the real buttons.

#include "dues/reportWindow.h"
#include "roll/Pictures.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/RecordingGraphics.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace {

using Names = std::vector<std::string>;

class ToolbarTest : public ProgramTest {
protected:
    mainWindow& open() {
        writeRoll({{.last = "Adams"}, {.last = "Brown"}, {.last = "Clark"}});
        mainWindow& main = mainWindow::instance();
        stored = data.read("rkMemberList");
        return main;
    }

    static std::unique_ptr<ToolButton> button(std::string_view name) {
        auto item = std::make_unique<ToolButton>();
        item->Name = name;
        return item;
    }

    static bool samePicture(const Picture& a, const Picture& b) {
        return !a.IsNull() && a.pixmap().cacheKey() == b.pixmap().cacheKey();
    }

    std::string stored;
};

TEST_F(ToolbarTest, ButtonsStandFromLeftToRightWithCaptionsHelpTagsAndIcons) {
    mainWindow& main = open();
    const Toolbar1& bar = main.Toolbar11;
    struct Expected {
        const char* name;
        int style;
        const char* caption;
        const char* helpTag;
        Picture icon;
    };
    const Expected expected[] = {
        {"Counts", 0, "Show Counts", "Show Paid/Active counts", tally()},
        {"Print", 0, "Print Checklist", "Print checklist", print_icon()},
        {"ToolItem1", 6, "Untitled", "", Picture()},
        {"AddButton", 0, "Add Member", "Add a member", AddIcon()},
        {"DeleteButton", 0, "Delete Member", "Delete selected member", deleteIcon()},
        {"ShowAllMembers", 0, "Show All Members", "Show all members in list",
         groupclipartusergroup43()},
        {"FindMenu", 3, "Find Members", "", findIcon()},
    };
    QToolBar* toolBar = bar.toolBar();
    ASSERT_NE(toolBar->parentWidget(), nullptr);
    const QList<QAction*> shown = toolBar->actions();
    ASSERT_EQ(bar.Count(), 7);
    ASSERT_EQ(shown.size(), 7);
    for (int i = 0; i < 7; ++i) {
        const ToolButton& item = bar.Item(i);
        const Expected& e = expected[i];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(item.Name, e.name);
        EXPECT_EQ(item.Style, e.style);
        EXPECT_EQ(item.Caption, e.caption);
        EXPECT_EQ(item.HelpTag, e.helpTag);
        EXPECT_TRUE(item.Enabled());
        EXPECT_EQ(item.action(), shown[i]);
        if (e.icon.IsNull())
            EXPECT_TRUE(item.Icon.IsNull());
        else
            EXPECT_TRUE(samePicture(item.Icon, e.icon));

        // What the window shows in that place.
        QWidget* widget = toolBar->widgetForAction(shown[i]);
        if (e.style == 0) {
            EXPECT_EQ(shown[i]->text().toStdString(), e.caption);
            EXPECT_EQ(shown[i]->toolTip().toStdString(), e.helpTag);
            EXPECT_FALSE(shown[i]->icon().isNull());
        } else if (e.style == 6) {
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(widget->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
        } else {
            auto* dropDown = qobject_cast<QToolButton*>(widget);
            ASSERT_NE(dropDown, nullptr);
            EXPECT_EQ(dropDown->defaultAction()->text().toStdString(), e.caption);
            QStringList choices;
            for (QAction* choice : dropDown->menu()->actions())
                choices << choice->text();
            EXPECT_EQ(choices, (QStringList{"Due Members", "Due by Month", "Paid Members",
                                            "Active Members", "Inactive Members"}));
        }
    }
    const ToolButton* const held[] = {bar.Counts,    bar.Print,        bar.ToolItem1,
                                      bar.AddButton, bar.DeleteButton, bar.ShowAllMembers};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(held[i], &bar.Item(i)) << expected[i].name;
}

TEST_F(ToolbarTest, DispatchGoesByNameIgnoringCase) {
    mainWindow& main = open();

    main.Toolbar11_Action(*button("counts"));
    ASSERT_NE(reportWindow::existing(), nullptr);
    EXPECT_TRUE(reportWindow::existing()->Visible());
    EXPECT_EQ(reportWindow::existing()->TextField1.Text(), "3");

    dialogs.AnswerPrint(nullptr);
    main.Toolbar11_Action(*button("PRINT"));
    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(dialogs.asked().front().kind, ScriptedDialogs::Kind::Print);

    main.Toolbar11_Action(*button("deleteBUTTON"));
    EXPECT_EQ(dialogs.messages(), Names{"No member selected"});

    Globals::gSearchOn = true;
    main.memberList.RemoveRow(0);
    main.Toolbar11_Action(*button("showallmembers"));
    EXPECT_FALSE(Globals::gSearchOn);
    EXPECT_EQ(main.memberList.ListCount(), 3);

    main.Toolbar11_Action(*button("AddButton"));
    EXPECT_TRUE(Globals::gAddingMember);
    EXPECT_EQ(main.infoLabel.Text(),
              "Add New Member - click 'SAVE NEW MEMBER' after entering member information");
}

TEST_F(ToolbarTest, OtherNamesAndTheFindMembersButtonItselfDoNothing) {
    mainWindow& main = open();
    main.memberList.SetListIndex(1);
    main.memberList.SetCell(1, 0, "Unsaved");
    for (const char* name : {"ToolItem1", "FindMenu", "findmenu", "Count", "Counts ", "Delete", ""})
        main.Toolbar11_Action(*button(name));
    main.Toolbar11_Action(main.Toolbar11.Item(6));
    main.Toolbar11_Action(*main.Toolbar11.ToolItem1);
    // The drop-down's own button, clicked rather than its arrow.
    auto* dropDown = main.Toolbar11.toolBar()->findChild<QToolButton*>("FindMenu");
    ASSERT_NE(dropDown, nullptr);
    dropDown->defaultAction()->trigger();

    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_EQ(reportWindow::existing(), nullptr);
    EXPECT_EQ(Window::OpenWindows().size(), 1u);
    EXPECT_EQ(column(main.memberList, 0), (Names{"Adams", "Unsaved", "Clark"}));
    EXPECT_EQ(main.memberList.ListIndex(), 1);
    EXPECT_FALSE(Globals::gAddingMember);
    EXPECT_EQ(data.read("rkMemberList"), stored);
}

TEST_F(ToolbarTest, CountsSavesTheRollFirstUnlessFiltered) {
    mainWindow& main = open();
    main.memberList.SetCell(0, 17, "Inactive");
    main.Toolbar11_Action(*main.Toolbar11.Counts);
    EXPECT_NE(data.read("rkMemberList"), stored);
    EXPECT_NE(data.read("rkMemberList").find("Inactive@@@\n"), std::string::npos);
    ASSERT_NE(reportWindow::existing(), nullptr);
    EXPECT_TRUE(reportWindow::existing()->Visible());
    EXPECT_EQ(reportWindow::existing()->dueFld.Text(), "1");
    reportWindow::existing()->Close();

    stored = data.read("rkMemberList");
    Globals::gSearchOn = true;
    main.memberList.RemoveRow(2);
    main.memberList.SetCell(0, 17, "Active");
    main.Toolbar11_Action(*main.Toolbar11.Counts);
    EXPECT_EQ(data.read("rkMemberList"), stored);
    ASSERT_NE(reportWindow::existing(), nullptr);
    EXPECT_TRUE(reportWindow::existing()->Visible());
    EXPECT_EQ(reportWindow::existing()->TextField1.Text(), "2");
    EXPECT_TRUE(Globals::gSearchOn);
}

TEST_F(ToolbarTest, TheRealButtonsRunTheirCommands) {
    mainWindow& main = open();
    Toolbar1& bar = main.Toolbar11;

    bar.DeleteButton->action()->trigger();
    EXPECT_EQ(dialogs.messages(), Names{"No member selected"});

    auto recording = std::make_shared<Recording>();
    dialogs.AnswerPrint(
        [recording](PrinterSetup&) { return std::make_unique<RecordingGraphics>(recording); });
    bar.Print->action()->trigger();
    ASSERT_EQ(recording->texts.size(), 1u + 3 * 2);
    EXPECT_EQ(recording->texts[1].text, "____ Adams, ");

    bar.Counts->action()->trigger();
    ASSERT_NE(reportWindow::existing(), nullptr);
    EXPECT_EQ(reportWindow::existing()->paidFld.Text(), "3");

    bar.AddButton->action()->trigger();
    EXPECT_TRUE(Globals::gAddingMember);
}

TEST_F(ToolbarTest, DisabledButtonsDoNothingUntilShowAllMembers) {
    mainWindow& main = open();
    Toolbar1& bar = main.Toolbar11;
    Globals::gSearchOn = true;
    main.memberList.RemoveRow(0);
    bar.AddButton->SetEnabled(false);
    bar.DeleteButton->SetEnabled(false);
    main.memberList.SetListIndex(0);

    bar.AddButton->action()->trigger();
    bar.DeleteButton->action()->trigger();
    EXPECT_FALSE(Globals::gAddingMember);
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_EQ(main.memberList.ListCount(), 2);

    bar.ShowAllMembers->action()->trigger();
    EXPECT_FALSE(Globals::gSearchOn);
    EXPECT_EQ(main.memberList.ListCount(), 3);
    EXPECT_TRUE(bar.AddButton->action()->isEnabled());
    EXPECT_TRUE(bar.DeleteButton->action()->isEnabled());
    main.memberList.SetListIndex(0);
    dialogs.AnswerQuestion(MessageDialog::Button::Action);
    bar.DeleteButton->action()->trigger();
    EXPECT_EQ(main.memberList.ListCount(), 2);
}

}  // namespace
