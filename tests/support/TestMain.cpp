#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>
#include <QApplication>

namespace {
constexpr char kNobodyListens[] = "http://127.0.0.1:1/VersionInfo/Rollkeep.txt";
}  // namespace

int main(int argc, char** argv) {
    // Real widgets, no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // No test reaches the maker's server: a start-up that is not pointed at a
    // test's own server asks a loopback port where nobody listens.
    qputenv("ROLLKEEP_VERSION_URL", kNobodyListens);
    ::testing::InitGoogleTest(&argc, argv);
    // No test may ever wait for a person: any dialog a test did not script
    // fails it.
    ScriptedDialogs::Install();
    return RUN_ALL_TESTS();
}
