#pragma once
// The journal file of a checklist: one line per event of its quests (JournalFormat.h), appended and
// never rewritten, in "クエスト履歴.csv" beside the four files, with CR LF as they have, so that a
// player can read it. Each PC appends to the same file through the sync tool; a conflict copy of
// it is merged as the union of the lines in time order.

#include "CommaText.h"
#include "FileStamp.h"
#include "JournalFormat.h"
#include "JournalTime.h"

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

inline const QString kJournalFile = QStringLiteral("クエスト履歴.csv");

class Journal {
public:
    explicit Journal(QString path = {}) : path_(std::move(path)) {}

    const QString& path() const { return path_; }
    // In the order of their times; lines with equal times by PC name, then by quest, kind and
    // cause, never by the file's order, so that every PC orders the same lines alike. As last
    // read: see refresh().
    const std::vector<JournalEntry>& entries() const { return entries_; }
    // The PC names the entries use, in code page 932.
    const std::string& pcName(std::uint16_t pc) const { return pcNames_[pc]; }
    const std::vector<std::string>& pcNames() const { return pcNames_; }
    // Lines that are not a journal line (one a crash cut short, one written by hand): kept in the
    // file, left out here.
    std::size_t unreadLines() const { return unread_; }
    // The latest time of a line read or written here; 0 when none.
    std::int64_t latestTime() const { return entries_.empty() ? 0 : entries_.back().time; }

    // Reads the file when it was never read or changed since it was last read or written here
    // (another PC's lines came through the sync tool): true when it was read. A journal that is
    // not there is empty. Throws "ファイル %s は開けません" when it cannot be read.
    bool refresh();

    // Appends the events, at time (seconds since the epoch) by pcName, to the file, and to
    // entries() when they are read and current. A line a crash cut short is ended first, so that
    // the new lines stay whole. Nothing is read: written at once, synced to the disk a moment
    // later, so that an edit never waits for it. Throws "%s に書き込めません" when it cannot be
    // written.
    void append(const std::vector<JournalEvent>& events, JournalCause cause, std::int64_t time,
                const QString& pcName);

    // The journal goes with its checklist into another folder: what was read is written there.
    void moveTo(const QString& path);
    // Its folder was renamed: the same file, under another path.
    void renamedTo(const QString& path) { path_ = path; }

    // Merges the lines of another version of the journal (a sync tool's conflict copy): the union
    // of both files' lines, in the order entries() has, each once; lines that are no journal line
    // kept at the end. The number of lines the copy added. Throws what reading or writing throws.
    std::size_t mergeCopy(const QString& copyPath);

private:
    struct Scratch {
        std::vector<std::string_view> fields;
        Fields quoted;
    };
    void read();
    void take(std::string_view line, Scratch& scratch);
    std::uint16_t pcIndex(std::string_view name);

    QString path_;
    FileStamp stamp_ = FileStamp::unknown(); // as last read or written here
    bool loaded_ = false;                    // entries_ hold what the file held at stamp_
    std::vector<JournalEntry> entries_;
    std::vector<std::string> pcNames_;
    std::size_t unread_ = 0;
};

} // namespace korvane
