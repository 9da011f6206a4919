#include "StoredList.h"

#include "Errors.h"
#include "LineFile.h"

namespace korvane {

void StoredList::read() {
    loaded_ = false;
    lines_.assign(readLines(path_));
}

void StoredList::requireLoaded() const {
    if (!loaded_)
        throw errors::notLoaded(path_);
}

void StoredList::save() const {
    requireLoaded();
    writeLines(path_, lines_.lines());
}

void requireLoaded(std::initializer_list<const StoredList*> lists) {
    for (const StoredList* list : lists)
        list->requireLoaded();
}

bool hasQuestKey(std::string_view line, std::string_view number) {
    return number.size() == 4 && line.substr(0, 4) == number;
}

} // namespace korvane
