#pragma once
// The names sync tools give the conflict copies they leave beside a file: Syncthing's, Nextcloud's
// and ownCloud's, Dropbox's. Korvane merges the copies of its data files and removes those of its
// own bookkeeping files.

#include <QDateTime>
#include <QString>
#include <optional>

namespace korvane {

struct ConflictName {
    QString original; // the file it is another version of: "クエスト.csv"
    QString tool;     // "Syncthing", "Nextcloud", "Dropbox"
    QDateTime made;   // as the name says when; invalid when it does not
    QString by = {};  // who the name says made it (Syncthing's device, a user); empty when it does not
};

// The name of Korvane's own conflict copy of file (a name in the folder), made at when.
QString korvaneCopyName(const QString& file, const QDateTime& when);

// What name is, when it is a sync tool's conflict copy of some file.
std::optional<ConflictName> conflictNameOf(const QString& name);

} // namespace korvane
