#include "platform/Streams.h"

#include "platform/Files.h"
#include "tests/support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>
#include <QDir>
#include <csignal>
#include <vector>

namespace {

class StreamsTest : public ::testing::Test {
protected:
    TempDataFolder data_;
    FolderItem root_ = data_.root();
    FolderItem file_ = root_.Child("roll.txt");

    void writeRaw(const FolderItem& file, std::string_view bytes) const {
        auto out = file.CreateTextFile();
        ASSERT_TRUE(out);
        out->Write(bytes);
        ASSERT_TRUE(out->Close());
    }

    std::vector<std::string> linesOf(std::string_view bytes) const {
        writeRaw(file_, bytes);
        auto in = file_.OpenAsTextFile();
        std::vector<std::string> lines;
        while (in && !in->EndOfFile())
            lines.push_back(in->ReadLine());
        return lines;
    }

    std::string contents(const FolderItem& file) const {
        auto in = file.OpenAsTextFile();
        return in ? in->ReadAll() : "<unreadable>";
    }

    // Everything in the folder, so that a left-behind temporary file shows.
    QStringList folderEntries() const {
        return QDir(QString::fromStdString(root_.Path().string()))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

using Lines = std::vector<std::string>;

TEST_F(StreamsTest, LinesEndAtAnyOfTheThreeLineEnds) {
    EXPECT_EQ(linesOf("a\nb\r\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(linesOf("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(linesOf("\r\r"), (Lines{"", ""}));
    // "\n\r" is two line ends, not one written backwards.
    EXPECT_EQ(linesOf("a\n\rb"), (Lines{"a", "", "b"}));
}

TEST_F(StreamsTest, LastLineEndGivesNoExtraEmptyLine) {
    EXPECT_EQ(linesOf("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(linesOf("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(linesOf("a\r"), (Lines{"a"}));
    EXPECT_EQ(linesOf("\n"), (Lines{""}));
    EXPECT_EQ(linesOf(""), (Lines{}));
    EXPECT_EQ(linesOf("no line end"), (Lines{"no line end"}));
}

TEST_F(StreamsTest, EndOfFileRightAfterTheLastLine) {
    writeRaw(file_, "first\r\nsecond\r\n");
    auto in = file_.OpenAsTextFile();
    ASSERT_TRUE(in);
    EXPECT_FALSE(in->EndOfFile());
    EXPECT_EQ(in->ReadLine(), "first");
    EXPECT_FALSE(in->EndOfFile());
    EXPECT_EQ(in->ReadLine(), "second");
    EXPECT_TRUE(in->EndOfFile());
    EXPECT_EQ(in->ReadLine(), "");
    EXPECT_EQ(in->ReadAll(), "");
}

TEST_F(StreamsTest, ReadAllGivesTheRestUnchanged) {
    writeRaw(file_, "head\r\nbody 1\r\nbody 2\r");
    auto in = file_.OpenAsTextFile();
    ASSERT_TRUE(in);
    EXPECT_EQ(in->ReadLine(), "head");
    EXPECT_EQ(in->ReadAll(), "body 1\r\nbody 2\r");
    EXPECT_TRUE(in->EndOfFile());
    in->Close();
    EXPECT_TRUE(in->EndOfFile());
}

TEST_F(StreamsTest, OddBytesSurviveWriteAndRead) {
    // Latin-1 from an old roll, a lone "\r", NUL, a byte-order mark kept as
    // bytes, and every byte value once.
    std::string odd("caf\xE9\r\xEF\xBB\xBF\0\xFF\xFE tail", 15);
    for (int byte = 0; byte < 256; ++byte)
        odd.push_back(static_cast<char>(byte));
    writeRaw(file_, odd);
    EXPECT_EQ(contents(file_), odd);

    writeRaw(file_, "\xEF\xBB\xBFName\n");
    auto in = file_.OpenAsTextFile();
    ASSERT_TRUE(in);
    EXPECT_EQ(in->ReadLine(), "\xEF\xBB\xBFName");
}

TEST_F(StreamsTest, WriteLineEndsEachLineWithTheLineEnd) {
    auto out = file_.CreateTextFile();
    ASSERT_TRUE(out);
    out->WriteLine("one");
    out->WriteLine("");
    out->Write("two ");
    out->WriteLine("three");
    ASSERT_TRUE(out->Close());
    EXPECT_EQ(contents(file_), "one\n\ntwo three\n");
}

TEST_F(StreamsTest, OpenGivesNothingForWhatCannotBeRead) {
    EXPECT_FALSE(root_.Child("missing.txt").OpenAsTextFile());
    EXPECT_FALSE(root_.OpenAsTextFile()) << "a folder";
    EXPECT_FALSE(FolderItem().OpenAsTextFile());
    // Opening succeeds here and only reading fails, even for root.
    if (QFile::exists("/proc/self/mem")) {
        EXPECT_FALSE(FolderItem("/proc/self/mem").OpenAsTextFile());
    }
}

TEST_F(StreamsTest, CloseReplacesTheOldFileAtOnce) {
    writeRaw(file_, "old roll\n");
    auto out = file_.CreateTextFile();
    ASSERT_TRUE(out);
    out->WriteLine("new roll");
    // Until Close() readers still see the whole old file.
    EXPECT_EQ(contents(file_), "old roll\n");
    EXPECT_TRUE(out->Close());
    EXPECT_EQ(contents(file_), "new roll\n");
    EXPECT_EQ(folderEntries(), QStringList{"roll.txt"});

    EXPECT_FALSE(out->Close()) << "closing twice commits nothing";
    out->Write("after close");
    EXPECT_EQ(contents(file_), "new roll\n");
}

TEST_F(StreamsTest, StreamDroppedWithoutCloseKeepsTheOldFile) {
    writeRaw(file_, "old roll\n");
    {
        auto out = file_.CreateTextFile();
        ASSERT_TRUE(out);
        out->Write("half a new ro");
    }
    EXPECT_EQ(contents(file_), "old roll\n");
    EXPECT_EQ(folderEntries(), QStringList{"roll.txt"});

    {
        auto out = root_.Child("never.txt").CreateTextFile();
        ASSERT_TRUE(out);
        out->Write("x");
    }
    EXPECT_FALSE(root_.Child("never.txt").Exists());
}

TEST_F(StreamsTest, CreateGivesNothingWhereNoFileCanBe) {
    EXPECT_FALSE(root_.Child("missing").Child("roll.txt").CreateTextFile());
    ASSERT_TRUE(root_.Child("folder").CreateAsFolder());
    EXPECT_FALSE(root_.Child("folder").CreateTextFile());
    writeRaw(file_, "x");
    EXPECT_FALSE(file_.Child("below a file").CreateTextFile());
    EXPECT_FALSE(FolderItem().CreateTextFile());
    EXPECT_TRUE(root_.Child("folder").IsFolder());
    EXPECT_EQ(contents(file_), "x");
}

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

TEST_F(StreamsTest, FailedWriteKeepsTheOldFileWhole) {
    const std::string old = "old roll\n" + std::string(1000, 'o');
    writeRaw(file_, old);
    {
        const FileSizeLimit limit(4096);
        auto out = file_.CreateTextFile();
        ASSERT_TRUE(out);
        for (int row = 0; row < 1000; ++row)
            out->WriteLine("a row that will not fit the room left on the disk");
        EXPECT_FALSE(out->Close());
    }
    EXPECT_EQ(contents(file_), old);
    EXPECT_EQ(folderEntries(), QStringList{"roll.txt"});
}

}  // namespace

namespace {

// Each failure comes with the system's own reason, so the user can act on it;
// a full or read-only disk is tried through the program in SaveFailureTest.
TEST_F(StreamsTest, FailuresSayWhy) {
    ASSERT_TRUE(root_.Child("folder").CreateAsFolder());
    EXPECT_FALSE(root_.Child("folder").CreateTextFile());
    EXPECT_EQ(FolderItem::LastWriteError(), "Is a directory");
    EXPECT_FALSE(root_.Child("missing").Child("roll.txt").CreateTextFile());
    EXPECT_EQ(FolderItem::LastWriteError(), "No such file or directory");
    EXPECT_FALSE(root_.Child("folder").OpenAsTextFile());
    EXPECT_EQ(FolderItem::LastReadError(), "Is a directory");
    EXPECT_FALSE(root_.Child("missing.txt").OpenAsTextFile());
    EXPECT_EQ(FolderItem::LastReadError(), "No such file or directory");
    // A write that went well leaves no reason behind from the failures.
    auto out = file_.CreateTextFile();
    ASSERT_TRUE(out);
    EXPECT_EQ(FolderItem::LastWriteError(), "");
    EXPECT_TRUE(out->Close());
}

}  // namespace
