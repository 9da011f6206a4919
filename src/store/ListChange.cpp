#include "ListChange.h"

#include "Errors.h"

namespace korvane {

void commitEach(const std::vector<StoredList*>& lists, const std::function<ListChange(std::size_t)>& make) {
    for (const StoredList* list : lists)
        list->requireWritable();
    QStringList saved;
    for (std::size_t i = 0; i < lists.size(); ++i) {
        ListChange change = make(i);
        try {
            change.list->write(change.ranges);
        } catch (const KorvaneError& error) {
            if (saved.isEmpty())
                throw;
            QStringList unsaved;
            for (std::size_t j = i; j < lists.size(); ++j)
                unsaved << lists[j]->path();
            throw PartlySavedError(error, saved, unsaved);
        }
        change.list->lines().replace(std::move(change.ranges), change.keepsOrder);
        saved << change.list->path();
    }
}

void commit(std::vector<ListChange>& changes) {
    std::vector<StoredList*> lists;
    for (const ListChange& change : changes)
        lists.push_back(change.list);
    commitEach(lists, [&changes](std::size_t i) { return std::move(changes[i]); });
}

} // namespace korvane
