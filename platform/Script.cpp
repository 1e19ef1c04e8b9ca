#include "platform/Script.h"

#include "platform/Files.h"
#include "platform/QtText.h"

#include <QFileInfo>
#include <QProcess>

ScriptResult RunScript(const FolderItem& script, const std::vector<std::string>& arguments) {
    if (!script.IsValid())
        return {{}, false, "there is no script"};
    QStringList argumentList;
    argumentList.reserve(static_cast<qsizetype>(arguments.size()));
    for (const std::string& argument : arguments)
        argumentList.append(toQString(argument));

    // QProcess hands the arguments straight to the program; no shell ever sees
    // them, so quotes, "$(...)" or ";" in a member's data stay plain text.
    QProcess process;
    // Absolute, so that a bare name is never looked up in PATH instead.
    process.setProgram(QFileInfo(script.Path()).absoluteFilePath());
    process.setArguments(argumentList);
    // A script that asks for input gets none instead of waiting for ever.
    process.setStandardInputFile(QProcess::nullDevice());
    // What goes wrong in the script stays readable on the program's own stderr.
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start();
    if (!process.waitForStarted())
        return {
            {}, false, "the script could not be started: " + process.errorString().toStdString()};
    // The event thread waits here, so never without end.
    ScriptResult result;
    if (!process.waitForFinished(kScriptTimeLimitMs)) {
        process.kill();
        process.waitForFinished(1000);
        result.failure = "the script did not finish in time";
    } else if (process.exitStatus() != QProcess::NormalExit) {
        result.failure = "the script stopped unexpectedly";
    } else if (process.exitCode() != 0) {
        result.failure = "the script ended with status " + std::to_string(process.exitCode());
    } else {
        result.succeeded = true;
    }
    const QByteArray output = process.readAllStandardOutput();
    result.output.assign(output.constData(), static_cast<size_t>(output.size()));
    return result;
}
