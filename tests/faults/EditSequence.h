#pragma once
// A fixed sequence of edits over the quest data, as the handlers make them: ticks, memos, new
// quests and deletions, and undoing and redoing them, each writing its files. Replayed in full it gives every
// version each file goes through; run in a child that is killed, it leaves the files somewhere along that
// way.

#include "support/LoadedData.h"

#include <functional>

namespace korvane::test {

// Runs step 0, 1, ... up to steps - 1; after each step calls done(step).
void runEdits(LoadedData& data, int steps, const std::function<void(int)>& done = {});

} // namespace korvane::test
