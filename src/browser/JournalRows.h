#pragma once
// Which journal entries the list "記録" shows: newest first, narrowed by quest, by period and by
// kind.

#include "store/Journal.h"

#include <cstdint>
#include <vector>

namespace korvane {

enum class JournalKinds : std::uint8_t { All, Offered, Completed, Memo, QuestEdits, SetAside };
enum class JournalPeriod : std::uint8_t { All, Today, Week, Month };

struct JournalFilter {
    std::uint16_t number = 0; // 0: every quest
    JournalPeriod period = JournalPeriod::All;
    JournalKinds kinds = JournalKinds::All;
};

// The earliest time of the period, as seen at now (seconds since the epoch) with the day starting
// at local midnight; 0 for every time.
std::int64_t periodStart(JournalPeriod period, std::int64_t now);

// Indexes into entries (in time order) of those the filter admits, the newest first.
std::vector<std::uint32_t> journalRows(const std::vector<JournalEntry>& entries, const JournalFilter& filter,
                                       std::int64_t now);

} // namespace korvane
