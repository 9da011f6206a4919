#include "FileStamp.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <memory>

namespace korvane {
namespace {

constexpr std::int64_t kSecond = 1'000'000'000;

// A file system that keeps whole seconds (FAT keeps two) can give one time to writes seconds apart.
std::int64_t sameTimeWindow(std::int64_t modified) {
    return modified % kSecond == 0 ? 2 * kSecond : platform::fileClockWindowNs();
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

bool FileStamp::tooRecent(const platform::FileFacts& facts) {
    return facts.modifiedNs > platform::nowNs() - sameTimeWindow(facts.modifiedNs);
}

FileStamp FileStamp::of(const platform::FileFacts& facts, std::optional<std::uint64_t> hash) {
    FileStamp stamp;
    stamp.exists_ = true;
    stamp.device_ = facts.device;
    stamp.inode_ = facts.inode;
    stamp.size_ = facts.size;
    stamp.modifiedNs_ = facts.modifiedNs;
    stamp.changedNs_ = facts.changedNs;
    stamp.hash_ = hash;
    return stamp;
}

FileStamp FileStamp::identity(const QString& path) {
    const auto facts = platform::factsOf(path);
    return facts ? of(*facts, std::nullopt) : absent();
}

FileStamp FileStamp::unknown() {
    FileStamp stamp;
    stamp.exists_ = true; // inode 0: matches no file
    return stamp;
}

FileStamp FileStamp::take(const QString& path) {
    bool failed = false;
    const auto facts = platform::factsOf(path, &failed);
    if (!facts)
        return failed ? unknown() : absent();
    if (!tooRecent(*facts))
        return of(*facts, std::nullopt);
    const auto hash = hashOfFile(path);
    return hash ? of(*facts, hash) : unknown();
}

bool FileStamp::sameIdentity(const platform::FileFacts& facts) const {
    return inode_ != 0 && facts.inode == inode_ && facts.device == device_ && facts.size == size_ &&
           facts.modifiedNs == modifiedNs_ && facts.changedNs == changedNs_;
}

bool FileStamp::matches(const QString& path) const {
    bool failed = false;
    const auto facts = platform::factsOf(path, &failed);
    if (!facts)
        return !exists_ && !failed;
    if (!exists_ || !sameIdentity(*facts))
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
    return platform::nowNs() - 2 * platform::fileClockWindowNs();
}

} // namespace korvane
