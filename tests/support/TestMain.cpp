#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    // Real widgets, no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // No test may ever wait for a person: any dialog a test did not script
    // fails it.
    ScriptedDialogs::Install();
    return RUN_ALL_TESTS();
}
