// The update check at start-up against a web server on loopback: what it
// shows, what it leaves behind, and that it never holds up the start.

#include "core/Product.h"
#include "platform/Streams.h"
#include "startup/SplashWindow.h"
#include "startup/newVersionWindow.h"
#include "tests/support/HTTPSocketProbe.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/VersionServer.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <string>

namespace {

class VersionCheckTest : public StartUpTest {
protected:
    // A temporary folder of its own, where no other test program's check writes.
    static void SetUpTestSuite() {
        static const QTemporaryDir temporary;
        qputenv("TMPDIR", temporary.path().toUtf8());
    }
    VersionCheckTest() {
        qputenv("ROLLKEEP_VERSION_URL", QByteArray::fromStdString(server.url()));
        std::filesystem::remove(versionFile().Path());
    }
    // The check goes with the windows, while its server is still there.
    ~VersionCheckTest() override { closeAllWindows(); }

    static FolderItem versionFile() {
        return SpecialFolder::Temporary().Child("Temporary Version File");
    }

    // Starts the program as at every run and waits until the check has had
    // its answer and its handler, raised from the event loop, has run.
    void runTheCheck() {
        app.Event_Open();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !server.requests().isEmpty(); }, 5000));
        ASSERT_NE(SplashWindow::existing(), nullptr);
        const auto socket = SplashWindow::existing()->VersionCheckSocket1;
        ASSERT_TRUE(QTest::qWaitFor([&] { return !HTTPSocketProbe::Transferring(*socket); }, 5000));
        QTest::qWait(20);
    }

    // The notice runs its own event loop while the check's handler waits in
    // it; there the answer given looks at it and closes it, each time it shows.
    void whenTheNoticeShows(std::function<void(newVersionWindow&)> answer) {
        QObject::connect(&noticePoll, &QTimer::timeout, &noticePoll, [this, answer] {
            newVersionWindow* notice = newVersionWindow::existing();
            if (!notice || !notice->Visible())
                return;
            noticeShown = true;
            answer(*notice);
        });
        noticePoll.start(5);
    }

    void expectNothingShown(bool fileKept = false) {
        EXPECT_FALSE(noticeShown);
        EXPECT_EQ(newVersionWindow::existing(), nullptr);
        EXPECT_TRUE(dialogs.asked().empty());
        EXPECT_EQ(versionFile().Exists(), fileKept);
    }

    VersionServer server;
    QTimer noticePoll;
    bool noticeShown = false;
};

TEST_F(VersionCheckTest, TheSameVersionShowsNothing) {
    server.Answer("Rollkeep\n1.0.0\n");
    runTheCheck();
    expectNothingShown();
}

TEST_F(VersionCheckTest, AnErrorPageShowsNothing) {
    server.Answer("<!DOCTYPE html>\n<html><title>404 Not Found</title></html>\n", 404, "text/html");
    runTheCheck();
    expectNothingShown();
}

// A newer version in every one of these, so only a check that takes what
// is not a whole answer shows it.
TEST_F(VersionCheckTest, AnAnswerCutOffOrRedirectedShowsNothingAndLeavesNoFile) {
    const std::string text = "Rollkeep\n1.1\n" + std::string(340, 'n');
    const struct {
        const char* what;
        std::string response;
    } cases[] = {
        {"cut off", "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n" + text},
        {"chunks cut off",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n161\r\n" + text + "\r\n"},
        {"error page cut off", "HTTP/1.1 404 Not Found\r\nContent-Length: 100000\r\n\r\n" + text},
        {"redirect without a place", "HTTP/1.1 303 See Other\r\nContent-Length: " +
                                         std::to_string(text.size()) + "\r\n\r\n" + text},
    };
    whenTheNoticeShows([](newVersionWindow& notice) { notice.PushButton2.Push(); });
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        server.AnswerRaw(c.response);
        runTheCheck();
        expectNothingShown();
        closeAllWindows();
        noticeShown = false;
    }
}

