// The benchmark program: Qt offscreen, the data folder in a temporary folder.

#include "core/Roll.h"
#include "platform/Files.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    QApplication app(argc, argv);
    // The data folder, which the application object hands the program as it starts.
    Globals::gProgramDataFolder = FolderItem(dataHome.path().toStdString()).Child("Rollkeep");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
