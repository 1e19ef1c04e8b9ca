#include "platform/Files.h"

#include "platform/Streams.h"
#include "tests/support/TempDataFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(FolderItem, RenameStaysInItsFolderAndNeverReplacesAnything) {
    const TempDataFolder data;
    const FolderItem root = data.root();
    const auto contents = [&](std::string_view name) {
        return root.Child(name).OpenAsTextFile()->ReadAll();
    };
    FolderItem file = root.Child("a.txt");
    ASSERT_FALSE(WriteTextFile(file, "a"));
    ASSERT_FALSE(WriteTextFile(root.Child("b.txt"), "b"));
    ASSERT_TRUE(root.Child("sub").CreateAsFolder());
    for (const char* name : {"b.txt", "sub", "sub/a.txt", "..", ""}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(file.SetName(name));
        EXPECT_EQ(file, root.Child("a.txt"));
    }
    EXPECT_EQ(contents("a.txt"), "a");
    EXPECT_EQ(contents("b.txt"), "b");
    EXPECT_FALSE(root.Child("sub").Child("a.txt").Exists());

    FolderItem missing = root.Child("missing.txt");
    EXPECT_FALSE(missing.SetName("found.txt"));
    EXPECT_FALSE(root.Child("found.txt").Exists());

    EXPECT_TRUE(file.SetName("c.txt"));
    EXPECT_EQ(file, root.Child("c.txt"));
    EXPECT_FALSE(root.Child("a.txt").Exists());
    EXPECT_EQ(contents("c.txt"), "a");
}

}  // namespace
