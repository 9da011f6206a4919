#pragma once
// One copy of Korvane per data folder: each copy rewrites whole files from what it read, so a
// second copy on the same folder would wipe the first one's edits. The lock is the file
// ".korvane.lock" in the data folder (QLockFile's, which older copies also read): it names the
// process and the PC that hold the folder, and its time is when they took it. One left by a copy
// of this PC that no longer runs is taken over at once; any other is the player's to judge, since
// a sync tool brings the lock of another PC, and a process number may have been given out again.

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>

namespace korvane {

inline const QString kLockFileName = QStringLiteral(".korvane.lock");

// Who holds a folder, as its lock file says.
struct LockHolder {
    qint64 pid = 0;
    QString host; // the PC's name
    bool thisPc = false;
    QDateTime since; // when the lock was taken (the lock file's time), local time
};

struct FolderLock {
    std::unique_ptr<QLockFile> lock;  // held while it lives; empty when no lock could be made
    std::optional<LockHolder> heldBy; // another copy holds the folder, or seems to
};

// A folder where no lock can be made (read-only) is not refused: nothing can be saved there.
FolderLock lockDataFolder(const QString& folder);

// Takes over a lock that another holder keeps, as the player chose to. A lock file that cannot be
// replaced leaves the folder without a lock, not closed to the player.
FolderLock takeOverDataFolder(const QString& folder);

} // namespace korvane
