// The update check at start-up against a web server on loopback: what it asks,
// what it shows, what it leaves behind, and that it never holds up the start.

#include "core/Product.h"
#include "platform/Streams.h"
#include "startup/SplashWindow.h"
#include "startup/newVersionWindow.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/VersionServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>

namespace {

class VersionCheckTest : public StartUpTest {
protected:
    VersionCheckTest()
        : previousAddress_(qgetenv("ROLLKEEP_VERSION_URL")), previousTemporary_(qgetenv("TMPDIR")) {
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

    // Starts the program as at every run: the splash opens and the check
    // begins.
    void start() { app.Event_Open(); }

    // Runs the action as soon as the notice is up. The check's handler waits
    // in the notice, so whatever a test does there happens from the event
    // loop the notice runs.
    void whenNoticeShows(std::function<void(newVersionWindow&)> action) {
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, action = std::move(action)] {
            newVersionWindow* notice = newVersionWindow::existing();
            if (!notice || !notice->Visible())
                return;
            poll->deleteLater();
            poll->stop();
            action(*notice);
        });
        poll->start(5);
    }

    // Waits until the check has had its answer and its handler has run.
    void waitForTheCheck() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !server.requests().isEmpty(); }, 5000));
        SplashWindow* splash = SplashWindow::existing();
        ASSERT_NE(splash, nullptr);
        const std::shared_ptr<VersionCheckSocket> socket = splash->VersionCheckSocket1;
        ASSERT_TRUE(QTest::qWaitFor([&] { return !socket->IsConnected(); }, 5000));
        // The handler is raised from the event loop once the transfer is done.
        QTest::qWait(20);
    }

    void expectNothingShown() {
        EXPECT_EQ(newVersionWindow::existing(), nullptr);
        EXPECT_TRUE(dialogs.asked().empty());
    }

    VersionServer server;

private:
    QByteArray previousAddress_;
    QByteArray previousTemporary_;
    QTemporaryDir temporary_;
};

TEST_F(VersionCheckTest, AsksForTheVersionTextWithTheDefaultHeadersOnly) {
    server.Answer("Rollkeep\n1.0.0\n");
    start();
    waitForTheCheck();
    ASSERT_EQ(server.requests().size(), 1);
    const QList<QByteArray> lines = server.requests().front().split('\n');
    EXPECT_EQ(lines.front().trimmed(), "GET /VersionInfo/Rollkeep.txt HTTP/1.1");
    EXPECT_TRUE(lines.contains("Accept: */*\r"));
    EXPECT_TRUE(lines.contains("Accept-Language: en\r"));
}

TEST_F(VersionCheckTest, ANewerVersionShowsTheNoticeUntilDownloadLater) {
    // No line end after the notes' one line.
    server.Answer("Rollkeep\n1.0.1\nFaster start-up");
    bool seen = false;
    whenNoticeShows([&](newVersionWindow& notice) {
        seen = true;
        EXPECT_EQ(notice.StaticText1.Text(), "A new version of Rollkeep is available.");
        EXPECT_EQ(notice.versionLabel.Text(), "New version: 1.0.1");
        EXPECT_EQ(notice.versionText.Text(), "Faster start-up\n");
        EXPECT_EQ(notice.Title(), "");
        EXPECT_EQ(QApplication::activeModalWidget(), static_cast<QWidget*>(notice.frame()));
        // The file is read, and still there, while the notice is up.
        EXPECT_TRUE(versionFile().Exists());
        notice.PushButton2.Push();
    });
    start();
    waitForTheCheck();
    EXPECT_TRUE(seen);
    EXPECT_EQ(newVersionWindow::existing(), nullptr);
    EXPECT_FALSE(versionFile().Exists());
    EXPECT_TRUE(dialogs.urls().empty());
}

TEST_F(VersionCheckTest, DownloadNowOpensTheDownloadAddressAndCloses) {
    server.Answer("Rollkeep\n2\n");
    whenNoticeShows([](newVersionWindow& notice) {
        EXPECT_EQ(notice.versionText.Text(), "\n");
        notice.PushButton1.Push();
    });
    start();
    waitForTheCheck();
    EXPECT_EQ(dialogs.urls(), std::vector<std::string>{std::string(Product::kDownloadURL)});
    EXPECT_EQ(newVersionWindow::existing(), nullptr);
    EXPECT_FALSE(versionFile().Exists());
}

