#pragma once
// One Korvane per data folder on this PC, exactly: the system's lock of the folder (on Linux a
// flock on the folder itself, on Windows a mutex of the global namespace named by the folder's
// volume and file id), which every process of the PC sees alike whatever its user, its
// environment or how it was started (a desktop, a terminal, sudo, ssh, cron). The system lets it
// go when the process ends, however it ends, so a lock is never stale, and nothing is written for
// it in the folder or elsewhere.

#include "platform/Platform.h"

#include <QString>
#include <variant>

namespace korvane {

class LocalLock {
public:
    using Holder = platform::FolderLock::Holder;

    // Takes folder's lock; the holder when another copy has it. Throws an error naming the folder
    // when it cannot be looked at or locked.
    static std::variant<LocalLock, Holder> take(const QString& folder);

private:
    explicit LocalLock(platform::FolderLock lock) : lock_(std::move(lock)) {}

    platform::FolderLock lock_;
};

} // namespace korvane
