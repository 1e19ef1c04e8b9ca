#include "platform/Streams.h"

#include "platform/Files.h"
#include "tests/support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>
#include <QDir>
#include <csignal>

namespace {

class StreamsTest : public ::testing::Test {
protected:
    TempDataFolder data_;
    FolderItem root_ = data_.root();
    FolderItem file_ = root_.Child("roll.txt");

    void writeRaw(std::string_view bytes) const {
        auto out = file_.CreateTextFile();
        ASSERT_TRUE(out);
        out->Write(bytes);
        ASSERT_TRUE(out->Close());
    }

    std::string contents() const {
        auto in = file_.OpenAsTextFile();
        return in ? in->ReadAll() : "<unreadable>";
    }

    // Everything in the folder, so that a left-behind temporary file shows.
    QStringList folderEntries() const {
        return QDir(QString::fromStdString(root_.Path().string()))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

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

TEST_F(StreamsTest, TheOldFileStaysWholeUntilANewOneIsCompletelyWritten) {
    const std::string old = "old roll\n" + std::string(1000, 'o');
    writeRaw(old);
    {
        auto dropped = file_.CreateTextFile();
        ASSERT_TRUE(dropped);
        dropped->Write("half a new ro");
    }
    EXPECT_EQ(contents(), old);
    {
        const FileSizeLimit limit(4096);
        auto out = file_.CreateTextFile();
        ASSERT_TRUE(out);
        for (int row = 0; row < 1000; ++row)
            out->WriteLine("a row that will not fit the room left on the disk");
        EXPECT_FALSE(out->Close());
        EXPECT_EQ(out->ErrorText(), "File too large");
    }
    EXPECT_EQ(contents(), old);
    EXPECT_EQ(folderEntries(), QStringList{"roll.txt"});

    auto out = file_.CreateTextFile();
    ASSERT_TRUE(out);
    out->WriteLine("new roll");
    EXPECT_EQ(contents(), old);
    EXPECT_TRUE(out->Close());
    EXPECT_EQ(contents(), "new roll\n");
    EXPECT_EQ(folderEntries(), QStringList{"roll.txt"});
}

}  // namespace
