#include "EditSequence.h"

#include "editing/FlagRules.h"

#include <vector>

namespace korvane::test {

void runEdits(LoadedData& d, int steps, const std::function<void(int)>& done) {
    std::vector<EditStep> undone, made;
    for (int step = 0; step < steps; ++step) {
        const std::string some = formatQuestNumber(1 + (step * 7) % std::max(d.table.maxQuestNo(), 1));
        EditStep edit;
        switch (step % 6) {
        case 0: // tick: the offered flag of some quest that is still there
            storeFlag(d.table, some, kOffered, step % 12 == 0 ? "1" : "0", &edit);
            break;
        case 1: // memo
            if (d.table.find(some))
                saveMemo(d.data(), some, {QStringLiteral("memo %1").arg(step), QStringLiteral("second line")},
                         &edit);
            break;
        case 2: // a new quest with its three texts
            addQuest(d.data(), {"", "N", "A", "name" + std::to_string(step), "p", "c", "0", "0", "0"},
                     {Lines{"c1", "c2", "c3"}, Lines{"r1"}, Lines{"m1", "m2"}}, &edit);
            break;
        case 3: // delete a quest
            if (d.table.find(some))
                deleteQuest(d.data(), some, &edit);
            break;
        case 4: // undo the last edit
            if (!made.empty()) {
                applyStep(made.back());
                undone.push_back(std::move(made.back()));
                made.pop_back();
            }
            break;
        default: // and redo it
            if (!undone.empty()) {
                applyStep(undone.back());
                made.push_back(std::move(undone.back()));
                undone.pop_back();
            }
            break;
        }
        if (!edit.parts.empty()) {
            made.push_back(std::move(edit));
            undone.clear();
        }
        if (done)
            done(step);
    }
}

} // namespace korvane::test
