#include "FolderLock.h"

#include <QDir>

namespace korvane {

FolderLock lockDataFolder(const QString& folder) {
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(kLockFileName));
    // A lock counts as stale only when its copy no longer runs, never by its age: a checklist
    // stays open for hours.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return {std::move(lock), false};
    return {nullptr, lock->error() == QLockFile::LockFailedError};
}

} // namespace korvane
