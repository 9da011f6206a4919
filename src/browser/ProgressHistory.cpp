#include "ProgressHistory.h"

#include "store/Numbers.h"
#include "store/Quest.h"
#include "store/QuestDates.h"

#include <QDateTime>

namespace korvane {
namespace {

QDate localDay(std::int64_t time) {
    return QDateTime::fromSecsSinceEpoch(time).date();
}

QDate nextPeriod(QDate from, ProgressPeriod period) {
    return period == ProgressPeriod::Week ? from.addDays(7) : from.addMonths(1);
}

} // namespace

QDate periodStart(QDate day, ProgressPeriod period) {
    return period == ProgressPeriod::Week ? day.addDays(1 - day.dayOfWeek())
                                          : QDate(day.year(), day.month(), 1);
}

ProgressHistory progressHistory(const QuestTable& table, const Journal& journal, ProgressPeriod period,
                                const std::function<bool(const QuestRecord&)>& counts, QDate today) {
    ProgressHistory history;
    const std::vector<std::optional<std::int64_t>> completedAt = completionTimes(journal);
    std::vector<QDate> days; // the completions with a date
    for (const std::string& line : table.lines().lines()) {
        const QuestRecord record = splitQuestRecord(line);
        if (!counts(record))
            continue;
        ++history.quests;
        if (!flagSet(record[kCompleted]))
            continue;
        const std::uint16_t number = questNumberOf(record[kNumber]);
        const std::optional<std::int64_t> at = number != 0 ? completedAt[number] : std::nullopt;
        if (at)
            days.push_back(localDay(*at));
        else
            ++history.beforeJournal;
    }
    if (journal.entries().empty())
        return history;

    const QDate first = periodStart(localDay(journal.entries().front().time), period);
    const QDate last = periodStart(std::max(today, first), period);
    for (QDate from = first; from <= last; from = nextPeriod(from, period))
        history.steps.push_back({from, 0, 0});
    for (const QDate day : days) {
        // A date past today (another PC's clock ahead) counts in today's period.
        const QDate start = periodStart(std::clamp(day, first, last), period);
        auto step = std::upper_bound(history.steps.begin(), history.steps.end(), start,
                                     [](QDate d, const ProgressStep& s) { return d < s.from; });
        (step - 1)->completions += 1;
    }
    int completed = history.beforeJournal;
    for (ProgressStep& step : history.steps)
        step.completed = completed += step.completions;
    return history;
}

ProgressHistory CharacterHistories::historyOf(std::size_t character, ProgressPeriod period,
                                              const std::string& nation,
                                              const std::optional<std::string>& area, QDate today) {
    const Character& of = characters_.at(character);
    const Journal* journal = &first_;
    if (character > 0) {
        auto [read, first] = read_.try_emplace(character, of.journal);
        if (first)
            read->second.refresh();
        journal = &read->second;
    }
    return progressHistory(
        *of.table, *journal, period,
        [&](const QuestRecord& r) {
            if (of.aside->holds(r[kNumber]))
                return false;
            return nation.empty() || (r[kNation] == nation && (!area || r[kArea] == *area));
        },
        today);
}

} // namespace korvane
