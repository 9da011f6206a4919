#include "UrlList.h"

#include "store/CommaText.h"
#include "store/Errors.h"
#include "store/LineList.h"

namespace korvane {

void addToUrlList(const QString& path, const std::string& title, const std::string& address) {
    LineList list;
    try {
        list.assign(readLines(path));
    } catch (const KorvaneError&) {
        // No list yet: the first addition creates it, without a message.
    }
    list.append(joinCommaText({title, address}));
    list.sort();
    writeLines(path, list.lines());
}

} // namespace korvane
