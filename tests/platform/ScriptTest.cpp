// Arguments reaching the script verbatim are tried through the real mail
// script in tests/roll/MailBodyTest.cpp.

#include "platform/Script.h"

#include "platform/Files.h"
#include "platform/Streams.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(RunScript, ScriptsGetNoInputAndAFailureOrAFailedStartIsReportedWithWhy) {
    const QTemporaryDir dir;
    const FolderItem folder(dir.path().toStdString());
    const auto script = [&](std::string_view name, std::string_view body, bool executable = true) {
        const FolderItem made = folder.Child(name);
        EXPECT_FALSE(WriteTextFile(made, "#!/bin/sh\n" + std::string(body)));
        if (executable)
            QFile(QString::fromStdString(made.Path().string()))
                .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return made;
    };
    const struct {
        FolderItem script;
        std::string output;
        std::string failure;  // "?": any reason, as long as there is one
    } rows[] = {
        // One that read its input would wait for ever.
        {script("reader", "cat\nprintf 'done'\n"), "done", ""},
        {script("fails", "printf 'sent\\n'\nprintf 'oops' >&2\nexit 3\n"), "sent\n",
         "the script ended with status 3"},
        {folder.Child("missing"), "", "?"},
        {script("not-executable", "printf 'ran'\n", false), "", "?"},
        {folder, "", "?"},
        {FolderItem(), "", "?"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.script.Path().string());
        const ScriptResult result = RunScript(row.script, {"x"});
        EXPECT_EQ(result.output, row.output);
        EXPECT_EQ(result.succeeded, row.failure.empty());
        EXPECT_EQ(result.failure.empty(), row.failure.empty()) << result.failure;
        if (row.failure != "?") {
            EXPECT_EQ(result.failure, row.failure);
        }
    }
}

}  // namespace
