#pragma once
// A line list bound to its file. It remembers whether the file loaded, since every save rewrites
// the whole file from the list and a list that did not load must never be written back; and it
// remembers what the file held when this copy last read or wrote it, so that a change made by
// another program is never written over.

#include "FileStamp.h"
#include "LineList.h"

#include <QDateTime>
#include <QString>
#include <initializer_list>

namespace korvane {

struct LineRange;

class StoredList {
public:
    explicit StoredList(QString path, const Collation& collation = Collation::user())
        : path_(std::move(path)), lines_(collation) {}
    virtual ~StoredList() = default;
    StoredList(const StoredList&) = delete;
    StoredList& operator=(const StoredList&) = delete;

    const QString& path() const { return path_; }
    bool loaded() const { return loaded_; }
    LineList& lines() { return lines_; }
    const LineList& lines() const { return lines_; }

    // Reads the file whole. A file that does not exist reads as an empty list, which the first
    // edit that needs it creates: false then. Throws "ファイル %s は開けません" when the file
    // exists and cannot be read. The list counts as loaded only when the caller confirms with
    // markLoaded(), after whatever checks its format needs.
    bool read();
    // read(), the lines sorted when they were not (the file then differs from the list), and
    // loaded: for the lists whose lines need no checks of their format.
    bool readSorted();
    void markLoaded() { loaded_ = true; }
    // The loader changed the lines as read (cleaned or sorted them): the file differs from the list.
    void markFileDiffers() { fileIsList_ = false; }

    // The file's content as last saved, read anew (as a search scans it).
    std::string savedContent() const;

    // Whether the file on disk is still what this list last read or wrote; a list that never read
    // its file (a load that stopped before it) knows nothing of it to compare.
    bool unchangedOnDisk() const { return !wasRead_ || stamp_.matches(path_); }

    // Refuses, before anything is written, a list that did not load or whose file another program
    // changed.
    void requireWritable() const;

    // Whether the file holds exactly the list's lines (not so after a load that cleaned or sorted).
    bool fileHoldsList() const { return fileIsList_; }

    // Writes the file whole with each range's lines given way to its insert, keeping a backup of
    // the old file (named with editTime) unless the new one holds the same lines and backupAlways
    // is false; the list itself is not touched. Throws "ファイル %s を作成できません".
    void write(const std::vector<LineRange>& ranges, const QDateTime& editTime, bool backupAlways = false);
    // Puts the file back as it was before the list's first write, these lines or no file at all,
    // with a backup of it as it is; the list then no longer equals its file.
    void putBack(const std::optional<Lines>& fileLines, const QDateTime& editTime);
    bool fileExists() const { return stamp_.exists(); }
    // What the file held when this copy last read or wrote it.
    const FileStamp& stamp() const { return stamp_; }

    // The versions of its file this copy wrote, newest last, a few only; with the last one another
    // run wrote, when it is given. A sync tool may rename one of them into a conflict copy.
    const std::vector<FileStamp>& written() const { return written_; }
    void rememberWritten(const FileStamp& stamp);
    // The list now belongs to the file at path (its folder moved): nothing is known of that file yet.
    void moveTo(QString path);
    // Its folder was renamed: the same file, under another path.
    void renamedTo(QString path) { path_ = std::move(path); }
    // Writes the whole list to its file, as it is in memory (its folder vanished, say). Throws
    // "ファイル %s を作成できません".
    void writeWhole();
    // Whether the file at path is a version of this list's file that this copy wrote.
    bool wroteVersion(const QString& path) const;
    // Takes a written change into the list: each range's lines give way to its insert, and the
    // range then holds the lines it replaced (see LineList::replace).
    virtual void take(std::vector<LineRange>& ranges, bool keepsOrder);

private:
    QString path_;
    LineList lines_;
    FileStamp stamp_;
    std::vector<FileStamp> written_;
    bool loaded_ = false;
    bool wasRead_ = false;
    bool fileIsList_ = false; // the file holds exactly the list's lines
};

// The first four bytes of a line: a quest's key in every file.
bool hasQuestKey(std::string_view line, std::string_view number);

} // namespace korvane
