#include "UrlList.h"

#include "store/CommaText.h"
#include "store/LineList.h"

#include <QFileInfo>

namespace korvane {

void addToUrlList(const QString& path, const std::string& title, const std::string& address) {
    LineList list;
    // Only a list that does not exist yet starts empty; one that exists and cannot be read is
    // never replaced, so the add is refused with the read error.
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        list.assign(readLines(path));
    list.append(joinCommaText({title, address}));
    list.sort();
    writeLines(path, list.lines(), {.keepBackup = true});
}

} // namespace korvane
