#include "StoredList.h"

#include "Errors.h"
#include "LineFile.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace korvane {

bool StoredList::read() {
    loaded_ = false;
    struct stat st {};
    fileIsList_ = false;
    if (::stat(QFile::encodeName(path_).constData(), &st) != 0 && errno == ENOENT) {
        lines_.assign({});
        stamp_ = FileStamp::absent();
        return false;
    }
    lines_.assign(readLines(path_, &stamp_));
    fileIsList_ = true;
    return true;
}

void StoredList::requireWritable() const {
    if (!loaded_)
        throw errors::notLoaded(path_);
    if (!unchangedOnDisk())
        throw FileChangedError(path_);
}

void StoredList::write(std::size_t first, std::size_t count, const Lines& insert) {
    const std::span<const std::string> all(lines_.lines());
    const auto replaced = all.subspan(first, count);
    // Rewriting the same lines (a flag stored unchanged, a store an edit did not touch) keeps no
    // backup: five copies of one version would push the older versions out.
    const bool same =
        fileIsList_ && std::equal(replaced.begin(), replaced.end(), insert.begin(), insert.end());
    stamp_ =
        writeLines(path_, {all.subspan(0, first), insert, all.subspan(first + count)}, {.keepBackup = !same});
    fileIsList_ = true;
}

bool hasQuestKey(std::string_view line, std::string_view number) {
    return number.size() == 4 && line.substr(0, 4) == number;
}

} // namespace korvane
