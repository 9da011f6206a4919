#include "StoredList.h"

#include "Backups.h"
#include "Errors.h"
#include "LineFile.h"
#include "ListChange.h"

#include "platform/Platform.h"

#include <QFile>
#include <algorithm>

namespace korvane {

bool StoredList::read() {
    loaded_ = false;
    wasRead_ = true;
    fileIsList_ = false;
    bool failed = false;
    if (!platform::factsOf(path_, &failed) && !failed) {
        lines_.assign({});
        stamp_ = FileStamp::absent();
        return false;
    }
    try {
        lines_.assign(readLines(path_, &stamp_));
    } catch (const KorvaneError&) {
        // What cannot be read is known by what the file system says of it, so that a later change
        // is seen.
        lines_.assign({});
        stamp_ = FileStamp::identity(path_);
        throw;
    }
    fileIsList_ = true;
    return true;
}

bool StoredList::readSorted() {
    const bool existed = read();
    if (!lines_.isSorted()) {
        lines_.sort();
        markFileDiffers();
    }
    markLoaded();
    return existed;
}

std::string StoredList::savedContent() const {
    return readFile(path_);
}

void StoredList::requireWritable() const {
    if (!loaded_)
        throw errors::notLoaded(path_);
    if (!unchangedOnDisk())
        throw FileChangedError(path_);
}

void StoredList::write(const std::vector<LineRange>& ranges, const QDateTime& editTime, bool backupAlways) {
    const std::span<const std::string> all(lines_.lines());
    std::vector<std::span<const std::string>> pieces;
    pieces.reserve(2 * ranges.size() + 1);
    // Rewriting the same lines (a flag stored unchanged, a store an edit did not touch) keeps no
    // backup: five copies of one version would push the older versions out.
    bool same = fileIsList_;
    std::size_t done = 0;
    for (const LineRange& range : ranges) {
        const auto replaced = all.subspan(range.first, range.count);
        same = same && std::equal(replaced.begin(), replaced.end(), range.insert.begin(), range.insert.end());
        pieces.push_back(all.subspan(done, range.first - done));
        pieces.push_back(range.insert);
        done = range.first + range.count;
    }
    pieces.push_back(all.subspan(done));
    stamp_ = writeLines(path_, pieces, {.keepBackup = backupAlways || !same, .editTime = editTime});
    rememberWritten(stamp_);
    fileIsList_ = true;
}

void StoredList::putBack(const std::optional<Lines>& fileLines, const QDateTime& editTime) {
    if (fileLines) {
        stamp_ = writeLines(path_, *fileLines, {.keepBackup = true, .editTime = editTime});
        rememberWritten(stamp_);
    } else {
        keepBackup(path_, editTime);
        if (!platform::removeFile(path_))
            throw errors::cannotCreate(path_);
        stamp_ = FileStamp::absent();
    }
    fileIsList_ = false;
}

void StoredList::take(std::vector<LineRange>& ranges, bool keepsOrder) {
    lines_.replace(ranges, keepsOrder);
}

void StoredList::moveTo(QString path) {
    path_ = std::move(path);
    stamp_ = FileStamp::absent();
    wasRead_ = false;
    fileIsList_ = false;
    written_.clear();
}

void StoredList::writeWhole() {
    stamp_ = writeLines(path_, lines_.lines());
    rememberWritten(stamp_);
    wasRead_ = true;
    fileIsList_ = true;
}

void StoredList::rememberWritten(const FileStamp& stamp) {
    constexpr std::size_t kKept = 8;
    written_.push_back(stamp);
    if (written_.size() > kKept)
        written_.erase(written_.begin());
}

bool StoredList::wroteVersion(const QString& path) const {
    if (written_.empty())
        return false;
    const FileStamp version = FileStamp::take(path);
    return std::any_of(written_.begin(), written_.end(),
                       [&](const FileStamp& stamp) { return stamp.sameVersion(version); });
}

bool hasQuestKey(std::string_view line, std::string_view number) {
    return number.size() == 4 && line.substr(0, 4) == number;
}

} // namespace korvane
