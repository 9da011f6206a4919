#include "EditHistory.h"

#include "store/Errors.h"

namespace korvane {

void EditHistory::record(EditStep edit, std::string number, QString name) {
    if (edit.changesNothing())
        return;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(index_), steps_.end());
    steps_.push_back({std::move(edit), std::move(number), std::move(name)});
    if (steps_.size() > kLimit)
        steps_.pop_front();
    index_ = steps_.size();
}

const EditHistory::Step& EditHistory::writeBack(std::size_t at) {
    try {
        applyStep(steps_[at].edit);
    } catch (const KorvaneError&) {
        clear(); // refused or stopped part-way: the steps no longer fit the files
        throw;
    }
    return steps_[at];
}

const EditHistory::Step& EditHistory::undo() {
    const Step& step = writeBack(index_ - 1);
    --index_;
    return step;
}

const EditHistory::Step& EditHistory::redo() {
    const Step& step = writeBack(index_);
    ++index_;
    return step;
}

void EditHistory::clear() {
    steps_.clear();
    index_ = 0;
}

void EditHistory::rebind(const std::function<StoredList*(const StoredList*)>& to) {
    for (Step& step : steps_)
        for (EditStep::Part& part : step.edit.parts)
            if (!(part.list = to(part.list)))
                return clear();
}

std::size_t EditHistory::bytes() const {
    std::size_t total = 0;
    for (const Step& step : steps_)
        total += step.edit.bytes();
    return total;
}

} // namespace korvane
