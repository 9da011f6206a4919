#pragma once
// One step of the window's history: what an edit changed, kept to write it back, and the quest it
// was about. The history (a QUndoStack) keeps the order and the names; the window writes a step
// back through the store's one safe path before it moves the history, so that a refused undo
// leaves the history where it was.

#include "store/ListChange.h"

#include <QUndoCommand>
#include <string>

namespace korvane {

class EditCommand : public QUndoCommand {
public:
    EditCommand(EditStep step, std::string number, const QString& name)
        : QUndoCommand(name), step_(std::move(step)), number_(std::move(number)) {}

    void undo() override {}
    void redo() override {}

    // Written back in place: after an undo it holds what redoes it.
    EditStep& step() const { return step_; }
    const std::string& number() const { return number_; }

private:
    mutable EditStep step_;
    std::string number_;
};

} // namespace korvane
