#include "LocalLock.h"

#include "Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane {
namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

LocalLock::Holder holderIn(const QString& path) {
    LocalLock::Holder holder;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = file.read(4096).split('\n');
        holder.pid = lines.value(0).toLongLong();
        holder.folder = QString::fromUtf8(lines.value(1));
    }
    return holder;
}

} // namespace

QString localLockFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(QStringLiteral("korvane"));
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
        .filePath(QStringLiteral("korvane/locks"));
}

std::variant<LocalLock, LocalLock::Holder> LocalLock::take(const QString& folder, const QString& lockFolder) {
    struct stat st {};
    if (::stat(native(folder).constData(), &st) != 0)
        throw errors::cannotOpen(folder);
    if (!QDir().mkpath(lockFolder))
        throw errors::cannotCreateFolder(lockFolder);
    const QString path = QDir(lockFolder)
                             .filePath(QStringLiteral("folder-%1-%2.lock")
                                           .arg(static_cast<qulonglong>(st.st_dev))
                                           .arg(static_cast<qulonglong>(st.st_ino)));
    // A lock file is removed while locked, so one opened just before may be gone: lock the file
    // that is there.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = ::open(native(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0)
            throw errors::cannotCreate(path);
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK)
                return holderIn(path);
            throw errors::cannotCreate(path);
        }
        struct stat opened {
        }, named{};
        if (::fstat(fd, &opened) == 0 && ::stat(native(path).constData(), &named) == 0 &&
            opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
            const QByteArray says = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                                    QDir(folder).absolutePath().toUtf8() + '\n';
            if (::ftruncate(fd, 0) != 0 ||
                ::pwrite(fd, says.constData(), static_cast<std::size_t>(says.size()), 0) != says.size()) {
                ::close(fd);
                throw errors::cannotCreate(path);
            }
            return LocalLock(fd, path);
        }
        ::close(fd);
    }
    throw errors::cannotCreate(path);
}

LocalLock::LocalLock(LocalLock&& other) noexcept : fd_(other.fd_), path_(std::move(other.path_)) {
    other.fd_ = -1;
}

LocalLock& LocalLock::operator=(LocalLock&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = other.fd_;
        path_ = std::move(other.path_);
        other.fd_ = -1;
    }
    return *this;
}

LocalLock::~LocalLock() {
    release();
}

// Removed while still held, so no other copy ever holds a file that is gone.
void LocalLock::release() {
    if (fd_ < 0)
        return;
    ::unlink(native(path_).constData());
    ::close(fd_);
    fd_ = -1;
}

} // namespace korvane
