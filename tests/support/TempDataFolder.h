#pragma once

#include "platform/Files.h"

#include <QTemporaryDir>
#include <cstdint>
#include <string>
#include <string_view>

// Points the user's application-data folder (XDG_DATA_HOME) at a fresh
// temporary folder for the life of the object.
class TempDataFolder {
public:
    TempDataFolder();
    ~TempDataFolder();

    // The temporary application-data folder itself.
    FolderItem root() const;
    // The program's data folder inside it ("Rollkeep"), whether or not it exists yet.
    FolderItem dataFolder() const;

    // Whole-file helpers for the data folder's files.
    void write(std::string_view name, std::string_view bytes) const;
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;
    // A file of that size that takes no room on the disk, for one too large to read.
    void writeSparse(std::string_view name, uintmax_t size) const;
    // A named pipe nobody writes to: a read of it would wait for ever.
    void makePipe(std::string_view name) const;

private:
    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_;
};
