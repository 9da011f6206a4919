#include "EditSequence.h"

#include "editing/FlagRules.h"
#include "store/DataFiles.h"

namespace korvane::test {

LoadedData::LoadedData(const QString& folder)
    : table(files::inFolder(folder, files::kQuestTable)), content(files::inFolder(folder, files::kContent)),
      reward(files::inFolder(folder, files::kReward)), memo(files::inFolder(folder, files::kMemo)) {
    std::vector<QuestRecord> rows;
    table.load(rows);
    content.load();
    reward.load();
    memo.load();
}

QStringList dataFiles(const QString& folder) {
    QStringList out;
    for (const QString& name : {files::kQuestTable, files::kContent, files::kReward, files::kMemo})
        out << files::inFolder(folder, name);
    return out;
}

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
