#include "platform/Files.h"

#include "platform/Streams.h"
#include "tests/support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

class FolderItemTest : public ::testing::Test {
protected:
    TempDataFolder data_;
    FolderItem root_ = data_.root();

    FolderItem makeFile(std::string_view name, std::string_view bytes) const {
        const FolderItem file = root_.Child(name);
        auto out = file.CreateTextFile();
        out->Write(bytes);
        EXPECT_TRUE(out->Close());
        return file;
    }

    static std::string contents(const FolderItem& file) {
        auto in = file.OpenAsTextFile();
        return in ? in->ReadAll() : "<unreadable>";
    }
};

TEST_F(FolderItemTest, NamesChildAndParent) {
    const FolderItem roll = root_.Child("Rollkeep").Child("roll.txt");
    EXPECT_EQ(roll.Name(), "roll.txt");
    EXPECT_EQ(roll.Parent().Name(), "Rollkeep");
    EXPECT_EQ(roll.Parent().Parent(), root_);
    EXPECT_EQ(roll.Path(), root_.Path() / "Rollkeep" / "roll.txt");
    EXPECT_EQ(root_.Child("Zoë Ørsted.txt").Name(), "Zoë Ørsted.txt");
}

TEST_F(FolderItemTest, TrailingSeparatorNamesTheSameFolder) {
    const FolderItem withSlash(root_.Path().string() + "/Rollkeep//");
    EXPECT_EQ(withSlash, root_.Child("Rollkeep"));
    EXPECT_EQ(withSlash.Name(), "Rollkeep");
}

TEST_F(FolderItemTest, TopAndEmptyItemsHaveNoParent) {
    EXPECT_FALSE(FolderItem("/").Parent().IsValid());
    EXPECT_FALSE(FolderItem().IsValid());
    EXPECT_FALSE(FolderItem().Parent().IsValid());
    EXPECT_FALSE(FolderItem().Child("x").IsValid());
    EXPECT_FALSE(FolderItem().Exists());
    EXPECT_FALSE(FolderItem().CreateAsFolder());
    EXPECT_FALSE(FolderItem().Delete());
}

TEST_F(FolderItemTest, CreatesFoldersWithTheirParents) {
    const FolderItem deep = root_.Child("a").Child("b").Child("c");
    EXPECT_FALSE(deep.Exists());
    EXPECT_TRUE(deep.CreateAsFolder());
    EXPECT_TRUE(deep.Exists());
    EXPECT_TRUE(deep.IsFolder());
    EXPECT_TRUE(deep.CreateAsFolder()) << "an existing folder is fine";

    const FolderItem file = makeFile("plain", "x");
    EXPECT_TRUE(file.Exists());
    EXPECT_FALSE(file.IsFolder());
    EXPECT_FALSE(file.CreateAsFolder());
    EXPECT_FALSE(file.Child("below").CreateAsFolder());
}

TEST_F(FolderItemTest, DeletesFilesAndEmptyFoldersOnly) {
    const FolderItem file = makeFile("gone.txt", "x");
    EXPECT_TRUE(file.Delete());
    EXPECT_FALSE(file.Exists());
    EXPECT_FALSE(file.Delete()) << "nothing left to delete";

    const FolderItem folder = root_.Child("full");
    ASSERT_TRUE(folder.CreateAsFolder());
    makeFile("full/kept.txt", "x");
    EXPECT_FALSE(folder.Delete());
    EXPECT_TRUE(folder.Child("kept.txt").Exists());
    EXPECT_TRUE(folder.Child("kept.txt").Delete());
    EXPECT_TRUE(folder.Delete());
    EXPECT_FALSE(folder.Exists());
}

TEST_F(FolderItemTest, RenamesWithinItsFolder) {
    FolderItem file = makeFile("old.txt", "roll");
    EXPECT_TRUE(file.SetName("new.txt"));
    EXPECT_EQ(file, root_.Child("new.txt"));
    EXPECT_FALSE(root_.Child("old.txt").Exists());
    EXPECT_EQ(contents(file), "roll");

    FolderItem folder = root_.Child("before");
    ASSERT_TRUE(folder.CreateAsFolder());
    EXPECT_TRUE(folder.SetName("after"));
    EXPECT_TRUE(root_.Child("after").IsFolder());
    EXPECT_TRUE(folder.SetName("after")) << "its own name again";
}

TEST_F(FolderItemTest, RenameNeverReplacesOrMovesAnything) {
    FolderItem file = makeFile("a.txt", "a");
    makeFile("b.txt", "b");
    EXPECT_FALSE(file.SetName("b.txt"));
    EXPECT_EQ(file, root_.Child("a.txt"));
    EXPECT_EQ(contents(root_.Child("a.txt")), "a");
    EXPECT_EQ(contents(root_.Child("b.txt")), "b");

    ASSERT_TRUE(root_.Child("sub").CreateAsFolder());
    EXPECT_FALSE(file.SetName("sub/a.txt"));
    EXPECT_FALSE(file.SetName(".."));
    EXPECT_FALSE(file.SetName(""));
    EXPECT_TRUE(root_.Child("a.txt").Exists());

    FolderItem missing = root_.Child("missing.txt");
    EXPECT_FALSE(missing.SetName("found.txt"));
    EXPECT_EQ(missing, root_.Child("missing.txt"));
}

TEST(SpecialFolder, ApplicationDataFollowsXdgDataHome) {
    // Every test points XDG_DATA_HOME somewhere else; the program must never
    // keep writing into the folder of an earlier test.
    {
        TempDataFolder first;
        EXPECT_EQ(SpecialFolder::ApplicationData(), first.root());
        {
            TempDataFolder second;
            EXPECT_EQ(SpecialFolder::ApplicationData(), second.root());
        }
        EXPECT_EQ(SpecialFolder::ApplicationData(), first.root());
    }
    TempDataFolder third;
    EXPECT_EQ(SpecialFolder::ApplicationData(), third.root());
}

TEST(SpecialFolder, ApplicationDataDefaultsToTheHomeDataFolder) {
    const TempDataFolder restoresTheVariable;
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(SpecialFolder::ApplicationData(),
              FolderItem(QDir::homePath().toStdString()).Child(".local").Child("share"));
}

TEST(SpecialFolder, TemporaryIsTheSystemTemporaryFolder) {
    const FolderItem temporary = SpecialFolder::Temporary();
    EXPECT_TRUE(temporary.IsFolder());
    EXPECT_EQ(temporary, FolderItem(QDir::tempPath().toStdString()));
}

}  // namespace
