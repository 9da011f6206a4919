#pragma once
// What a data file held when this copy last read or wrote it, enough to tell reliably whether
// another program changed it since: the file's identity (device and inode), its size, and its
// modification and change times to the nanosecond. A write in the same clock tick as the stamp could leave
// all of these alike, so a stamp taken while the modification time is that recent also keeps a
// hash of the content, and the check then reads the file.

#include "platform/Platform.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

class QFile;
class QIODevice;

namespace korvane {

// Opens file (its name already set) for reading without ever blocking: only a regular file, or a
// link to one, is opened. A pipe, a device or a socket in a file's place would hang the window or
// never end.
using platform::Opened;
using platform::openRegular;

// Reads an open file to its end in pieces of a megabyte, handing each to take; false when a read
// fails. The one loop by which whole files are read.
bool readInPieces(QIODevice& file, const std::function<void(std::string_view)>& take);

// A hash of a file's content fed piece by piece: the same however the content is cut (FNV-1a).
class ContentHash {
public:
    void add(std::string_view bytes);
    std::uint64_t value() const { return value_; }

private:
    std::uint64_t value_ = 14695981039346656037ULL;
};

class FileStamp {
public:
    // The file did not exist.
    static FileStamp absent() { return FileStamp(); }

    // Whether the file's modification time is too recent to tell a later write in the same clock
    // tick: its stamp then needs a hash of the content.
    static bool tooRecent(const platform::FileFacts& facts);

    // The file as the file system describes it, with the hash of its content when tooRecent() says so.
    static FileStamp of(const platform::FileFacts& facts, std::optional<std::uint64_t> hash);

    // Stamps the file at path now (reading it when tooRecent); absent when it does not exist.
    static FileStamp take(const QString& path);

    // What the file system says of path, never its content: a folder's identity. Absent when it is
    // not there.
    static FileStamp identity(const QString& path);

    // A stamp that never matches: for a file that could not be read whole in one state.
    static FileStamp unknown();

    bool exists() const { return exists_; }
    // The modification time: for a file this PC wrote, a moment just before the write, by its clock.
    std::int64_t modifiedNs() const { return modifiedNs_; }

    // Whether the file at path is still what this stamp describes. A file that vanished, appeared,
    // or cannot be read when its content has to be compared counts as changed.
    bool matches(const QString& path) const;

    bool operator==(const FileStamp&) const = default;

    // The same version of a file, wherever it is now: the same identity, size and modification
    // time. A file renamed (as a sync tool renames one into a conflict copy) stays the same version.
    bool sameVersion(const FileStamp& other) const;
    // The same file in the same state, as the file system tells it (absent both, or the same
    // identity, size and times), whether or not either stamp holds a hash: that depends only on
    // how soon after the write it was taken.
    bool sameState(const FileStamp& other) const {
        return exists_ == other.exists_ && inode_ == other.inode_ && device_ == other.device_ &&
               size_ == other.size_ && modifiedNs_ == other.modifiedNs_ && changedNs_ == other.changedNs_;
    }
    // The same file or folder (device and inode), whatever it holds now.
    bool sameFile(const FileStamp& other) const {
        return exists_ && other.exists_ && inode_ != 0 && inode_ == other.inode_ && device_ == other.device_;
    }
    // As text, to be remembered between runs; nothing read back from a text that is not one.
    QString toText() const;
    static std::optional<FileStamp> fromText(const QString& text);

    // A moment safely before any later write's time stamp: the one writer gives the files it
    // writes this modification time, so that a change after it never looks like its own write.
    static std::int64_t safelyPastNanoseconds();

private:
    bool sameIdentity(const platform::FileFacts& facts) const;

    bool exists_ = false;
    std::uint64_t device_ = 0, inode_ = 0;
    // A program can put a modification time back, but not the inode's change time.
    std::int64_t size_ = 0, modifiedNs_ = 0, changedNs_ = 0;
    std::optional<std::uint64_t> hash_; // only when the modification time was too recent to tell
};

} // namespace korvane
