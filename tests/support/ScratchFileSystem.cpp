#include "tests/support/ScratchFileSystem.h"

#include <sys/mount.h>
#include <unistd.h>
#include <fstream>
#include <string>

ScratchFileSystem::ScratchFileSystem(size_t bytes) {
    if (::geteuid() != 0 || !dir_.isValid())
        return;
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    mounted_ =
        ::mount("tmpfs", dir_.path().toLocal8Bit().constData(), "tmpfs", 0, options.c_str()) == 0;
}

ScratchFileSystem::~ScratchFileSystem() {
    if (mounted_)
        ::umount2(dir_.path().toLocal8Bit().constData(), MNT_DETACH);
}

FolderItem ScratchFileSystem::root() const {
    return FolderItem(dir_.path().toStdString());
}

void ScratchFileSystem::fill() const {
    std::ofstream filler(root().Child("filler").Path(), std::ios::binary);
    const std::string block(4096, 'f');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
        filler.flush();
}

bool ScratchFileSystem::makeReadOnly() const {
    return mounted_ && ::mount("tmpfs", dir_.path().toLocal8Bit().constData(), "tmpfs",
                               MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}
