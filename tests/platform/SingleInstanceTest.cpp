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
};

TEST_F(SingleInstanceTest, OneFolderByAnyPathIsOneRollAndALockNotTakenRefusesTheStart) {
    SingleInstance holder(data);
    ASSERT_EQ(holder.Start(), SingleInstance::State::Holder);
    fs::create_symlink(path("data"), path("link"));
    SingleInstance throughLink(FolderItem(path("link/Rollkeep")));
    EXPECT_EQ(throughLink.Start(), SingleInstance::State::HandedOver);
    SingleInstance other(FolderItem(path("other/Rollkeep")));
    EXPECT_EQ(other.Start(), SingleInstance::State::Holder);

    const FolderItem blocked(path("blocked/Rollkeep"));
    ASSERT_TRUE(blocked.Child(SingleInstance::kLockFileName).CreateAsFolder());
    SingleInstance refused(blocked);
    EXPECT_EQ(refused.Start(), SingleInstance::State::Failed);
    EXPECT_NE(refused.Problem().find(SingleInstance::kLockFileName), std::string::npos)
        << refused.Problem();
}

TEST_F(SingleInstanceTest, APrivateFolderThatIsNotOursIsNotUsedButTheRollIsStillLocked) {
    qunsetenv("XDG_RUNTIME_DIR");
    // The private folder used without a runtime folder, taken first by a link
    // to a folder someone else controls.
    fs::create_directory(path("theirs"));
    fs::create_directory_symlink(path("theirs"),
                                 path("tmp") / ("rollkeep-" + std::to_string(::geteuid())));

    EXPECT_TRUE(SingleInstance::SocketPath(data).empty());
    SingleInstance holder(data);
    ASSERT_EQ(holder.Start(), SingleInstance::State::Holder);
    EXPECT_NE(holder.Problem().find("can't reach"), std::string::npos) << holder.Problem();
    EXPECT_TRUE(fs::is_empty(path("theirs")));
    SingleInstance later(data);
    EXPECT_EQ(later.Start(), SingleInstance::State::Unreachable);
}

}  // namespace
