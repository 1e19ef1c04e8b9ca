// Arguments reaching the script verbatim are tried through the real mail
// script in tests/roll/MailBodyTest.cpp.

#include "platform/Script.h"

#include "platform/Files.h"
#include "platform/Streams.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

class ScriptTest : public ::testing::Test {
protected:
    QTemporaryDir dir_;
    FolderItem folder_{dir_.path().toStdString()};

    FolderItem makeScript(std::string_view name, std::string_view body, bool executable = true) {
        const FolderItem script = folder_.Child(name);
        EXPECT_FALSE(WriteTextFile(script, "#!/bin/sh\n" + std::string(body)));
        if (executable) {
            QFile(QString::fromStdString(script.Path().string()))
                .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        return script;
    }
};

TEST_F(ScriptTest, ScriptGetsNoInputToWaitFor) {
    const ScriptResult result = RunScript(makeScript("reader", "cat\nprintf 'done'\n"), {});
    EXPECT_EQ(result.output, "done");
    EXPECT_TRUE(result.succeeded);
}

TEST_F(ScriptTest, AScriptThatFailsOrCannotStartIsReportedWithWhy) {
    const struct {
        FolderItem script;
        std::string output;
        std::string failure;  // empty: any reason, as long as there is one
    } rows[] = {
        {makeScript("fails", "printf 'sent\\n'\nprintf 'oops' >&2\nexit 3\n"), "sent\n",
         "the script ended with status 3"},
        {folder_.Child("missing"), "", ""},
        {makeScript("not-executable", "printf 'ran'\n", false), "", ""},
        {folder_, "", ""},
        {FolderItem(), "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.script.Path().string());
        const ScriptResult result = RunScript(row.script, {"x"});
        EXPECT_EQ(result.output, row.output);
        EXPECT_FALSE(result.succeeded);
        EXPECT_FALSE(result.failure.empty());
        if (!row.failure.empty()) {
            EXPECT_EQ(result.failure, row.failure);
        }
    }
}

}  // namespace
