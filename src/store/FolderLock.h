#pragma once
// One copy of Korvane per data folder: each copy rewrites whole files from what it read, so a
// second copy on the same folder would wipe the first one's edits. The lock is the file
// ".korvane.lock" in the data folder; one left by a copy that was killed is taken over at once.

#include <QLockFile>
#include <QString>
#include <memory>

namespace korvane {

inline const QString kLockFileName = QStringLiteral(".korvane.lock");

struct FolderLock {
    std::unique_ptr<QLockFile> lock; // held while it lives; empty when it could not be taken
    bool inUse = false;              // another running copy holds the folder
};

// A folder where no lock can be made (read-only) is not refused: nothing can be saved there.
FolderLock lockDataFolder(const QString& folder);

} // namespace korvane
