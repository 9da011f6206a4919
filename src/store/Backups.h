#pragma once
// The safety net for the user's own mistakes: before a data file is replaced, its old version is
// kept in the folder "backup" beside it, as a hard link (no copy), under a name that tells when it
// was replaced, in UTC, and by which PC: クエストメモ_20261208-214118-123_desk-3fa2.txt. The backups
// of one edit share that time. A sync tool carries the folder to every PC, so each PC removes only
// the versions it made itself (and those of older Korvanes, which name no PC): no file is removed by
// two PCs. The last five of each file stay, the newest by the time each was made, so that a change
// of time zone, daylight saving or a clock that once ran ahead never costs the newest ones.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace korvane {

constexpr int kBackupsKept = 5;
inline const QString kBackupFolder = QStringLiteral("backup");

// The tag this PC's backups are named with: its name as a file name allows, and the start of its
// id, so that two PCs of one name stay apart. Set once before the first save.
QString backupTagOf(const QString& pcName, const QString& pcId);
void makeBackupsAs(const QString& tag);

// Never stops a save: a backup that cannot be kept is said once on standard error, and the last
// failure stays until a backup is kept again (lastBackupFailure).
void keepBackup(const QString& path, const QDateTime& editTime = QDateTime::currentDateTimeUtc());

// Why the last backup could not be kept, naming the file; empty once a backup was kept again.
QString lastBackupFailure();

struct KeptVersion {
    QString path;
    std::int64_t madeNs; // when it was made, as the file system recorded it
    std::int64_t size = 0;
    bool own = true; // made by this PC, or by an older Korvane that named no PC
};

// The versions kept of the file at path, oldest first by the time each was made, as full paths.
QStringList backupsOf(const QString& path);
std::vector<KeptVersion> keptVersionsOf(const QString& path);

// Moves a file that is not a data file (a sync tool's conflict copy, once merged) into the backup
// folder beside it, under its own name (" (2)" and so on when taken); its new path. Throws an
// error naming both when it cannot be moved. Nothing is deleted.
QString moveAside(const QString& path);

// Which of this PC's own versions go so that the newest `keep` stay, and the largest (the newest of
// those) with them: saves of a file that arrived cut never push out the last whole one. One made
// after now was made by a clock that ran ahead: it counts as older than any other. Another PC's
// versions never go.
QStringList versionsToRemove(std::vector<KeptVersion> versions, std::int64_t nowNs, int keep);

} // namespace korvane
