#include "platform/Script.h"

#include "platform/Files.h"
#include "platform/QtText.h"

#include <QFileInfo>
#include <QProcess>

std::string RunScript(const FolderItem& script, const std::vector<std::string>& arguments) {
    if (!script.IsValid())
        return {};
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
        return {};
    process.waitForFinished(-1);
    const QByteArray output = process.readAllStandardOutput();
    return std::string(output.constData(), static_cast<size_t>(output.size()));
}
