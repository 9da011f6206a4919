#include "FolderLock.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

namespace korvane {
namespace {

std::unique_ptr<QLockFile> lockFileOf(const QString& folder) {
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(kLockFileName));
    // A lock counts as stale only when its copy no longer runs, never by its age: a checklist
    // stays open for hours.
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

FolderLock lockDataFolder(const QString& folder) {
    std::unique_ptr<QLockFile> lock = lockFileOf(folder);
    if (lock->tryLock(0))
        return {std::move(lock), std::nullopt};
    if (lock->error() != QLockFile::LockFailedError)
        return {nullptr, std::nullopt};
    LockHolder holder;
    QString app;
    lock->getLockInfo(&holder.pid, &holder.host, &app);
    holder.thisPc = holder.host == QSysInfo::machineHostName();
    holder.since = QFileInfo(QDir(folder).filePath(kLockFileName)).lastModified();
    return {nullptr, holder};
}

FolderLock takeOverDataFolder(const QString& folder) {
    std::unique_ptr<QLockFile> lock = lockFileOf(folder);
    if (lock->removeStaleLockFile() && lock->tryLock(0))
        return {std::move(lock), std::nullopt};
    return {nullptr, std::nullopt};
}

} // namespace korvane