struct Announcement {
    const char* version;
    bool newer;
};

void PrintTo(const Announcement& announcement, std::ostream* out) {
    *out << '"' << announcement.version << '"';
}

class AnnouncedVersion : public VersionCheckTest,
                         public ::testing::WithParamInterface<Announcement> {};

TEST_P(AnnouncedVersion, ShowsTheNoticeOnlyForANewerOne) {
    server.Answer(std::string("Rollkeep\n") + GetParam().version + "\nnotes\n");
    bool shown = false;
    whenNoticeShows([&](newVersionWindow& notice) {
        shown = true;
        notice.Close();
    });
    start();
    waitForTheCheck();
    EXPECT_EQ(shown, GetParam().newer);
    EXPECT_FALSE(versionFile().Exists());
}

INSTANTIATE_TEST_SUITE_P(SomeRows, AnnouncedVersion,
                         ::testing::Values(Announcement{"1.1", true}, Announcement{"1.0.10", true},
                                           Announcement{"1.0.0", false}, Announcement{"1.0", false},
                                           Announcement{"0.9.9", false},
                                           Announcement{"1.1 beta", false}));

TEST_F(VersionCheckTest, AnErrorPageIsReadAsAVersionTextAndShowsNothing) {
    server.Answer(
        "<!DOCTYPE html>\n<html><head><title>404 Not Found</title></head>\n"
        "<body><h1>Not Found</h1></body></html>\n",
        404, "text/html");
    start();
    waitForTheCheck();
    expectNothingShown();
    EXPECT_FALSE(versionFile().Exists());
}

TEST_F(VersionCheckTest, MarkupFromTheServerIsShownAsPlainText) {
    const std::string name = "<b>Roll</b><img src=\"logo.png\">";
    const std::string notes = "<a href=\"http://example.com/\">Get it</a>\n<h1>&amp; more</h1>\n";
    server.Answer(name + "\n1.0.1\n" + notes, 200, "text/html");
    whenNoticeShows([&](newVersionWindow& notice) {
        // What the user sees, not only what was set.
        auto* headline = qobject_cast<QLabel*>(notice.StaticText1.widget());
        ASSERT_NE(headline, nullptr);
        EXPECT_EQ(headline->textFormat(), Qt::PlainText);
        EXPECT_EQ(headline->text().toStdString(), "A new version of " + name + " is available.");
        auto* area = qobject_cast<QTextEdit*>(notice.versionText.widget());
        ASSERT_NE(area, nullptr);
        // The line end after the last line makes one more, empty, note line.
        EXPECT_EQ(area->toPlainText().toStdString(), notes + "\n");
        EXPECT_FALSE(area->toHtml().contains("<a href"));
        notice.Close();
    });
    start();
    waitForTheCheck();
}

TEST_F(VersionCheckTest, AnEmptyFirstLineShowsNothingAndLeavesTheFile) {
    server.Answer("\n1.0.1\nnotes");
    start();
    waitForTheCheck();
    expectNothingShown();
    ASSERT_TRUE(versionFile().Exists());
    EXPECT_EQ(versionFile().OpenAsTextFile()->ReadAll(), "\n1.0.1\nnotes");
}

TEST_F(VersionCheckTest, TheFileIsTheUsersOwnAndAPlantedLinkIsNotFollowed) {
    QTemporaryDir elsewhere;
    const std::string target = elsewhere.filePath("target").toStdString();
    std::filesystem::create_symlink(target, versionFile().Path());
    server.Answer("\nkept\n");
    start();
    waitForTheCheck();
    EXPECT_FALSE(std::filesystem::exists(target));
    ASSERT_FALSE(std::filesystem::is_symlink(versionFile().Path()));
    const auto permissions = std::filesystem::status(versionFile().Path()).permissions();
    using std::filesystem::perms;
    EXPECT_EQ(permissions & (perms::group_all | perms::others_all), perms::none);
}

TEST_F(VersionCheckTest, AnEndlessBodyIsCutOffAndShowsNothing) {
    server.SendEndlessly();
    start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return server.hangUps() == 1; }, 10000));
    QTest::qWait(20);
    expectNothingShown();
    EXPECT_FALSE(versionFile().Exists());
    // It stopped soon after the first mebibyte, not at whatever the server had.
    EXPECT_LT(server.bytesSent(), 16 * 1024 * 1024);
    ASSERT_NE(SplashWindow::existing(), nullptr);
    EXPECT_FALSE(SplashWindow::existing()->VersionCheckSocket1->IsConnected());
}

