#include "JournalRows.h"

#include <QDateTime>

namespace korvane {
namespace {

bool admits(JournalKinds kinds, JournalKind kind) {
    switch (kinds) {
    case JournalKinds::All:
        return true;
    case JournalKinds::Offered:
        return kind == JournalKind::Offered || kind == JournalKind::OfferedCleared;
    case JournalKinds::Completed:
        return kind == JournalKind::Completed || kind == JournalKind::CompletedCleared;
    case JournalKinds::Memo:
        return kind == JournalKind::Memo;
    case JournalKinds::QuestEdits:
        return kind == JournalKind::Added || kind == JournalKind::Modified || kind == JournalKind::Deleted;
    case JournalKinds::SetAside:
        return kind == JournalKind::SetAside || kind == JournalKind::TakenBack;
    }
    return false;
}

} // namespace

std::int64_t periodStart(JournalPeriod period, std::int64_t now) {
    if (period == JournalPeriod::All)
        return 0;
    const QDate today = QDateTime::fromSecsSinceEpoch(now).date();
    const int daysBack = period == JournalPeriod::Today ? 0 : period == JournalPeriod::Week ? 6 : 29;
    return today.addDays(-daysBack).startOfDay().toSecsSinceEpoch();
}

std::vector<std::uint32_t> journalRows(const std::vector<JournalEntry>& entries, const JournalFilter& filter,
                                       std::int64_t now) {
    const std::int64_t since = periodStart(filter.period, now);
    std::vector<std::uint32_t> rows;
    rows.reserve(filter.number == 0 && filter.kinds == JournalKinds::All ? entries.size() : 0);
    for (std::size_t i = entries.size(); i-- > 0;) {
        const JournalEntry& entry = entries[i];
        if (entry.time < since)
            break; // in time order: every earlier one is before the period too
        if ((filter.number == 0 || entry.number == filter.number) && admits(filter.kinds, entry.kind))
            rows.push_back(static_cast<std::uint32_t>(i));
    }
    return rows;
}

} // namespace korvane
