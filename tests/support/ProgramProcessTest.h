#pragma once

// For tests that run the real program as child processes: every copy on the
// same fresh home, with data, runtime and temporary folders of its own. A copy
// still running when the test ends is killed with its QProcess.

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

class ProgramProcessTest : public ::testing::Test {
protected:
    ProgramProcessTest() {
        for (const char* folder : {"data/Rollkeep", "tmp", "runtime", "elsewhere"}) {
            QDir(home.path()).mkpath(folder);
            QFile::setPermissions(home.filePath(folder),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }
    // Starts a copy; runtime names the folder that stands for XDG_RUNTIME_DIR.
    QProcess& start(const char* runtime = "runtime") {
        return startProgram(ROLLKEEP_PROGRAM, {}, runtime);
    }
    // Starts another program made of the program's parts, the same way.
    QProcess& startProgram(const QString& program, const QStringList& arguments,
                           const char* runtime = "runtime") {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        environment.insert("XDG_RUNTIME_DIR", home.filePath(runtime));
        environment.insert("TMPDIR", home.filePath("tmp"));
        auto& copy = copies.emplace_back(std::make_unique<QProcess>());
        copy->setProcessEnvironment(environment);
        copy->start(program, arguments);
        EXPECT_TRUE(copy->waitForStarted());
        return *copy;
    }

    QString dataFile(const QString& name) const { return home.filePath("data/Rollkeep/" + name); }
    std::string read(const QString& name) const {
        QFile file(dataFile(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    QTemporaryDir home;
    std::vector<std::unique_ptr<QProcess>> copies;
};