// The splash's real timer: these wait its two seconds.
class HandOverTest : public VersionCheckTest {
protected:
    // The time from the start to the main window's appearance.
    qint64 millisecondsUntilTheMainWindow() {
        QElapsedTimer clock;
        clock.start();
        start();
        EXPECT_TRUE(QTest::qWaitFor([] { return mainWindow::existing() != nullptr; }, 5000));
        return clock.elapsed();
    }
};

TEST_F(HandOverTest, WithNoServerTheMainWindowComesAfterTwoSecondsAndNothingIsSaid) {
    qputenv("ROLLKEEP_VERSION_URL", "http://127.0.0.1:1/VersionInfo/Rollkeep.txt");
    const qint64 elapsed = millisecondsUntilTheMainWindow();
    EXPECT_GE(elapsed, 1900);
    EXPECT_LT(elapsed, 3500);
    EXPECT_TRUE(mainWindow::instance().Visible());
    EXPECT_FALSE(Globals::gAppOpening);
    EXPECT_EQ(SplashWindow::existing(), nullptr);
    expectNothingShown();
    EXPECT_FALSE(versionFile().Exists());
}

TEST_F(HandOverTest, AServerThatNeverAnswersDoesNotHoldUpTheHandOver) {
    server.Hang();
    const qint64 elapsed = millisecondsUntilTheMainWindow();
    EXPECT_LT(elapsed, 3500);
    EXPECT_EQ(server.requests().size(), 1);
    // The transfer went with the splash.
    EXPECT_TRUE(QTest::qWaitFor([this] { return server.hangUps() == 1; }, 2000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(versionFile().Exists());
    expectNothingShown();
}

TEST_F(HandOverTest, TheHandOverGoesAheadWhileTheNoticeIsUpAndTheNoticeStaysInFront) {
    writeRoll({{.last = "Adams"}});
    server.Answer("Rollkeep\n1.0.1\nnotes");
    bool checkedAfterHandOver = false;
    whenNoticeShows([&](newVersionWindow& notice) {
        EXPECT_EQ(mainWindow::existing(), nullptr);
        QTimer::singleShot(2300, qApp, [&] {
            // Timer and hand-over ran inside the notice's wait.
            ASSERT_NE(mainWindow::existing(), nullptr);
            EXPECT_TRUE(mainWindow::instance().Visible());
            EXPECT_EQ(mainWindow::instance().memberList.Cell(0, 0), "Adams");
            EXPECT_FALSE(Globals::gAppOpening);
            EXPECT_EQ(SplashWindow::existing(), nullptr);
            EXPECT_TRUE(notice.Visible());
            EXPECT_EQ(QApplication::activeModalWidget(), static_cast<QWidget*>(notice.frame()));
            checkedAfterHandOver = true;
            // The splash, owner of the socket, is gone; its handler goes on.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            notice.PushButton2.Push();
        });
    });
    start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return checkedAfterHandOver; }, 6000));
    EXPECT_TRUE(QTest::qWaitFor([] { return !versionFile().Exists(); }, 2000));
    EXPECT_EQ(newVersionWindow::existing(), nullptr);
}

TEST_F(VersionCheckTest, AQuitWhileTheNoticeIsUpEndsItAsCancelledAndThenQuits) {
    // The whole program through its own event loop, as the quit depends on
    // knowing that a handler still waits below it. The test's own data folder
    // keeps it apart from any other copy.
    server.Answer("Rollkeep\n1.0.1\nnotes");
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [] {
        ADD_FAILURE() << "the program did not quit";
        QCoreApplication::quit();
    });
    deadline.start(10000);
    bool fileThereWhileAsked = false;
    whenNoticeShows([&](newVersionWindow&) {
        fileThereWhileAsked = versionFile().Exists();
        app.Quit();
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(app.Run(), 0);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_TRUE(fileThereWhileAsked);
    // Cancelled: no browser; the handler finished its last step.
    EXPECT_TRUE(dialogs.urls().empty());
    EXPECT_FALSE(versionFile().Exists());
    EXPECT_TRUE(Window::OpenWindows().empty());
    EXPECT_EQ(mainWindow::existing(), nullptr);
}

}  // namespace
