#include "platform/Streams.h"

#include "platform/Files.h"
#include "tests/support/TempDataFolder.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <QDir>
#include <csignal>
#include <filesystem>
#include <fstream>

namespace {

// Lowers the largest file this process may write, the way a full disk would
// stop a write half-way; works for root as well, unlike file permissions.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        // Past the limit the kernel sends SIGXFSZ, which would end the test
        // program; ignored, the write fails with EFBIG instead.
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = previous_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

TEST(TextOutputStream, TheOldFileStaysWholeUntilANewOneIsCompletelyWritten) {
    const TempDataFolder data;
    const FolderItem file = data.root().Child("roll.txt");
    const auto contents = [&] { return file.OpenAsTextFile()->ReadAll(); };
    // Everything in the folder, so that a left-behind temporary file shows.
    const auto entries = [&] {
        return QDir(QString::fromStdString(data.root().Path().string()))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    const std::string old = "old roll\n" + std::string(1000, 'o');
    ASSERT_FALSE(WriteTextFile(file, old));

    file.CreateTextFile()->Write("dropped without closing");
    EXPECT_EQ(contents(), old);
    {
        const FileSizeLimit limit(4096);
        auto out = file.CreateTextFile();
        ASSERT_TRUE(out);
        for (int row = 0; row < 1000; ++row)
            out->WriteLine("a row that will not fit the room left on the disk");
        EXPECT_FALSE(out->Close());
        EXPECT_EQ(out->ErrorText(), "File too large");
    }
    EXPECT_EQ(contents(), old);
    EXPECT_EQ(entries(), QStringList{"roll.txt"});

    auto out = file.CreateTextFile();
    out->WriteLine("new roll");
    EXPECT_EQ(contents(), old);
    EXPECT_TRUE(out->Close());
    EXPECT_EQ(contents(), "new roll\n");
    EXPECT_EQ(entries(), QStringList{"roll.txt"});
}

TEST(TextInputStream, OnlyARegularFileWithinTheSizeGivenIsReadAndNothingWaits) {
    namespace fs = std::filesystem;
    const TempDataFolder data;
    data.write("text", "twelve bytes");
    data.makePipe("pipe");
    const FolderItem text = data.dataFolder().Child("text");
    const FolderItem pipe = data.dataFolder().Child("pipe");
    const FolderItem device = data.dataFolder().Child("device");
    fs::create_symlink("/dev/zero", device.Path());

    const auto whyNot = [](const FolderItem& file, uint64_t largest) {
        return TextInputStream::Open(file, largest) ? "" : FolderItem::LastReadError();
    };
    EXPECT_EQ(whyNot(text, 12), "");
    EXPECT_EQ(whyNot(text, 11), "it is 12 bytes, more than the 11 bytes that can safely be read");
    EXPECT_EQ(whyNot(data.root(), 12), "Is a directory");
    EXPECT_EQ(whyNot(pipe, 12), "Is a named pipe, not a file");
    EXPECT_EQ(whyNot(device, 12), "Is a device, not a file");
    EXPECT_EQ(whyNot(data.root().Child("missing"), 12), "No such file or directory");

    // A file that grows past the size while it is read gives nothing.
    auto in = TextInputStream::Open(text, 12);
    ASSERT_TRUE(in);
    std::ofstream(text.Path(), std::ios::app) << "!";
    EXPECT_EQ(in->ReadAll(), "");
    EXPECT_EQ(in->ErrorText(), "it is 13 bytes, more than the 12 bytes that can safely be read");
}

}  // namespace
