#pragma once
// An edit's change to a stored list, planned without touching the list, and the commit that writes
// the changed files and only then takes each change into memory: an edit that cannot be written
// leaves every list as its file is.

#include "StoredList.h"

#include <functional>
#include <vector>

namespace korvane {

// Lines [first, first + count) of the list give way to insert.
struct LineRange {
    std::size_t first = 0, count = 0;
    Lines insert;
};

// One or more ranges of a list, in ascending order and apart from each other.
struct ListChange {
    ListChange() = default;
    ListChange(StoredList* list_, std::size_t first, std::size_t count, Lines insert, bool keepsOrder_)
        : list(list_), ranges{{first, count, std::move(insert)}}, keepsOrder(keepsOrder_) {}

    StoredList* list = nullptr;
    std::vector<LineRange> ranges;
    bool keepsOrder = false; // each insert is in order and fits in its place: a sorted list stays sorted
};

struct CommitOptions {
    // Every file rewritten keeps a backup, also one whose lines stay: the backups of the edit then
    // make one set (an import's, to be restored together).
    bool backupEveryFile = false;
};

// Writes the changed lists' files whole, one after the other in the order given, and takes each
// change into its list once its file is written. Before anything is written it refuses when a list
// did not load or its file changed since this copy last read or wrote it (FileChangedError); each
// file is checked again just before it is written. When a later file fails (its write, its check,
// or the making of its change), the lists and files before it hold the change and the rest do not;
// the error then names both (PartlySavedError). The backups of one commit share their time.
void commit(std::vector<ListChange>& changes);

// The same for changes too large to hold at once: change i is made by make(i) just before its
// file, lists[i]'s, is written, once all the lists have been checked.
void commitEach(const std::vector<StoredList*>& lists, const std::function<ListChange(std::size_t)>& make,
                const CommitOptions& options = {});

} // namespace korvane
