#include "Journal.h"

#include "DiskSync.h"
#include "Errors.h"
#include "LineFile.h"
#include "UiText.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <set>
#include <tuple>

namespace korvane {
namespace {

// Each line of content, cut at CR LF, a lone CR or a lone LF; whether the last one was ended.
template <class Take> bool forEachLine(std::string_view content, Take&& take) {
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            take(content.substr(start));
            return false;
        }
        take(content.substr(start, end - start));
        start = end + (content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n' ? 2 : 1);
    }
    return true;
}

} // namespace

bool Journal::refresh() {
    if (loaded_ && stamp_.matches(path_))
        return false;
    // Gone from under the checklist (the folder deleted, a sync tool's rename): what was read
    // stays, to be written back with the checklist, never read as an empty journal.
    if (loaded_ && !entries_.empty() && !QFile::exists(path_))
        return false;
    read();
    return true;
}

void Journal::read() {
    entries_.clear();
    pcNames_.clear();
    unread_ = 0;
    loaded_ = false;
    if (!QFile::exists(path_)) {
        stamp_ = FileStamp::absent();
        loaded_ = true;
        return;
    }
    FileStamp stamp;
    const std::string content = readFile(path_, &stamp);
    Scratch scratch;
    forEachLine(content, [&](std::string_view line) { take(line, scratch); });
    std::stable_sort(entries_.begin(), entries_.end(), [this](const JournalEntry& a, const JournalEntry& b) {
        // Ties broken by what the lines say, never by where a file held them.
        if (a.time != b.time)
            return a.time < b.time;
        if (a.pc != b.pc && pcNames_[a.pc] != pcNames_[b.pc])
            return pcNames_[a.pc] < pcNames_[b.pc];
        return std::tie(a.number, a.kind, a.cause) < std::tie(b.number, b.kind, b.cause);
    });
    stamp_ = stamp;
    loaded_ = true;
}

void Journal::take(std::string_view line, Scratch& scratch) {
    if (line.empty())
        return;
    std::vector<std::string_view>& fields = scratch.fields;
    if (!splitPlainFields(line, fields)) {
        scratch.quoted = splitCommaText(line);
        fields.assign(scratch.quoted.begin(), scratch.quoted.end());
    }
    std::optional<ReadJournalLine> read = readJournalLine(fields);
    if (!read) {
        ++unread_;
        return;
    }
    read->entry.pc = pcIndex(read->pcName);
    entries_.push_back(read->entry);
}

std::uint16_t Journal::pcIndex(std::string_view name) {
    for (std::size_t i = pcNames_.size(); i-- > 0;)
        if (pcNames_[i] == name)
            return static_cast<std::uint16_t>(i);
    pcNames_.emplace_back(name);
    return static_cast<std::uint16_t>(pcNames_.size() - 1);
}

void Journal::append(const std::vector<JournalEvent>& events, JournalCause cause, std::int64_t time,
                     const QString& pcName) {
    if (events.empty())
        return;
    // What another PC added is read at the next look, not now.
    const bool current = loaded_ && stamp_.matches(path_);
    loaded_ = current;
    QFile file(path_);
    const auto fail = [&] {
        loaded_ = false;
        throw errors::cannotWrite(path_);
    };
    if (!file.open(QIODevice::ReadWrite))
        fail();
    char last = '\n';
    if (file.size() > 0 && (!file.seek(file.size() - 1) || !file.getChar(&last)))
        fail();
    const std::uint16_t pc = pcIndex(fromUiLossy(pcName));
    std::string bytes = last == '\n' || last == '\r' ? std::string() : std::string("\r\n");
    for (const JournalEvent& event : events) {
        const JournalEntry entry{time, event.number, event.kind, cause, pc};
        bytes += journalLine(entry, pcNames_[pc]);
        bytes += "\r\n";
        if (current)
            entries_.push_back(entry);
    }
    if (!file.seek(file.size()) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.flush())
        fail();
    // As every write: a time just past, so that the stamp needs no hash of a large file.
    platform::setModified(file, FileStamp::safelyPastNanoseconds());
    const auto facts = platform::factsOf(file);
    stamp_ = facts ? FileStamp::of(*facts, std::nullopt) : FileStamp::unknown();
    file.close();
    syncSoon(path_);
}

void Journal::moveTo(const QString& path) {
    const bool keep = loaded_ && !entries_.empty();
    path_ = path;
    loaded_ = false;
    if (!keep)
        return;
    // A journal already there (another PC's, put back by a sync tool or a restore) is merged with
    // this one, never written over.
    const bool there = QFileInfo::exists(path_);
    const QString target = there ? path_ + QStringLiteral(".written-back") : path_;
    const bool written = replaceFile(target, [this](QIODevice& out) {
        for (const JournalEntry& entry : entries_) {
            const std::string line = journalLine(entry, pcNames_[entry.pc]) + "\r\n";
            if (out.write(line.data(), static_cast<qint64>(line.size())) < 0)
                return false;
        }
        return true;
    });
    if (!written)
        throw errors::cannotCreate(target);
    if (there) {
        mergeCopy(target);
        QFile::remove(target);
    }
}

std::size_t Journal::mergeCopy(const QString& copyPath) {
    const std::string mine = QFile::exists(path_) ? readFile(path_) : std::string();
    const std::string theirs = readFile(copyPath);
    std::set<std::string_view> seen;
    std::vector<std::string_view> lines, other;
    const auto add = [&](std::string_view line) {
        if (!line.empty() && seen.insert(line).second)
            (journalLineTime(line).empty() ? other : lines).push_back(line);
    };
    forEachLine(mine, add);
    const std::size_t before = seen.size();
    forEachLine(theirs, add);
    const std::size_t added = seen.size() - before;
    std::stable_sort(lines.begin(), lines.end(), [](std::string_view a, std::string_view b) {
        const std::string_view at = journalLineTime(a), bt = journalLineTime(b);
        if (at != bt)
            return at < bt;
        const std::string ap = journalLinePc(a), bp = journalLinePc(b);
        return ap != bp ? ap < bp : a < b;
    });
    lines.insert(lines.end(), other.begin(), other.end());
    const bool written = replaceFile(
        path_,
        [&](QIODevice& out) {
            for (const std::string_view line : lines)
                if (out.write(line.data(), static_cast<qint64>(line.size())) < 0 || out.write("\r\n", 2) != 2)
                    return false;
            return true;
        },
        {true});
    if (!written)
        throw errors::cannotCreate(path_);
    read();
    return added;
}

} // namespace korvane
