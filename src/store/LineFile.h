#pragma once
// Whole-file reading and writing of line files. Reading ends a line at CR LF, a lone CR or a lone
// LF; writing puts CR LF after every line and replaces the file atomically, so that at every moment
// it holds either its old or its new content.

#include "FileStamp.h"

#include <QDateTime>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace korvane {

using Lines = std::vector<std::string>;

// Opens file (its name set) for reading: a regular file only, never blocking. Throws "ファイル %s は
// 開けません", or "ファイル %s は通常のファイルではありません" for a pipe, a device or a socket.
void openToRead(QFile& file);

// Throws "ファイル %s は開けません" when the file cannot be read. stamp, when given, receives what
// the file held as it was read (read again when another program was writing it meanwhile).
std::string readFile(const QString& path, FileStamp* stamp = nullptr);
Lines readLines(const QString& path, FileStamp* stamp = nullptr);

struct WriteOptions {
    bool keepBackup = false;                              // the old version goes to the backup folder first
    QDateTime editTime = QDateTime::currentDateTimeUtc(); // in the backup's name: one for an edit's files
};

// Throws "ファイル %s を作成できません" when the file cannot be written; the file then keeps its
// previous content. A file without any write permission is never replaced, even for root. The
// lines are the pieces one after the other; the stamp of the new file is returned.
FileStamp writeLines(const QString& path, const std::vector<std::span<const std::string>>& pieces,
                     const WriteOptions& options = {});
inline FileStamp writeLines(const QString& path, const Lines& lines, const WriteOptions& options = {}) {
    return writeLines(path, std::vector<std::span<const std::string>>{lines}, options);
}

// The one atomic writer: fills a temporary file in the same folder, gives it the owner, group and
// mode of the file it replaces, syncs it and renames it over path. False, with the file untouched,
// when any step fails, when the file is marked read-only, or when the owner cannot be kept. A
// replace that another program blocks (Windows) is tried again for about two seconds, then
// refused with errors::heldByAnother, the file untouched.
bool replaceFile(const QString& path, const std::function<bool(QIODevice&)>& fill,
                 const WriteOptions& options = {});

// Removes what a save that was ended part-way (a kill, a power loss) left beside the files named:
// the writer's temporary files, "<name>.XXXXXX" (six letters or digits), regular files only. For
// a folder this process holds, so that no save of another is under way; the names removed.
QStringList removeUnfinishedSaves(const QString& folder, const QStringList& names);

} // namespace korvane
