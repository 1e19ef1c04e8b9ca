// The name an export file is finally written under.

#include "core/MemberExport.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace {

TEST(FinalExportFile, AddsTheExtensionUnlessTheNameEndsInItInAnyCase) {
    QTemporaryDir dir;
    const auto chosen = [&](const std::string& name) {
        return FolderItem(dir.path().toStdString()).Child(name);
    };
    const struct {
        const char* name;
        const char* final;
    } cases[] = {{"Members", "Members.csv"},
                 {"Members.txt", "Members.txt.csv"},
                 {"Liste für Ärzte", "Liste für Ärzte.csv"},
                 {"MEMBERS.CSV", "MEMBERS.CSV"},
                 {"m.Csv", "m.Csv"},
                 {"Öl.csv", "Öl.csv"}};
    for (const auto& c : cases)
        EXPECT_EQ(FinalExportFile(chosen(c.name)), chosen(c.final)) << c.name;
}

}  // namespace
