#pragma once
// One Korvane per data folder on this PC, exactly: a kernel lock (flock) on a file that names the
// folder by its identity (device and inode), kept outside the folder in the user's runtime folder.
// The kernel lets it go when the process ends, however it ends, so a lock is never stale and no
// guess from process numbers is needed. A second copy never opens a folder a live copy has.

#include "Platform.h"

#include <QString>
#include <variant>

namespace korvane {

// Where the locks are kept: $XDG_RUNTIME_DIR/korvane, or the user's cache folder's korvane/locks
// when there is no runtime folder.
QString localLockFolder();

class LocalLock {
public:
    // The live copy that holds a folder, as its lock file says.
    struct Holder {
        long long pid = 0;
        QString folder; // as that copy named it
    };

    // Takes folder's lock, its file kept in lockFolder; the holder when a live copy has it. Throws
    // an error naming the path when the lock cannot be made or the folder cannot be looked at.
    static std::variant<LocalLock, Holder> take(const QString& folder, const QString& lockFolder);

private:
    explicit LocalLock(platform::FileLock lock) : lock_(std::move(lock)) {}

    platform::FileLock lock_;
};

} // namespace korvane
