// The store's calls of the operating system on Debian (POSIX, glibc).

#include "Platform.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace korvane::platform {
namespace {

constexpr std::int64_t kSecond = 1'000'000'000;

std::int64_t nanoseconds(const timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * kSecond + t.tv_nsec;
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

FileFacts factsOf(const struct stat& st) {
    FileFacts facts;
    facts.regular = S_ISREG(st.st_mode);
    facts.directory = S_ISDIR(st.st_mode);
    // access() says yes to root whatever the mode bits are: a file the user marked read-only stays
    // untouched, whoever runs the program.
    facts.readOnly = facts.regular && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    facts.device = st.st_dev;
    facts.inode = st.st_ino;
    facts.size = st.st_size;
    facts.links = st.st_nlink;
    facts.owner = st.st_uid;
    facts.modifiedNs = nanoseconds(st.st_mtim);
    facts.changedNs = nanoseconds(st.st_ctim);
    return facts;
}

} // namespace

std::optional<FileFacts> factsOf(const QString& path, bool* failed) {
    struct stat st {};
    const bool found = ::stat(native(path).constData(), &st) == 0;
    if (failed)
        *failed = !found && errno != ENOENT;
    return found ? std::optional(factsOf(st)) : std::nullopt;
}

std::optional<FileFacts> factsOf(QFileDevice& file) {
    struct stat st {};
    return ::fstat(file.handle(), &st) == 0 ? std::optional(factsOf(st)) : std::nullopt;
}

std::int64_t nowNs() {
    timespec t{};
    ::clock_gettime(CLOCK_REALTIME, &t);
    return nanoseconds(t);
}

// File times come from the kernel's coarse clock.
std::int64_t fileClockWindowNs() {
    timespec tick{};
    ::clock_getres(CLOCK_REALTIME_COARSE, &tick);
    return std::max<std::int64_t>(4 * nanoseconds(tick), 20'000'000);
}

Opened openRegular(QFile& file) {
    const int fd = ::open(native(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENXIO ? Opened::NotRegular : Opened::CannotOpen; // ENXIO: a socket
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const bool folder = S_ISDIR(st.st_mode);
        ::close(fd);
        return folder ? Opened::CannotOpen : Opened::NotRegular;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) ? Opened::Yes
                                                                            : Opened::CannotOpen;
}

// A save made as root leaves a user's file the user's. fchown may drop the set-id bits, so the
// mode comes after it.
bool keepOwner(QFileDevice& file, const QString& path, const std::optional<FileFacts>& old) {
    const int fd = file.handle();
    if (old) {
        struct stat was {
        }, now{};
        if (::stat(native(path).constData(), &was) != 0 || ::fstat(fd, &now) != 0)
            return false;
        if ((now.st_uid != was.st_uid || now.st_gid != was.st_gid) &&
            ::fchown(fd, was.st_uid, was.st_gid) != 0)
            return false;
        return ::fchmod(fd, was.st_mode & 07777) == 0;
    }
    struct stat folder {};
    if (::geteuid() != 0 || ::stat(native(QFileInfo(path).absolutePath()).constData(), &folder) != 0)
        return true;
    return folder.st_uid == 0 || ::fchown(fd, folder.st_uid, folder.st_gid) == 0;
}

void setModified(QFileDevice& file, std::int64_t ns) {
    const timespec times[2] = {{0, UTIME_OMIT}, {ns / kSecond, ns % kSecond}};
    ::futimens(file.handle(), times);
}

void syncFolder(const QString& folder) {
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void syncFile(const QString& path) {
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        ::fdatasync(fd);
        ::close(fd);
    }
}

// Root's backups of a user's folder stay the user's; one left root's still holds backups.
void giveFolderToOwnerOf(const QString& folder, const QString& dataFolder) {
    struct stat owner {};
    if (::geteuid() == 0 && ::stat(native(dataFolder).constData(), &owner) == 0 && owner.st_uid != 0) {
        const int given = ::chown(native(folder).constData(), owner.st_uid, owner.st_gid);
        static_cast<void>(given);
    }
}

std::optional<QString> hardLink(const QString& from, const QString& to) {
    if (::linkat(AT_FDCWD, native(from).constData(), AT_FDCWD, native(to).constData(), AT_SYMLINK_FOLLOW) ==
        0)
        return std::nullopt;
    return QString::fromLocal8Bit(std::strerror(errno));
}

Held heldByAnother(const QString& /*path*/) {
    return Held::No;
}

void pause(int ms) {
    ::usleep(static_cast<useconds_t>(ms) * 1000);
}

bool removeFile(const QString& path) {
    return ::unlink(native(path).constData()) == 0 || errno == ENOENT;
}

bool processRuns(long long pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

bool runningAsRoot() {
    return ::geteuid() == 0;
}

FolderLock::Taken FolderLock::take(const QString& folder) {
    release();
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Taken::Failed;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? Taken::HeldElsewhere : Taken::Failed;
    }
    handle_ = fd;
    return Taken::Yes;
}

// The kernel's own list of locks names the process that took each one:
// "1: FLOCK  ADVISORY  WRITE 4242 08:01:1311 0 EOF", the device's major and minor in hex.
FolderLock::Holder FolderLock::holder(const QString& folder) {
    struct stat st {};
    QFile locks(QStringLiteral("/proc/locks"));
    if (::stat(native(folder).constData(), &st) != 0 || !locks.open(QIODevice::ReadOnly))
        return {};
    const QByteArray id = QByteArray::number(major(st.st_dev), 16).rightJustified(2, '0') + ':' +
                          QByteArray::number(minor(st.st_dev), 16).rightJustified(2, '0') + ':' +
                          QByteArray::number(static_cast<qulonglong>(st.st_ino));
    for (const QByteArray& line : locks.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6 || fields[1] != "FLOCK" || fields[5] != id)
            continue;
        Holder holder{fields[4].toLongLong(), {}};
        struct stat process {};
        if (::stat(("/proc/" + fields[4]).constData(), &process) == 0) {
            const passwd* user = ::getpwuid(process.st_uid);
            holder.user = user ? QString::fromLocal8Bit(user->pw_name) : QString::number(process.st_uid);
        }
        return holder;
    }
    return {};
}

void FolderLock::release() {
    if (handle_ < 0)
        return;
    ::close(static_cast<int>(handle_));
    handle_ = -1;
}

const char* findBytes(std::string_view haystack, std::string_view needle) {
    return static_cast<const char*>(::memmem(haystack.data(), haystack.size(), needle.data(), needle.size()));
}

const char* findLastByte(std::string_view haystack, char byte) {
    return static_cast<const char*>(::memrchr(haystack.data(), byte, haystack.size()));
}

} // namespace korvane::platform
