#pragma once
// An edit's change to a stored list, planned without touching the list, and the commit that writes
// the changed files and only then takes each change into memory: an edit that cannot be written
// leaves every list as its file is. A commit gives back what it replaced, as a step that writes it
// back the same way: undo, and after an undo, redo.

#include "StoredList.h"

#include <functional>
#include <optional>
#include <vector>

namespace korvane {

// Lines [first, first + count) of the list give way to insert.
struct LineRange {
    std::size_t first = 0, count = 0;
    Lines insert;
};

// A file as it was before its list's first write: its lines, or nothing when there was no file.
struct FileBefore {
    std::optional<Lines> lines;
};

// One or more ranges of a list, in ascending order and apart from each other.
struct ListChange {
    ListChange() = default;
    ListChange(StoredList* list_, std::size_t first, std::size_t count, Lines insert, bool keepsOrder_)
        : list(list_), ranges{{first, count, std::move(insert)}}, keepsOrder(keepsOrder_) {}

    StoredList* list = nullptr;
    std::vector<LineRange> ranges;
    bool keepsOrder = false; // each insert is in order and fits in its place: a sorted list stays sorted
    // The file is put back as it was (these lines, or no file), not written as the changed list.
    std::optional<FileBefore> fileAsBefore;
};

// What one commit changed. For each list, its ranges at their places in the list as it now is, each
// holding the lines it replaced; and, for a file that did not hold exactly its list (the first
// write after a load that cleaned or sorted it), the file's lines as they were. Only what changed
// is kept, but for that first write. Written back (applyStep), a step holds what it replaced in its
// turn: the same step undoes, then redoes, then undoes again.
struct EditStep {
    struct Part {
        StoredList* list = nullptr;
        std::vector<LineRange> ranges;
        std::optional<FileBefore> fileBefore;
    };
    // A file the step moved beside the lists (a merged conflict copy, into backup/): written back,
    // the step moves it back, and its redo moves it again.
    struct Move {
        QString from, to;
    };
    std::vector<Part> parts;
    std::vector<Move> moves;

    // No line of any list changed.
    bool changesNothing() const;
    // No list's lines moved: each range holds as many lines as it replaced.
    bool inPlace() const;
    // The bytes of the lines it keeps.
    std::size_t bytes() const;
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
EditStep commit(std::vector<ListChange>& changes);

// The same for changes too large to hold at once: change i is made by make(i) just before its
// file, lists[i]'s, is written, once all the lists have been checked.
EditStep commitEach(const std::vector<StoredList*>& lists, const std::function<ListChange(std::size_t)>& make,
                    const CommitOptions& options = {});

// Writes the step back through the same commit: every file and list then holds what it held before
// the step was made (or, after an undo, what the step had made), and the step what they held just
// before. Refused before anything is written, with the step untouched, when a list's file changed
// since (FileChangedError); stopped part-way, the step can no longer be used. Its moves follow the
// files; one that cannot be made is said, naming both places.
void applyStep(EditStep& step);

} // namespace korvane
