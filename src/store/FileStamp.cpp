#include "FileStamp.h"

#include "LineFile.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <ctime>
#include <functional>
#include <sys/stat.h>

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

std::size_t hashOf(std::string_view content) {
    return std::hash<std::string_view>{}(content);
}

} // namespace

FileStamp FileStamp::of(const struct stat& st, const QString& path, const std::string* content) {
    FileStamp stamp;
    stamp.exists_ = true;
    stamp.device_ = st.st_dev;
    stamp.inode_ = st.st_ino;
    stamp.size_ = st.st_size;
    stamp.modifiedNs_ = nanoseconds(st.st_mtim);
    if (stamp.modifiedNs_ > now() - sameTimeWindow(stamp.modifiedNs_)) {
        try {
            stamp.hash_ = hashOf(content ? *content : readFile(path));
        } catch (const std::exception&) {
            stamp.inode_ = 0; // unreadable now: a stamp that never matches
        }
    }
    return stamp;
}

FileStamp FileStamp::take(const QString& path, const std::string* content) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno == ENOENT)
            return absent();
        FileStamp unknown; // cannot be looked at: a stamp that never matches
        unknown.exists_ = true;
        return unknown;
    }
    return of(st, path, content);
}

bool FileStamp::sameIdentity(const struct stat& st) const {
    return inode_ != 0 && st.st_ino == inode_ && st.st_dev == device_ && st.st_size == size_ &&
           nanoseconds(st.st_mtim) == modifiedNs_;
}

bool FileStamp::matches(const QString& path) const {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return !exists_ && errno == ENOENT;
    if (!exists_ || !sameIdentity(st))
        return false;
    if (!hash_)
        return true;
    try {
        return hashOf(readFile(path)) == *hash_;
    } catch (const std::exception&) {
        return false;
    }
}

std::int64_t FileStamp::safelyPastNanoseconds() {
    return now() - 2 * fineWindow();
}

} // namespace korvane
