#pragma once
// A fixed sequence of edits over the quest data, as the handlers make them: ticks, memos, new
// quests and deletions, each writing its files. Replayed in full it gives every version each file
// goes through; run in a child that is killed, it leaves the files somewhere along that way.

#include "editing/QuestEdits.h"
#include "store/QuestTable.h"
#include "store/TextStore.h"

#include <QString>
#include <functional>

namespace korvane::test {

struct LoadedData {
    explicit LoadedData(const QString& folder);
    QuestTable table;
    TextStore content, reward, memo;
    QuestData data() { return {table, content, reward, memo}; }
};

// The four data files of a folder, in writing order.
QStringList dataFiles(const QString& folder);

// Runs step 0, 1, ... up to steps - 1; after each step calls done(step).
void runEdits(LoadedData& data, int steps, const std::function<void(int)>& done = {});

} // namespace korvane::test
