#include "EditSequence.h"

#include "editing/FlagRules.h"

namespace korvane::test {

void runEdits(LoadedData& d, int steps, const std::function<void(int)>& done) {
    for (int step = 0; step < steps; ++step) {
        const std::string some = formatQuestNumber(1 + (step * 7) % std::max(d.table.maxQuestNo(), 1));
        switch (step % 4) {
        case 0: // tick: the offered flag of some quest that is still there
            storeFlag(d.table, some, kOffered, step % 8 == 0 ? "1" : "0");
            break;
        case 1: // memo
            if (d.table.find(some))
                saveMemo(d.data(), some,
                         {QStringLiteral("memo %1").arg(step), QStringLiteral("second line")});
            break;
        case 2: // a new quest with its three texts
            addQuest(d.data(), {"", "N", "A", "name" + std::to_string(step), "p", "c", "0", "0", "0"},
                     {Lines{"c1", "c2", "c3"}, Lines{"r1"}, Lines{"m1", "m2"}});
            break;
        default: // delete a quest
            if (d.table.find(some))
                deleteQuest(d.data(), some);
            break;
        }
        if (done)
            done(step);
    }
}

} // namespace korvane::test
