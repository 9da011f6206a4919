#include "UrlList.h"

#include "store/CommaText.h"
#include "store/Errors.h"
#include "store/LineList.h"
#include "store/UiText.h"

#include <QFileInfo>
#include <QUrl>

namespace korvane {

Lines readUrlList(const QString& path) {
    return readLines(path);
}

void addToUrlList(const QString& path, const std::string& title, const std::string& address) {
    LineList list;
    // Only a list that does not exist yet starts empty; one that exists and cannot be read is
    // never replaced, so the add is refused with the read error.
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        list.assign(readUrlList(path));
    list.append(joinCommaText({title, address}));
    list.sort();
    writeLines(path, list.lines(), {.keepBackup = true});
}

std::string urlAddress(const std::string& line) {
    const Fields fields = splitCommaText(line);
    if (fields.size() < 2)
        throw errors::indexOutOfRange(1);
    return fields[1];
}

std::string storedAddress(const QString& address) {
    if (auto bytes = fromUi(address))
        return *bytes;
    return QUrl::fromUserInput(address).toString(QUrl::FullyEncoded).toStdString();
}

} // namespace korvane
