#include "FileStamp.h"

#include <QStringList>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane {
namespace {

constexpr std::int64_t kSecond = 1'000'000'000;

std::int64_t nanoseconds(const timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * kSecond + t.tv_nsec;
}

std::int64_t now() {
    timespec t{};
    ::clock_gettime(CLOCK_REALTIME, &t);
    return nanoseconds(t);
}

// How long after a modification time another write may still get the same time. File times come
// from the kernel's coarse clock, which trails the fine one by up to a few ticks; a file system
// that keeps whole seconds (FAT keeps two) can give one time to writes seconds apart.
std::int64_t fineWindow() {
    timespec tick{};
    ::clock_getres(CLOCK_REALTIME_COARSE, &tick);
    return std::max<std::int64_t>(4 * nanoseconds(tick), 20'000'000);
}

std::int64_t sameTimeWindow(std::int64_t modified) {
    return modified % kSecond == 0 ? 2 * kSecond : fineWindow();
}

// The hash of the file's content as it reads now; nothing when it cannot be read.
std::optional<std::uint64_t> hashOfFile(const QString& path) {
    QFile file(path);
    ContentHash hash;
    if (openRegular(file) != Opened::Yes ||
        !readInPieces(file, [&hash](std::string_view piece) { hash.add(piece); }))
        return std::nullopt;
    return hash.value();
}

} // namespace

Opened openRegular(QFile& file) {
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
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

bool readInPieces(QIODevice& file, const std::function<void(std::string_view)>& take) {
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    const auto chunk = std::make_unique_for_overwrite<char[]>(kPiece);
    for (;;) {
        const qint64 read = file.read(chunk.get(), static_cast<qint64>(kPiece));
        if (read <= 0)
            return read == 0;
        take(std::string_view(chunk.get(), static_cast<std::size_t>(read)));
    }
}

void ContentHash::add(std::string_view bytes) {
    for (const char c : bytes) {
        value_ ^= static_cast<unsigned char>(c);
        value_ *= 1099511628211ULL;
    }
}

bool FileStamp::tooRecent(const struct stat& st) {
    const std::int64_t modified = nanoseconds(st.st_mtim);
    return modified > now() - sameTimeWindow(modified);
}

FileStamp FileStamp::of(const struct stat& st, std::optional<std::uint64_t> hash) {
    FileStamp stamp;
    stamp.exists_ = true;
    stamp.device_ = st.st_dev;
    stamp.inode_ = st.st_ino;
    stamp.size_ = st.st_size;
    stamp.modifiedNs_ = nanoseconds(st.st_mtim);
    stamp.changedNs_ = nanoseconds(st.st_ctim);
    stamp.hash_ = hash;
    return stamp;
}

FileStamp FileStamp::identity(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? of(st, std::nullopt) : absent();
}

FileStamp FileStamp::unknown() {
    FileStamp stamp;
    stamp.exists_ = true; // inode 0: matches no file
    return stamp;
}

FileStamp FileStamp::take(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT ? absent() : unknown();
    if (!tooRecent(st))
        return of(st, std::nullopt);
    const auto hash = hashOfFile(path);
    return hash ? of(st, hash) : unknown();
}

bool FileStamp::sameIdentity(const struct stat& st) const {
    return inode_ != 0 && st.st_ino == inode_ && st.st_dev == device_ && st.st_size == size_ &&
           nanoseconds(st.st_mtim) == modifiedNs_ && nanoseconds(st.st_ctim) == changedNs_;
}

bool FileStamp::matches(const QString& path) const {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return !exists_ && errno == ENOENT;
    if (!exists_ || !sameIdentity(st))
        return false;
    if (!hash_)
        return true;
    return hashOfFile(path) == hash_;
}

bool FileStamp::sameVersion(const FileStamp& other) const {
    return exists_ && other.exists_ && inode_ != 0 && inode_ == other.inode_ && device_ == other.device_ &&
           size_ == other.size_ && modifiedNs_ == other.modifiedNs_;
}

QString FileStamp::toText() const {
    if (!exists_ || inode_ == 0)
        return {};
    return QStringLiteral("%1 %2 %3 %4").arg(device_).arg(inode_).arg(size_).arg(modifiedNs_);
}

std::optional<FileStamp> FileStamp::fromText(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() != 4)
        return std::nullopt;
    bool ok[4] = {};
    FileStamp stamp;
    stamp.exists_ = true;
    stamp.device_ = parts[0].toULongLong(&ok[0]);
    stamp.inode_ = parts[1].toULongLong(&ok[1]);
    stamp.size_ = parts[2].toLongLong(&ok[2]);
    stamp.modifiedNs_ = parts[3].toLongLong(&ok[3]);
    if (!ok[0] || !ok[1] || !ok[2] || !ok[3] || stamp.inode_ == 0)
        return std::nullopt;
    return stamp;
}

std::int64_t FileStamp::safelyPastNanoseconds() {
    return now() - 2 * fineWindow();
}

} // namespace korvane
