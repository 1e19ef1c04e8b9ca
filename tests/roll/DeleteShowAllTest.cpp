// Deleting a member and showing the whole roll again, with the whole roll shown
// and with a filtered subset standing in the list.

#include "tests/support/ProgramTest.h"

#include <QAction>
#include <optional>
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

    static void clickDelete(mainWindow& main) {
        main.Toolbar11_Action(*main.Toolbar11.DeleteButton);
    }
    static void clickShowAll(mainWindow& main) {
        main.Toolbar11_Action(*main.Toolbar11.ShowAllMembers);
    }
};

TEST_F(DeleteShowAllTest, DeleteAsksAndOnlyAConfirmedDeleteReachesTheListAndTheFile) {
    mainWindow& main = openWithFourMembers();
    const Names all{"Adams", "Brown", "Clark", "Dunn"};
    const struct {
        int selected;
        std::optional<Button> answer;  // none: nothing is asked
        Names left;
    } steps[] = {
        {-1, std::nullopt, all},
        {1, Button::Cancel, all},
        {1, Button::Action, {"Adams", "Clark", "Dunn"}},
        {2, Button::Action, {"Adams", "Clark"}},  // the last row
        {0, Button::Action, {"Clark"}},           // the first row
    };
    for (const auto& s : steps) {
        SCOPED_TRACE("row " + std::to_string(s.selected) + " of " + std::to_string(s.left.size()));
        dialogs.clear();
        main.memberList.SetListIndex(s.selected);
        if (s.answer)
            dialogs.AnswerQuestion(*s.answer);
        clickDelete(main);
        EXPECT_EQ(column(main.memberList, 0), s.left);
        EXPECT_EQ(storedNames(), s.left);
        if (!s.answer) {
            EXPECT_EQ(dialogs.messages(), Names{"No member selected"});
            EXPECT_TRUE(dialogs.questions().empty());
            continue;
        }
        EXPECT_EQ(dialogs.questions(), std::vector{ScriptedDialogs::Question(
                                           1, "Do you want to delete the selected member?",
                                           "Delete", "This action cannot be undone. ")});
        EXPECT_TRUE(dialogs.messages().empty());
        // The form follows the selection, so nothing typed after a delete can
        // land on the member that moved up into the deleted one's place.
        const bool deleted = *s.answer == Button::Action;
        EXPECT_EQ(main.memberList.ListIndex(), deleted ? -1 : s.selected);
        EXPECT_EQ(main.LastName.Text(), deleted ? "" : s.left[s.selected]);
    }
}

TEST_F(DeleteShowAllTest, DeleteWhileFilteredLeavesTheFileAndShowAllEndsTheFilter) {
    mainWindow& main = openWithFourMembers();
    // What a filter leaves: some rows, nothing to be saved, adding and deleting off.
    Globals::gSearchOn = true;
    main.memberList.RemoveRow(2);
    main.memberList.RemoveRow(0);
    main.infoLabel.SetText("Due Members");
    main.Toolbar11.AddButton->SetEnabled(false);
    main.Toolbar11.DeleteButton->SetEnabled(false);

    main.memberList.SetListIndex(1);
    dialogs.AnswerQuestion(Button::Action);
    main.DeleteMember();
    EXPECT_EQ(column(main.memberList, 0), Names{"Brown"});
    EXPECT_EQ(data.read("rkMemberList"), storedRoll);

    clickShowAll(main);
    EXPECT_EQ(column(main.memberList, 0), (Names{"Adams", "Brown", "Clark", "Dunn"}));
    EXPECT_EQ(main.memberCountFld.Text(), "4");
    EXPECT_EQ(main.infoLabel.Text(), "Member Information");
    EXPECT_FALSE(Globals::gSearchOn);
    for (ToolButton* button : {main.Toolbar11.AddButton, main.Toolbar11.DeleteButton})
        EXPECT_TRUE(button->action()->isEnabled()) << button->Name;
}

TEST_F(DeleteShowAllTest, ShowAllGivesUpWhatTheListHoldsAndTheFileDoesNot) {
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

    // Without a member file the list empties, quietly.
    data.dataFolder().Child("rkMemberList").Delete();
    clickShowAll(main);
    EXPECT_EQ(main.memberList.ListCount(), 0);
    EXPECT_EQ(main.memberCountFld.Text(), "0");
    EXPECT_TRUE(dialogs.asked().empty());
}

}  // namespace
