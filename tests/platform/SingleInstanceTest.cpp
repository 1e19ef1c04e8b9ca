// One copy per data folder: the lock, where the socket may live, and what a
// later start is told.

#include "platform/SingleInstance.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// Points an environment variable elsewhere for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QString& value)
        : name_(name), previous_(qgetenv(name)), hadPrevious_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value.toUtf8());
    }
    ~ScopedEnv() {
        if (hadPrevious_)
            qputenv(name_, previous_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray previous_;
    bool hadPrevious_;
};

class SingleInstanceTest : public ::testing::Test {
protected:
    SingleInstanceTest() {
        QDir(scratch.path()).mkpath("tmp");
        QDir(scratch.path()).mkpath("runtime");
        fs::permissions(runtime(), fs::perms::owner_all, fs::perm_options::replace);
    }

    fs::path runtime() const { return scratch.filePath("runtime").toStdString(); }
    FolderItem folder(const char* name) const {
        return FolderItem(scratch.filePath(name).toStdString());
    }

    QTemporaryDir scratch;
    ScopedEnv runtimeDir{"XDG_RUNTIME_DIR", scratch.filePath("runtime")};
    ScopedEnv tmpDir{"TMPDIR", scratch.filePath("tmp")};
};

TEST_F(SingleInstanceTest, ALaterStartHandsOverToTheHolderAndTakesOverOnceItIsGone) {
    const FolderItem data = folder("data/Rollkeep");
    int activations = 0;
    {
        SingleInstance first(data);
        first.Activated = [&] { ++activations; };
        ASSERT_EQ(first.Start(), SingleInstance::State::Holder);
        EXPECT_TRUE(data.IsFolder());
        EXPECT_EQ(SingleInstance::SocketPath(data).parent_path(), runtime());

        SingleInstance second(data);
        EXPECT_EQ(second.Start(), SingleInstance::State::HandedOver);
        EXPECT_TRUE(QTest::qWaitFor([&] { return activations == 1; }, 5000));
    }
    SingleInstance next(data);
    EXPECT_EQ(next.Start(), SingleInstance::State::Holder);
    EXPECT_TRUE(next.Problem().empty()) << next.Problem();
}

TEST_F(SingleInstanceTest, OneFolderByAnyPathIsOneRollAndTwoFoldersAreTwo) {
    SingleInstance holder(folder("data/Rollkeep"));
    ASSERT_EQ(holder.Start(), SingleInstance::State::Holder);

    fs::create_symlink(scratch.filePath("data").toStdString(),
                       scratch.filePath("link").toStdString());
    SingleInstance throughLink(folder("link/Rollkeep"));
    EXPECT_EQ(throughLink.Start(), SingleInstance::State::HandedOver);

    SingleInstance other(folder("other/Rollkeep"));
    EXPECT_EQ(other.Start(), SingleInstance::State::Holder);
}

TEST_F(SingleInstanceTest, AHolderOutOfReachIsNamedByItsProcess) {
    const FolderItem data = folder("data/Rollkeep");
    SingleInstance holder(data);
    ASSERT_EQ(holder.Start(), SingleInstance::State::Holder);

    // Started from another session: same roll, another runtime folder.
    QDir(scratch.path()).mkpath("elsewhere");
    fs::permissions(scratch.filePath("elsewhere").toStdString(), fs::perms::owner_all,
                    fs::perm_options::replace);
    ScopedEnv elsewhere("XDG_RUNTIME_DIR", scratch.filePath("elsewhere"));
    SingleInstance later(data);
    EXPECT_EQ(later.Start(), SingleInstance::State::Unreachable);
    EXPECT_EQ(later.Holder(), "process " + std::to_string(::getpid()));
}

TEST_F(SingleInstanceTest, TheSocketStaysOutOfFoldersOthersCanWrite) {
    const FolderItem data = folder("data/Rollkeep");
    const fs::path own =
        scratch.filePath("tmp").toStdString() + "/rollkeep-" + std::to_string(::geteuid());

    fs::permissions(runtime(), fs::perms::all, fs::perm_options::replace);
    EXPECT_EQ(SingleInstance::SocketPath(data).parent_path(), own);
    EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_all);

    // Without XDG_RUNTIME_DIR the same private folder is used, and put right
    // when it was left open.
    ScopedEnv unset("XDG_RUNTIME_DIR", QString());
    fs::permissions(own, fs::perms::all, fs::perm_options::replace);
    SingleInstance holder(data);
    ASSERT_EQ(holder.Start(), SingleInstance::State::Holder);
    EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_all);
    EXPECT_TRUE(fs::is_socket(SingleInstance::SocketPath(data)));
}

TEST_F(SingleInstanceTest, APrivateFolderThatIsNotOursIsNotUsedButTheRollIsStillLocked) {
    ScopedEnv unset("XDG_RUNTIME_DIR", QString());
    const fs::path own =
        scratch.filePath("tmp").toStdString() + "/rollkeep-" + std::to_string(::geteuid());
    // Taken first by a link to a folder someone else controls.
    fs::create_directory(scratch.filePath("theirs").toStdString());
    fs::create_directory_symlink(scratch.filePath("theirs").toStdString(), own);

    const FolderItem data = folder("data/Rollkeep");
    EXPECT_TRUE(SingleInstance::SocketPath(data).empty());
    SingleInstance holder(data);
    ASSERT_EQ(holder.Start(), SingleInstance::State::Holder);
    EXPECT_NE(holder.Problem().find("can't reach"), std::string::npos) << holder.Problem();
    EXPECT_TRUE(fs::is_empty(scratch.filePath("theirs").toStdString()));

    SingleInstance later(data);
    EXPECT_EQ(later.Start(), SingleInstance::State::Unreachable);
}

TEST_F(SingleInstanceTest, ALockThatCannotBeTakenRefusesTheStart) {
    const FolderItem data = folder("data/Rollkeep");
    ASSERT_TRUE(data.Child(SingleInstance::kLockFileName).CreateAsFolder());
    SingleInstance instance(data);
    EXPECT_EQ(instance.Start(), SingleInstance::State::Failed);
    EXPECT_NE(instance.Problem().find(SingleInstance::kLockFileName), std::string::npos)
        << instance.Problem();
}

}  // namespace