TEST_F(VersionCheckTest, ANewerVersionShowsItsMarkupAsPlainTextAndDownloadNowOpensTheAddress) {
    const std::string name = "<b>Roll</b><img src=\"logo.png\">";
    const std::string notes = "<a href=\"http://example.com/\">Get it</a>\n<h1>&amp; more</h1>\n";
    server.Answer(name + "\n1.1\n" + notes, 200, "text/html");
    whenTheNoticeShows([&](newVersionWindow& notice) {
        // What the user sees, not only what was set.
        auto* headline = qobject_cast<QLabel*>(notice.StaticText1.widget());
        auto* area = qobject_cast<QTextEdit*>(notice.versionText.widget());
        ASSERT_TRUE(headline && area);
        EXPECT_EQ(headline->textFormat(), Qt::PlainText);
        EXPECT_EQ(headline->text().toStdString(), "A new version of " + name + " is available.");
        EXPECT_EQ(notice.versionLabel.Text(), "New version: 1.1");
        EXPECT_EQ(area->toPlainText().toStdString(), notes + "\n");
        EXPECT_FALSE(area->toHtml().contains("<a href"));
        notice.PushButton1.Push();
    });
    runTheCheck();
    EXPECT_TRUE(noticeShown);
    EXPECT_EQ(dialogs.urls(), std::vector<std::string>{std::string(Product::kDownloadURL)});
    EXPECT_EQ(newVersionWindow::existing(), nullptr);
    EXPECT_FALSE(versionFile().Exists());
}

TEST_F(VersionCheckTest, AnEmptyFirstLineLeavesAPrivateFileAndNoPlantedLinkIsFollowed) {
    const QTemporaryDir elsewhere;
    const std::string target = elsewhere.filePath("target").toStdString();
    std::filesystem::create_symlink(target, versionFile().Path());
    server.Answer("\n1.0.1\nnotes");
    runTheCheck();
    expectNothingShown(true);
    EXPECT_FALSE(std::filesystem::exists(target));
    ASSERT_FALSE(std::filesystem::is_symlink(versionFile().Path()));
    EXPECT_EQ(versionFile().OpenAsTextFile()->ReadAll(), "\n1.0.1\nnotes");
    using std::filesystem::perms;
    const perms permissions = std::filesystem::status(versionFile().Path()).permissions();
    EXPECT_EQ(permissions & (perms::group_all | perms::others_all), perms::none);
}

TEST_F(VersionCheckTest, AnEndlessBodyIsCutOffAndShowsNothing) {
    server.SendEndlessly();
    app.Event_Open();
    ASSERT_TRUE(QTest::qWaitFor([this] { return server.hangUps() == 1; }, 10000));
    QTest::qWait(20);
    expectNothingShown();
    // It stopped soon after the first mebibyte, not at whatever the server had.
    EXPECT_LT(server.bytesSent(), 16 * 1024 * 1024);
}

// With the splash's real timer: each start waits its two seconds.
TEST_F(VersionCheckTest, AServerThatNeverAnswersOrNoServerHoldsUpNothingAndSaysNothing) {
    server.Hang();
    for (const bool hanging : {true, false}) {
        SCOPED_TRACE(hanging ? "never answers" : "no server");
        QElapsedTimer clock;
        clock.start();
        app.Event_Open();
        // Before its hand-over the splash refuses to close.
        EXPECT_FALSE(SplashWindow::instance().Close());
        ASSERT_TRUE(QTest::qWaitFor([] { return mainWindow::existing() != nullptr; }, 10000));
        EXPECT_GE(clock.elapsed(), 1900);
        EXPECT_LT(clock.elapsed(), 6000);
        // The transfer went with the splash.
        EXPECT_TRUE(QTest::qWaitFor([this] { return server.hangUps() == 1; }, 2000));
        expectNothingShown();
        closeAllWindows();
        qputenv("ROLLKEEP_VERSION_URL", "http://127.0.0.1:1/VersionInfo/Rollkeep.txt");
    }
}

}  // namespace
