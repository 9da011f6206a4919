#pragma once
// The four data files of a folder, loaded as the program loads them, for the tests of the units
// without widgets.

#include "editing/QuestEdits.h"
#include "store/DataFiles.h"
#include "store/Errors.h"

#include <QStringList>
#include <array>

namespace korvane::test {

// The four data files of a folder, in writing order.
inline QStringList dataFiles(const QString& folder) {
    QStringList out;
    for (const QString& name : {files::kQuestTable, files::kContent, files::kReward, files::kMemo})
        out << files::inFolder(folder, name);
    return out;
}

struct LoadedData {
    explicit LoadedData(const QString& folder)
        : table(dataFiles(folder)[0]), content(dataFiles(folder)[1]), reward(dataFiles(folder)[2]),
          memo(dataFiles(folder)[3]), aside(files::inFolder(folder, files::kSetAside)),
          chains(files::inFolder(folder, files::kChains)) {
        std::vector<QuestRecord> rows;
        try {
            table.load(rows);
        } catch (const KorvaneError&) {
            // a table that stops loading is what some tests look at
        }
        content.load();
        reward.load();
        memo.load();
        aside.load();
        chains.load();
    }
    QuestData data() { return {table, content, reward, memo, aside, chains}; }
    std::array<StoredList*, 4> lists() { return {&table, &content, &reward, &memo}; }

    QuestTable table;
    TextStore content, reward, memo;
    SetAsideList aside;
    QuestChains chains;
};

} // namespace korvane::test
