#pragma once
// The journal as the checklist keeps it: the events of each step written, quest by quest, told
// from the lines the step replaced and the lines now in their place; and, for a quest, when it was
// offered and completed and how often it was completed, as the journal tells it.

#include "QuestEdits.h"
#include "store/Journal.h"
#include "store/ListChange.h"
#include "store/Quest.h"
#include "store/QuestDates.h"

#include <optional>

namespace korvane {

// What the step, just written (an edit, or an undo or redo of one), did to each quest: a flag set
// or cleared, a memo saved, a quest added (with the flags it was added with), modified (another
// field, its content or its reward), deleted, set aside or taken back. In the order of the quests'
// numbers. A quest that an undo or redo brings back is only added: its flags (and its being set
// aside) keep the dates they had.
std::vector<JournalEvent> journalEventsOf(const EditStep& step, const QuestLists& lists, JournalCause cause);

// The detail view's line for a quest with these flags: "オファー 2026/12/01 20:15　コンプリート
// 2026/12/03 21:40（3 回）", in the local time; a flag set before the journal knew of it says so.
QString journalSummary(const QuestDates& dates, bool offered, bool completed, bool repeatable);

// The whole line of the quest: since when it is set aside (since, as stored; empty when it is not),
// then the summary.
QString questDatesLine(const QuestDates& dates, const Quest& quest, const std::string& since);
// What that line is made from: the quest, its flags, since when it is set aside and the journal's
// size. The line is made again only when this changed.
QString questDatesKey(const Quest& quest, const std::string& since, std::size_t journalEntries);

} // namespace korvane
