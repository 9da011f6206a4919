// What the kernel's file lock is alike on every system; taking and letting go are each system's own.

#include "Platform.h"

#include <QFile>
#include <utility>

namespace korvane::platform {

QByteArray FileLock::read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

FileLock::FileLock(FileLock&& other) noexcept : handle_(other.handle_), path_(std::move(other.path_)) {
    other.handle_ = -1;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        handle_ = other.handle_;
        path_ = std::move(other.path_);
        other.handle_ = -1;
    }
    return *this;
}

FileLock::~FileLock() {
    release();
}

} // namespace korvane::platform
