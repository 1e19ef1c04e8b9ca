#include "tests/support/TempDataFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

TempDataFolder::TempDataFolder()
    : previous_(qgetenv("XDG_DATA_HOME")),
      hadPrevious_(qEnvironmentVariableIsSet("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", dir_.path().toUtf8());
}

TempDataFolder::~TempDataFolder() {
    if (hadPrevious_)
        qputenv("XDG_DATA_HOME", previous_);
    else
        qunsetenv("XDG_DATA_HOME");
}

FolderItem TempDataFolder::root() const {
    return FolderItem(dir_.path().toStdString());
}

FolderItem TempDataFolder::dataFolder() const {
    return root().Child("Rollkeep");
}

void TempDataFolder::write(std::string_view name, std::string_view bytes) const {
    dataFolder().CreateAsFolder();
    std::ofstream out(dataFolder().Child(name).Path(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void TempDataFolder::writeSparse(std::string_view name, uintmax_t size) const {
    write(name, "");
    std::filesystem::resize_file(dataFolder().Child(name).Path(), size);
}

void TempDataFolder::makePipe(std::string_view name) const {
    dataFolder().CreateAsFolder();
    if (::mkfifo(dataFolder().Child(name).Path().c_str(), 0600) != 0)
        ADD_FAILURE() << "no named pipe: " << SystemErrorText(errno);
}

std::string TempDataFolder::read(std::string_view name) const {
    std::ifstream in(dataFolder().Child(name).Path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool TempDataFolder::exists(std::string_view name) const {
    return dataFolder().Child(name).Exists();
}
