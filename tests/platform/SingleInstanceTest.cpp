// One copy per data folder, whatever path names it, and a socket never put
// where someone else chose. Hand-over, stale files and an unreachable holder
// are tried with the real program in tests/roll/OneCopyTest.cpp.

#include "platform/SingleInstance.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

class SingleInstanceTest : public ::testing::Test {
protected:
    SingleInstanceTest() {
        qputenv("XDG_RUNTIME_DIR", scratch.filePath("runtime").toUtf8());
        qputenv("TMPDIR", scratch.filePath("tmp").toUtf8());
        QDir(scratch.path()).mkpath("tmp");
        QDir(scratch.path()).mkpath("runtime");
        fs::permissions(path("runtime"), fs::perms::owner_all, fs::perm_options::replace);
    }
    // Nothing else in this program needs them, and a folder gone would mislead the next test.
    ~SingleInstanceTest() override {
        qunsetenv("XDG_RUNTIME_DIR");
        qunsetenv("TMPDIR");
    }

    fs::path path(const char* name) const { return scratch.filePath(name).toStdString(); }

    QTemporaryDir scratch;
    const FolderItem data{path("data/Rollkeep")};
    // The private folder used when the runtime folder can't be.
    const fs::path own = path("tmp") / ("rollkeep-" + std::to_string(::geteuid()));
};

TEST_F(SingleInstanceTest, OneFolderByAnyPathIsOneRollAndTwoFoldersAreTwo) {
    SingleInstance holder(data);
    ASSERT_EQ(holder.Start(), SingleInstance::State::Holder);

    fs::create_symlink(path("data"), path("link"));
    SingleInstance throughLink(FolderItem(path("link/Rollkeep")));
    EXPECT_EQ(throughLink.Start(), SingleInstance::State::HandedOver);

    SingleInstance other(FolderItem(path("other/Rollkeep")));
    EXPECT_EQ(other.Start(), SingleInstance::State::Holder);
}

TEST_F(SingleInstanceTest, APrivateFolderThatIsNotOursIsNotUsedButTheRollIsStillLocked) {
    qunsetenv("XDG_RUNTIME_DIR");
    // Taken first by a link to a folder someone else controls.
    fs::create_directory(path("theirs"));
    fs::create_directory_symlink(path("theirs"), own);

    EXPECT_TRUE(SingleInstance::SocketPath(data).empty());
    SingleInstance holder(data);
    ASSERT_EQ(holder.Start(), SingleInstance::State::Holder);
    EXPECT_NE(holder.Problem().find("can't reach"), std::string::npos) << holder.Problem();
    EXPECT_TRUE(fs::is_empty(path("theirs")));

    SingleInstance later(data);
    EXPECT_EQ(later.Start(), SingleInstance::State::Unreachable);
}

TEST_F(SingleInstanceTest, ALockThatCannotBeTakenRefusesTheStart) {
    ASSERT_TRUE(data.Child(SingleInstance::kLockFileName).CreateAsFolder());
    SingleInstance instance(data);
    EXPECT_EQ(instance.Start(), SingleInstance::State::Failed);
    EXPECT_NE(instance.Problem().find(SingleInstance::kLockFileName), std::string::npos)
        << instance.Problem();
}

}  // namespace
