#include "platform/Files.h"

#include "platform/Streams.h"
#include "tests/support/TempDataFolder.h"

#include <gtest/gtest.h>

namespace {

class FolderItemTest : public ::testing::Test {
protected:
    TempDataFolder data_;
    FolderItem root_ = data_.root();

    FolderItem makeFile(std::string_view name, std::string_view bytes) const {
        const FolderItem file = root_.Child(name);
        EXPECT_FALSE(WriteTextFile(file, bytes));
        return file;
    }

    std::string contents(std::string_view name) const {
        auto in = root_.Child(name).OpenAsTextFile();
        return in ? in->ReadAll() : "<unreadable>";
    }
};

TEST_F(FolderItemTest, RenameStaysInItsFolderAndNeverReplacesAnything) {
    FolderItem file = makeFile("a.txt", "a");
    makeFile("b.txt", "b");
    ASSERT_TRUE(root_.Child("sub").CreateAsFolder());
    for (const char* name : {"b.txt", "sub", "sub/a.txt", "..", ""}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(file.SetName(name));
        EXPECT_EQ(file, root_.Child("a.txt"));
    }
    EXPECT_EQ(contents("a.txt"), "a");
    EXPECT_EQ(contents("b.txt"), "b");
    EXPECT_FALSE(root_.Child("sub").Child("a.txt").Exists());

    FolderItem missing = root_.Child("missing.txt");
    EXPECT_FALSE(missing.SetName("found.txt"));
    EXPECT_FALSE(root_.Child("found.txt").Exists());

    EXPECT_TRUE(file.SetName("c.txt"));
    EXPECT_EQ(file, root_.Child("c.txt"));
    EXPECT_FALSE(root_.Child("a.txt").Exists());
    EXPECT_EQ(contents("c.txt"), "a");
}

}  // namespace
