#include "ListChange.h"

#include "Errors.h"

namespace korvane {

void commit(std::vector<ListChange>& changes) {
    for (const ListChange& change : changes)
        change.list->requireWritable();
    QStringList saved;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        ListChange& change = changes[i];
        try {
            change.list->write(change.ranges);
        } catch (const KorvaneError& error) {
            if (saved.isEmpty())
                throw;
            QStringList unsaved;
            for (std::size_t j = i; j < changes.size(); ++j)
                unsaved << changes[j].list->path();
            throw PartlySavedError(error, saved, unsaved);
        }
        change.list->lines().replace(std::move(change.ranges), change.keepsOrder);
        saved << change.list->path();
    }
}

} // namespace korvane
