#include "Journal.h"

#include "CommaText.h"
#include "Errors.h"
#include "LineFile.h"
#include "Numbers.h"
#include "QuestTable.h"
#include "UiText.h"

#include <QDateTime>
#include <QFile>
#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

namespace korvane {
namespace {

constexpr std::size_t kTimeLength = 20; // "2026-12-09T08:15:03Z"

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar, and back (H. Hinnant's
// algorithms): a hundred thousand lines are read without a date library's cost each.
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

std::optional<std::int64_t> parseTime(std::string_view text) {
    // YYYY-MM-DDTHH:MM:SSZ
    if (text.size() != kTimeLength || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':' || text[19] != 'Z')
        return std::nullopt;
    const auto number = [&](std::size_t at, std::size_t length) -> std::optional<unsigned> {
        const std::string_view digits = text.substr(at, length);
        if (!allDigits(digits))
            return std::nullopt;
        unsigned value = 0;
        for (const char c : digits)
            value = value * 10 + static_cast<unsigned>(c - '0');
        return value;
    };
    const auto y = number(0, 4), mo = number(5, 2), d = number(8, 2), h = number(11, 2), mi = number(14, 2),
               s = number(17, 2);
    if (!y || !mo || !d || !h || !mi || !s || *mo < 1 || *mo > 12 || *d < 1 || *d > 31 || *h > 23 ||
        *mi > 59 || *s > 60)
        return std::nullopt;
    return daysFromCivil(*y, *mo, *d) * 86400 + *h * 3600 + *mi * 60 + *s;
}

std::string formatTime(std::int64_t time) {
    const std::int64_t days = time >= 0 ? time / 86400 : (time - 86399) / 86400;
    const std::int64_t second = time - days * 86400;
    std::int64_t y = 0;
    unsigned m = 0, d = 0;
    civilFromDays(days, y, m, d);
    char out[64];
    std::snprintf(out, sizeof out, "%04lld-%02u-%02uT%02lld:%02lld:%02lldZ", static_cast<long long>(y), m, d,
                  static_cast<long long>(second / 3600), static_cast<long long>(second / 60 % 60),
                  static_cast<long long>(second % 60));
    return out;
}

const std::array<std::string, kJournalKinds>& kindTexts() {
    static const std::array<std::string, kJournalKinds> texts = [] {
        std::array<std::string, kJournalKinds> t;
        for (int k = 0; k < kJournalKinds; ++k)
            t[static_cast<std::size_t>(k)] = fromUiLossy(journalKindText(static_cast<JournalKind>(k)));
        return t;
    }();
    return texts;
}

const std::array<std::string, 5>& causeTexts() {
    static const std::array<std::string, 5> texts = [] {
        std::array<std::string, 5> t;
        for (int c = 0; c < 5; ++c)
            t[static_cast<std::size_t>(c)] = fromUiLossy(journalCauseText(static_cast<JournalCause>(c)));
        return t;
    }();
    return texts;
}

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

// The journal line's time, as it sorts: its first field when that is a time.
std::string_view timeOf(std::string_view line) {
    return line.size() > kTimeLength && line[kTimeLength] == ',' && parseTime(line.substr(0, kTimeLength))
               ? line.substr(0, kTimeLength)
               : std::string_view();
}

} // namespace

QString journalKindText(JournalKind kind) {
    switch (kind) {
    case JournalKind::Offered:
        return fieldCaption(kOffered);
    case JournalKind::OfferedCleared:
        return fieldCaption(kOffered) + QStringLiteral("解除");
    case JournalKind::Completed:
        return fieldCaption(kCompleted);
    case JournalKind::CompletedCleared:
        return fieldCaption(kCompleted) + QStringLiteral("解除");
    case JournalKind::Memo:
        return QStringLiteral("メモ");
    case JournalKind::Added:
        return QStringLiteral("追加");
    case JournalKind::Modified:
        return QStringLiteral("修正");
    case JournalKind::Deleted:
        return QStringLiteral("削除");
    }
    return {};
}

QString journalCauseText(JournalCause cause) {
    switch (cause) {
    case JournalCause::Player:
        return {};
    case JournalCause::Undo:
        return QStringLiteral("元に戻す");
    case JournalCause::Redo:
        return QStringLiteral("やり直し");
    case JournalCause::Import:
        return QStringLiteral("取り込み");
    case JournalCause::Merge:
        return QStringLiteral("統合");
    }
    return {};
}

QString journalTimeText(std::int64_t time) {
    return QDateTime::fromSecsSinceEpoch(time).toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
}

std::string questNumberText(std::uint16_t number) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04u", static_cast<unsigned>(number));
    return digits;
}

std::string journalLine(const JournalEntry& entry, std::string_view pcName) {
    if (entry.number < 1 || entry.number > 9999)
        return {};
    Fields fields{formatTime(entry.time), questNumberText(entry.number),
                  kindTexts()[static_cast<std::size_t>(entry.kind)], std::string(pcName)};
    if (entry.cause != JournalCause::Player)
        fields.push_back(causeTexts()[static_cast<std::size_t>(entry.cause)]);
    return joinCommaText(fields);
}

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
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const JournalEntry& a, const JournalEntry& b) { return a.time < b.time; });
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
    if (fields.size() < 4 || fields.size() > 5 || fields[1].size() != 4 || !allDigits(fields[1])) {
        ++unread_;
        return;
    }
    const std::optional<std::int64_t> time = parseTime(fields[0]);
    const int number = std::stoi(std::string(fields[1]));
    const auto kind = std::find(kindTexts().begin(), kindTexts().end(), fields[2]);
    const auto cause = fields.size() == 5 ? std::find(causeTexts().begin(), causeTexts().end(), fields[4])
                                          : causeTexts().begin();
    if (!time || number < 1 || kind == kindTexts().end() || cause == causeTexts().end()) {
        ++unread_;
        return;
    }
    entries_.push_back({*time, static_cast<std::uint16_t>(number),
                        static_cast<JournalKind>(kind - kindTexts().begin()),
                        static_cast<JournalCause>(cause - causeTexts().begin()), pcIndex(fields[3])});
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
    const bool written = replaceFile(path_, [this](QIODevice& out) {
        for (const JournalEntry& entry : entries_) {
            const std::string line = journalLine(entry, pcNames_[entry.pc]) + "\r\n";
            if (out.write(line.data(), static_cast<qint64>(line.size())) < 0)
                return false;
        }
        return true;
    });
    if (!written)
        throw errors::cannotCreate(path_);
}

