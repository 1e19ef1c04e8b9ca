// The update check at start-up against a web server on loopback: what it
// shows, what it leaves behind, and that it never holds up the start.

#include "core/Product.h"
#include "platform/Streams.h"
#include "startup/SplashWindow.h"
#include "startup/newVersionWindow.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/VersionServer.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

class VersionCheckTest : public StartUpTest {
protected:
    VersionCheckTest() {
        qputenv("ROLLKEEP_VERSION_URL", QByteArray::fromStdString(server.url()));
        // A temporary folder of its own, where no other test's check writes.
        qputenv("TMPDIR", temporary_.path().toUtf8());
    }
    ~VersionCheckTest() override {
        closeAllWindows();
        qputenv("ROLLKEEP_VERSION_URL", previousAddress_);
        qputenv("TMPDIR", previousTemporary_);
    }

    static FolderItem versionFile() {
        return SpecialFolder::Temporary().Child("Temporary Version File");
    }

    // Starts the program as at every run, with the splash, and waits until the
    // check has had its answer and its handler has run.
    void runTheCheck() {
        app.Event_Open();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !server.requests().isEmpty(); }, 5000));
        ASSERT_NE(SplashWindow::existing(), nullptr);
        const std::shared_ptr<VersionCheckSocket> socket =
            SplashWindow::existing()->VersionCheckSocket1;
        ASSERT_TRUE(QTest::qWaitFor([&] { return !socket->IsConnected(); }, 5000));
        // The handler is raised from the event loop once the transfer is done.
        QTest::qWait(20);
    }

    void expectNothingShown(bool fileKept = false) {
        EXPECT_EQ(newVersionWindow::existing(), nullptr);
        EXPECT_TRUE(dialogs.asked().empty());
        EXPECT_EQ(versionFile().Exists(), fileKept);
    }

    qint64 millisecondsUntilTheMainWindow() {
        QElapsedTimer clock;
        clock.start();
        app.Event_Open();
        EXPECT_TRUE(QTest::qWaitFor([] { return mainWindow::existing() != nullptr; }, 10000));
        return clock.elapsed();
    }

    VersionServer server;

private:
    QByteArray previousAddress_ = qgetenv("ROLLKEEP_VERSION_URL");
    QByteArray previousTemporary_ = qgetenv("TMPDIR");
    QTemporaryDir temporary_;
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

TEST_F(VersionCheckTest, ANewerVersionShowsItsMarkupAsPlainTextAndDownloadNowOpensTheAddress) {
    const std::string name = "<b>Roll</b><img src=\"logo.png\">";
    const std::string notes = "<a href=\"http://example.com/\">Get it</a>\n<h1>&amp; more</h1>\n";
    server.Answer(name + "\n1.1\n" + notes, 200, "text/html");
    // Answered from the event loop the notice runs while the check's handler waits in it.
    bool shown = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        newVersionWindow* notice = newVersionWindow::existing();
        if (!notice || !notice->Visible())
            return;
        poll.stop();
        shown = true;
        // What the user sees, not only what was set.
        auto* headline = qobject_cast<QLabel*>(notice->StaticText1.widget());
        auto* area = qobject_cast<QTextEdit*>(notice->versionText.widget());
        ASSERT_TRUE(headline && area);
        EXPECT_EQ(headline->textFormat(), Qt::PlainText);
        EXPECT_EQ(headline->text().toStdString(), "A new version of " + name + " is available.");
        EXPECT_EQ(area->toPlainText().toStdString(), notes + "\n");
        EXPECT_FALSE(area->toHtml().contains("<a href"));
        notice->PushButton1.Push();
    });
    poll.start(5);
    runTheCheck();
    EXPECT_TRUE(shown);
    EXPECT_EQ(dialogs.urls(), std::vector<std::string>{std::string(Product::kDownloadURL)});
    EXPECT_EQ(newVersionWindow::existing(), nullptr);
    EXPECT_FALSE(versionFile().Exists());
}

TEST_F(VersionCheckTest, AnEmptyFirstLineLeavesAPrivateFileAndNoPlantedLinkIsFollowed) {
    QTemporaryDir elsewhere;
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

// The splash's real timer: these wait its two seconds.
TEST_F(VersionCheckTest, WithNoServerTheMainWindowComesAfterTwoSecondsAndNothingIsSaid) {
    qputenv("ROLLKEEP_VERSION_URL", "http://127.0.0.1:1/VersionInfo/Rollkeep.txt");
    const qint64 elapsed = millisecondsUntilTheMainWindow();
    EXPECT_GE(elapsed, 1900);
    EXPECT_LT(elapsed, 6000);
    expectNothingShown();
}

TEST_F(VersionCheckTest, AServerThatNeverAnswersDoesNotHoldUpTheHandOver) {
    server.Hang();
    EXPECT_LT(millisecondsUntilTheMainWindow(), 6000);
    // The transfer went with the splash.
    EXPECT_TRUE(QTest::qWaitFor([this] { return server.hangUps() == 1; }, 2000));
    expectNothingShown();
}

}  // namespace
