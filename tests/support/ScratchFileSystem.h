#pragma once

#include "platform/Files.h"

#include <QTemporaryDir>
#include <string>

// A small file system of its own (tmpfs) on a temporary folder, for the life
// of the object, so that tests can meet a full disk or a read-only one. Only
// root may mount; elsewhere mounted() is false and such tests skip.
class ScratchFileSystem {
public:
    explicit ScratchFileSystem(size_t bytes = 256 * 1024);
    ~ScratchFileSystem();

    bool mounted() const { return mounted_; }
    FolderItem root() const;

    // Takes up all the room left, as a full disk.
    void fill() const;
    // Mounts it again read-only, keeping what it holds.
    bool makeReadOnly() const;

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};