std::size_t Journal::mergeCopy(const QString& copyPath) {
    const std::string mine = QFile::exists(path_) ? readFile(path_) : std::string();
    const std::string theirs = readFile(copyPath);
    std::set<std::string_view> seen;
    std::vector<std::string_view> lines, other;
    const auto add = [&](std::string_view line) {
        if (!line.empty() && seen.insert(line).second)
            (timeOf(line).empty() ? other : lines).push_back(line);
    };
    forEachLine(mine, add);
    const std::size_t before = seen.size();
    forEachLine(theirs, add);
    const std::size_t added = seen.size() - before;
    std::stable_sort(lines.begin(), lines.end(),
                     [](std::string_view a, std::string_view b) { return timeOf(a) < timeOf(b); });
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

namespace {

// One thread that syncs the files asked, each once however often it was asked meanwhile.
class Syncer {
public:
    ~Syncer() {
        {
            const std::lock_guard lock(mutex_);
            ending_ = true;
        }
        wake_.notify_one();
        if (thread_.joinable())
            thread_.join();
    }
    void ask(const QString& path) {
        {
            const std::lock_guard lock(mutex_);
            if (std::find(waiting_.begin(), waiting_.end(), path) == waiting_.end())
                waiting_.push_back(path);
            if (!thread_.joinable())
                thread_ = std::thread([this] { run(); });
        }
        wake_.notify_one();
    }

private:
    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return ending_ || !waiting_.empty(); });
            if (waiting_.empty())
                return; // ending, and nothing left to sync
            const QString path = waiting_.front();
            waiting_.pop_front();
            lock.unlock();
            platform::syncFile(path);
            lock.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<QString> waiting_;
    bool ending_ = false;
    std::thread thread_;
};

} // namespace

void syncSoon(const QString& path) {
    static Syncer syncer;
    syncer.ask(path);
}

} // namespace korvane
