#pragma once

#include <QString>

namespace glowdeck {

// Holds an exclusive lock (flock) on a file while it lives, waiting for it at construction;
// nothing when `path` is empty or the file cannot be opened.
class FileLock {
public:
    explicit FileLock(const QString& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_ = -1;
};

} // namespace glowdeck
