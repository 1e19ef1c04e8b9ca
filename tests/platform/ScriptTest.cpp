#include "platform/Script.h"

#include "platform/Files.h"
#include "platform/Streams.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

namespace {

class ScriptTest : public ::testing::Test {
protected:
    QTemporaryDir dir_;
    FolderItem folder_{dir_.path().toStdString()};

    FolderItem makeScript(std::string_view name, std::string_view body, bool executable = true) {
        const FolderItem script = folder_.Child(name);
        auto out = script.CreateTextFile();
        EXPECT_TRUE(out);
        out->Write("#!/bin/sh\n");
        out->Write(body);
        EXPECT_TRUE(out->Close());
        if (executable) {
            QFile(QString::fromStdString(script.Path().string()))
                .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        return script;
    }

    // Prints each argument followed by a NUL, the one byte no argument can hold.
    FolderItem echoScript() {
        return makeScript("echo-args", "for a; do printf '%s\\0' \"$a\"; done\n");
    }
};

std::string nulJoined(const std::vector<std::string>& arguments) {
    std::string joined;
    for (const std::string& argument : arguments)
        joined += argument + '\0';
    return joined;
}

TEST_F(ScriptTest, ArgumentsArriveVerbatimAndRunNothing) {
    const std::string trap = folder_.Child("ran").Path().string();
    const std::vector<std::string> arguments = {
        "Zoë Ørsted",
        "$(touch " + trap + ")",
        "`touch " + trap + "`",
        "; touch " + trap,
        "&& touch " + trap + " ||",
        "| tee " + trap,
        "> " + trap,
        "Main Street 12\nSecond line\r\n",
        "\"double\" 'single' \\back\\slash",
        "",
        "  padded  ",
        "*",
        "$HOME ${PATH}",
        "-n",
        "--",
    };
    EXPECT_EQ(RunScript(echoScript(), arguments).output, nulJoined(arguments));
    EXPECT_FALSE(folder_.Child("ran").Exists()) << "some argument was run as a command";
}

TEST_F(ScriptTest, ReturnsAllOfStandardOutputOnlyAfterTheScriptEnds) {
    const FolderItem script = makeScript("slow", R"(printf 'sent\n'
sleep 0.3
printf 'queued for 3 members\n'
printf 'diagnostics\n' >&2
exit 3
)");
    const ScriptResult result = RunScript(script, {});
    EXPECT_EQ(result.output, "sent\nqueued for 3 members\n");
    EXPECT_FALSE(result.succeeded);
    EXPECT_EQ(result.failure, "the script ended with status 3");
}

TEST_F(ScriptTest, ScriptGetsNoInputToWaitFor) {
    const FolderItem script = makeScript("reader", "cat\nprintf 'done'\n");
    QElapsedTimer elapsed;
    elapsed.start();
    const ScriptResult result = RunScript(script, {});
    EXPECT_EQ(result.output, "done");
    EXPECT_TRUE(result.succeeded);
    EXPECT_LT(elapsed.elapsed(), 10'000);
}

TEST_F(ScriptTest, GivesNothingWhenTheScriptCannotStart) {
    for (const FolderItem& script :
         {folder_.Child("missing"), makeScript("not-executable", "printf 'ran'\n", false), folder_,
          FolderItem()}) {
        const ScriptResult result = RunScript(script, {"x"});
        EXPECT_EQ(result.output, "") << script.Path();
        EXPECT_FALSE(result.succeeded) << script.Path();
        EXPECT_FALSE(result.failure.empty()) << script.Path();
    }
}

}  // namespace
