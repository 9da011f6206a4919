#include "ListChange.h"

#include "Errors.h"

namespace korvane {

void commitEach(const std::vector<StoredList*>& lists, const std::function<ListChange(std::size_t)>& make,
                const CommitOptions& options) {
    for (const StoredList* list : lists)
        list->requireWritable();
    const QDateTime editTime = QDateTime::currentDateTimeUtc();
    QStringList saved;
    const auto stopped = [&](std::size_t i, const KorvaneError& cause) {
        QStringList unsaved;
        for (std::size_t j = i; j < lists.size(); ++j)
            unsaved << lists[j]->path();
        return PartlySavedError(cause, saved, unsaved);
    };
    for (std::size_t i = 0; i < lists.size(); ++i) {
        ListChange change;
        try {
            // Another program may have written this file while the ones before it were written.
            if (i > 0 && !lists[i]->unchangedOnDisk())
                throw errors::changedOutside(lists[i]->path());
            change = make(i);
            change.list->write(change.ranges, editTime, options.backupEveryFile);
        } catch (const KorvaneError& error) {
            if (saved.isEmpty())
                throw;
            throw stopped(i, error);
        }
        change.list->take(std::move(change.ranges), change.keepsOrder);
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
