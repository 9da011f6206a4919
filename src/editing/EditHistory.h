#pragma once
// The history of edits: every edit is a step, undone and redone by writing it back through the
// same safe path as the edit itself. A step is written first and the history moves only once it
// is: a refused undo leaves it where it was. Its one rule of forgetting: whenever memory and the
// files part (a write that stopped part-way, a file another program changed, the files read
// again), the steps no longer fit the files and the history is emptied.

#include "store/Errors.h"
#include "store/ListChange.h"

#include <QString>
#include <deque>
#include <functional>
#include <string>

namespace korvane {

class EditHistory {
public:
    struct Step {
        EditStep edit;      // written back in place: after an undo it holds what redoes it
        std::string number; // the quest it was about
        QString name;       // "オファー 0004", "取り込み (12 件)"
    };
    static constexpr std::size_t kLimit = 100;

    // A step that changed nothing is not kept; a new step drops the steps that were undone.
    void record(EditStep edit, std::string number, QString name);

    bool canUndo() const { return index_ > 0; }
    bool canRedo() const { return index_ < steps_.size(); }
    // The step the next undo or redo writes back; nothing when there is none.
    const Step* nextUndo() const { return canUndo() ? &steps_[index_ - 1] : nullptr; }
    const Step* nextRedo() const { return canRedo() ? &steps_[index_] : nullptr; }

    // Writes the step back, then moves; the step written. Throws what the write throws, the
    // history then emptied (memory and files parted, or another program changed a file).
    const Step& undo();
    const Step& redo();

    // Runs write, which changes the files (an edit, a merge, an import); when it stops part-way or
    // finds a file another program changed, the history is emptied and the error goes on.
    template <class Write> void whileWriting(Write&& write) {
        try {
            write();
        } catch (const FileChangedError&) {
            clear();
            throw;
        } catch (const PartlySavedError&) {
            clear();
            throw;
        }
    }

    // Memory and the files parted: the files were read again, or went elsewhere.
    void clear();

    // The steps written back into other lists holding the same lines (a checklist read again from
    // files as they were left): each list the steps name, given its new one; emptied when one has
    // none.
    void rebind(const std::function<StoredList*(const StoredList*)>& to);

    std::size_t size() const { return steps_.size(); }
    // The bytes of the lines the steps keep.
    std::size_t bytes() const;

private:
    const Step& writeBack(std::size_t at);

    std::deque<Step> steps_;
    std::size_t index_ = 0; // steps_[0, index_) are done, the rest undone
};

} // namespace korvane
