// The name an export file is finally written under.

#include "core/MemberExport.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <fstream>

namespace {

TEST(FinalExportFile, AddsTheExtensionUnlessThatWouldMeetAnotherFile) {
    QTemporaryDir dir;
    const auto chosen = [&](const std::string& name) {
        return FolderItem(dir.path().toStdString()).Child(name);
    };
    EXPECT_EQ(FinalExportFile(chosen("Members")), chosen("Members.csv"));
    EXPECT_EQ(FinalExportFile(chosen("Members.txt")), chosen("Members.txt.csv"));
    EXPECT_EQ(FinalExportFile(chosen("Liste für Ärzte")), chosen("Liste für Ärzte.csv"));
    for (const char* kept : {"MEMBERS.CSV", "m.Csv", "Öl.csv"})
        EXPECT_EQ(FinalExportFile(chosen(kept)), chosen(kept)) << kept;

    std::ofstream(chosen("Members.csv").Path()) << "x";
    EXPECT_EQ(FinalExportFile(chosen("Members")), chosen("Members"));
}

}  // namespace
