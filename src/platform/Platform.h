#pragma once
// What the store asks of the operating system, in one unit for each system: PlatformPosix.cpp
// (Debian) and PlatformWindows.cpp (Windows). The rest of the program speaks only of these.

#include <QFileDevice>
#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

class QFile;

namespace korvane::platform {

// What the file system says of a file or folder, a link followed.
struct FileFacts {
    bool regular = false;
    bool directory = false;
    bool readOnly = false; // no write permission for anyone, whoever asks (root included)
    // The identity: device and inode, or on Windows the volume's serial and the file's index.
    std::uint64_t device = 0, inode = 0;
    std::int64_t size = 0;
    std::uint64_t links = 1; // names the file has: a hard link is one of several
    std::int64_t owner = -1; // the owning user's id; -1 where the system has none to give
    // Nanoseconds since the epoch. A program can put the modification time back, not the change time.
    std::int64_t modifiedNs = 0, changedNs = 0;
    bool operator==(const FileFacts&) const = default;
};

// Nothing when path does not exist; failed is set when it could not be looked at otherwise.
std::optional<FileFacts> factsOf(const QString& path, bool* failed = nullptr);
// The facts of an open file.
std::optional<FileFacts> factsOf(QFileDevice& file);

std::int64_t nowNs();
// How long after a modification time another write may still get the same time: file times come
// from a coarse clock, which trails the fine one by up to a few ticks.
std::int64_t fileClockWindowNs();

// Opens file (its name set) for reading without ever blocking on a pipe, a device or a socket.
enum class Opened { Yes, CannotOpen, NotRegular };
Opened openRegular(QFile& file);

// The new file of an atomic save, before it takes the name: it keeps the owner, group and mode
// of the file it replaces (old), or, made anew by root in another user's folder, goes to the
// folder's owner. False when that cannot be done.
bool keepOwner(QFileDevice& file, const QString& path, const std::optional<FileFacts>& old);
// Gives the open file this modification time.
void setModified(QFileDevice& file, std::int64_t ns);
// Makes a rename in the folder durable.
void syncFolder(const QString& folder);
// Makes what was written to the file durable.
void syncFile(const QString& path);
// A folder made by root in another user's data folder goes to that user.
void giveFolderToOwnerOf(const QString& folder, const QString& dataFolder);

// Whether a file cannot be replaced just now because another program holds it: on Windows a sync
// client or a virus scanner opens a file without delete sharing for a moment (Shared), or the
// system denies access while it does (Denied). Never on Linux, where a rename replaces a file
// however it is open.
enum class Held { No, Shared, Denied };
Held heldByAnother(const QString& path);
// Waits a moment, the event loop not run: between two tries of a replace.
void pause(int ms);

// A second name for a file; an error text when the file system cannot make one.
std::optional<QString> hardLink(const QString& from, const QString& to);
// Removes a file; true also when it was not there.
bool removeFile(const QString& path);

bool processRuns(long long pid);
bool runningAsRoot();

// The kernel's exclusive lock on a folder itself, let go when the process ends however it ends.
// Every process of this PC sees it alike, whatever its user or environment: on Linux a flock on
// the folder, on Windows a mutex of the global namespace named by the folder's volume and file id.
class FolderLock {
public:
    enum class Taken { Yes, HeldElsewhere, Failed };
    Taken take(const QString& folder);
    // The process that holds the folder's lock, when the system can tell: its id and user.
    struct Holder {
        long long pid = 0; // 0: not known
        QString user;
    };
    static Holder holder(const QString& folder);

    FolderLock() = default;
    FolderLock(FolderLock&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}
    FolderLock& operator=(FolderLock&& other) noexcept {
        if (this != &other) {
            release();
            handle_ = std::exchange(other.handle_, -1);
        }
        return *this;
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock() { release(); }

private:
    void release();
    std::intptr_t handle_ = -1;
};

// Byte searches, as fast as the system's C library makes them.
const char* findBytes(std::string_view haystack, std::string_view needle);
const char* findLastByte(std::string_view haystack, char byte);

} // namespace korvane::platform
