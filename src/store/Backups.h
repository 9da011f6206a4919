#pragma once
// The safety net for the user's own mistakes: before a data file is replaced, its old version is
// kept in the folder "backup" beside it, as a hard link (no copy), under a name that tells when it
// was replaced: クエストメモ_20261208-214118-123.txt. The last five versions of each file stay.

#include <QString>
#include <QStringList>

namespace korvane {

constexpr int kBackupsKept = 5;
inline const QString kBackupFolder = QStringLiteral("backup");

// Never stops a save: a backup that cannot be kept is said once on standard error.
void keepBackup(const QString& path);

// The versions kept of the file at path, oldest first, as full paths.
QStringList backupsOf(const QString& path);

} // namespace korvane
