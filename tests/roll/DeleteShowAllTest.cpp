// Deleting a member and showing the whole roll again, with the whole roll shown
// and with a filtered subset standing in the list.

#include "tests/support/ProgramTest.h"

#include <QAction>
#include <sstream>

namespace {

using Button = MessageDialog::Button;
using Names = std::vector<std::string>;

class DeleteShowAllTest : public ProgramTest {
protected:
    // The last names of the member file, in file order.
    Names storedNames() const {
        Names names;
        std::istringstream lines(data.read("rkMemberList"));
        for (std::string line; std::getline(lines, line);)
            names.push_back(line.substr(0, line.find("@@@")));
        return names;
    }

    // What the filters leave behind: only some rows, nothing to be saved, and
    // the two tool buttons that would change the roll switched off.
    static void standInFilter(mainWindow& main, std::initializer_list<int> rowsToRemove) {
        Globals::gSearchOn = true;
        for (int row : rowsToRemove)
            main.memberList.RemoveRow(row);
        main.infoLabel.SetText("Due Members");
        main.Toolbar11.AddButton->SetEnabled(false);
        main.Toolbar11.DeleteButton->SetEnabled(false);
    }

    static void clickDelete(mainWindow& main) {
        main.Toolbar11_Action(*main.Toolbar11.DeleteButton);
    }
    static void clickShowAll(mainWindow& main) {
        main.Toolbar11_Action(*main.Toolbar11.ShowAllMembers);
    }
};

TEST_F(DeleteShowAllTest, DeleteWithNothingSelectedOnlySaysSo) {
    mainWindow& main = openWithFourMembers();
    ASSERT_EQ(main.memberList.ListIndex(), -1);
    clickDelete(main);
    EXPECT_EQ(dialogs.messages(), Names{"No member selected"});
    EXPECT_TRUE(dialogs.questions().empty());
    EXPECT_EQ(column(main.memberList, 0), (Names{"Adams", "Brown", "Clark", "Dunn"}));
    EXPECT_EQ(data.read("rkMemberList"), storedRoll);
}

TEST_F(DeleteShowAllTest, AsksTheCautionQuestionAndCancelChangesNothing) {
    mainWindow& main = openWithFourMembers();
    main.memberList.SetListIndex(1);
    dialogs.AnswerQuestion(Button::Cancel);
    clickDelete(main);

    EXPECT_EQ(dialogs.questions(),
              std::vector{ScriptedDialogs::Question(1, "Do you want to delete the selected member?",
                                                    "Delete", "This action cannot be undone. ")});
    EXPECT_TRUE(dialogs.messages().empty());

    EXPECT_EQ(column(main.memberList, 0), (Names{"Adams", "Brown", "Clark", "Dunn"}));
    EXPECT_EQ(main.memberList.ListIndex(), 1);
    EXPECT_EQ(main.LastName.Text(), "Brown");
    EXPECT_EQ(data.read("rkMemberList"), storedRoll);
}

TEST_F(DeleteShowAllTest, ConfirmedDeleteRemovesTheMemberFromListAndFile) {
    mainWindow& main = openWithFourMembers();
    main.memberList.SetListIndex(1);
    dialogs.AnswerQuestion(Button::Action);
    clickDelete(main);

    EXPECT_EQ(column(main.memberList, 0), (Names{"Adams", "Clark", "Dunn"}));
    EXPECT_EQ(storedNames(), (Names{"Adams", "Clark", "Dunn"}));
    // The count shown is the one of the last load.
    EXPECT_EQ(main.memberCountFld.Text(), "4");
    EXPECT_TRUE(dialogs.messages().empty());

    // The form follows the selection, so nothing typed now can land on the
    // member that moved up into the deleted one's place.
    EXPECT_EQ(main.memberList.ListIndex(), -1);
    EXPECT_EQ(main.LastName.Text(), "");
    main.LastName.SetText("Typed");
    EXPECT_EQ(column(main.memberList, 0), (Names{"Adams", "Clark", "Dunn"}));

    // The first and the last row go as well as any.
    main.memberList.SetListIndex(2);
    dialogs.AnswerQuestion(Button::Action);
    clickDelete(main);
    main.memberList.SetListIndex(0);
    dialogs.AnswerQuestion(Button::Action);
    clickDelete(main);
    EXPECT_EQ(storedNames(), Names{"Clark"});
    EXPECT_EQ(dialogs.unusedAnswers(), 0u);
}

TEST_F(DeleteShowAllTest, DeleteWhileFilteredLeavesTheFileAndShowAllBringsTheMemberBack) {
    mainWindow& main = openWithFourMembers();
    standInFilter(main, {2, 0});
    ASSERT_EQ(column(main.memberList, 0), (Names{"Brown", "Dunn"}));

    main.memberList.SetListIndex(1);
    dialogs.AnswerQuestion(Button::Action);
    main.DeleteMember();
    EXPECT_EQ(column(main.memberList, 0), Names{"Brown"});
    EXPECT_EQ(data.read("rkMemberList"), storedRoll);
    EXPECT_TRUE(Globals::gSearchOn);

    clickShowAll(main);
    EXPECT_EQ(column(main.memberList, 0), (Names{"Adams", "Brown", "Clark", "Dunn"}));
    EXPECT_EQ(main.memberCountFld.Text(), "4");
    EXPECT_EQ(main.infoLabel.Text(), "Member Information");
    EXPECT_FALSE(Globals::gSearchOn);
    for (ToolButton* button : {main.Toolbar11.AddButton, main.Toolbar11.DeleteButton}) {
        EXPECT_TRUE(button->Enabled()) << button->Name;
        EXPECT_TRUE(button->action()->isEnabled()) << button->Name;
    }

    // With the filter ended a delete reaches the file again.
    main.memberList.SetListIndex(3);
    dialogs.AnswerQuestion(Button::Action);
    clickDelete(main);
    EXPECT_EQ(storedNames(), (Names{"Adams", "Brown", "Clark"}));
}

TEST_F(DeleteShowAllTest, ShowAllReplacesUnsavedEditsWithTheFile) {
    mainWindow& main = openWithFourMembers();
    main.memberList.SetListIndex(0);
    main.LastName.SetText("Edited");
    main.memberList.AddRow("Unsaved");
    ASSERT_EQ(main.memberList.Cell(0, 0), "Edited");

    clickShowAll(main);
    // Nothing was written first: the file's text is back, the edit is gone.
    EXPECT_EQ(data.read("rkMemberList"), storedRoll);
    EXPECT_EQ(column(main.memberList, 0), (Names{"Adams", "Brown", "Clark", "Dunn"}));
    EXPECT_EQ(main.memberList.ListIndex(), -1);
    EXPECT_EQ(main.LastName.Text(), "");
}

TEST_F(DeleteShowAllTest, ShowAllLeavesANewMemberBeingEnteredAlone) {
    mainWindow& main = openWithFourMembers();
    main.Toolbar11_Action(*main.Toolbar11.AddButton);
    ASSERT_TRUE(Globals::gAddingMember);
    clickShowAll(main);
    EXPECT_TRUE(Globals::gAddingMember);
    EXPECT_EQ(main.memberList.ListCount(), 4);
    EXPECT_EQ(main.infoLabel.Text(), "Member Information");
}

TEST_F(DeleteShowAllTest, ShowAllWithoutAMemberFileEmptiesTheListQuietly) {
    mainWindow& main = openWithFourMembers();
    data.dataFolder().Child("rkMemberList").Delete();
    clickShowAll(main);
    EXPECT_EQ(main.memberList.ListCount(), 0);
    EXPECT_EQ(main.memberCountFld.Text(), "0");
    EXPECT_TRUE(dialogs.asked().empty());
}

// The menu's route to Show All Members: the same reload, and with the whole
// roll shown again adding and deleting reach the file, so their buttons are on.
TEST_F(DeleteShowAllTest, ShowAllMembersItselfTurnsTheToolButtonsOnAgain) {
    mainWindow& main = openWithFourMembers();
    standInFilter(main, {3, 1});
    main.ShowAllMembers();
    EXPECT_EQ(main.memberList.ListCount(), 4);
    EXPECT_FALSE(Globals::gSearchOn);
    EXPECT_EQ(main.infoLabel.Text(), "Member Information");
    EXPECT_TRUE(main.Toolbar11.AddButton->Enabled());
    EXPECT_TRUE(main.Toolbar11.DeleteButton->Enabled());
}

}  // namespace
