#include "QuestJournal.h"
#include "store/Quest.h"

#include "store/Numbers.h"
#include "store/UiText.h"

#include <bit>
#include <functional>
#include <map>

namespace korvane {
namespace {

// A stored text line's quest: its first four bytes.
std::uint16_t textNumber(std::string_view line) {
    return line.size() >= 4 ? questNumberOf(line.substr(0, 4)) : 0;
}

// A quest's lines of a text, in order, told apart without a copy of them: an import steps over
// every line of four full files, and only whether a quest's lines changed is asked.
struct Digest {
    std::uint64_t hash = 0;
    std::size_t lines = 0;
    void add(std::string_view line) {
        hash = (std::rotl(hash, 7) ^ std::hash<std::string_view>{}(line)) * 0x9E3779B97F4A7C15ULL;
        ++lines;
    }
    bool operator==(const Digest&) const = default;
};

struct Sides {
    std::optional<QuestRecord> before, after;
    Digest memoBefore, memoAfter, textBefore, textAfter;
    bool asideBefore = false, asideAfter = false;
    std::string chainBefore, chainAfter; // the quest's line of what it needs
};

bool isSet(const QuestRecord& row, QuestField field) {
    return flagSet(row[static_cast<std::size_t>(field)]);
}

// The texts a range replaced and what came instead, told as each quest's digest before and after:
// a text written again as it was (a modification keeps the texts it did not change) is no change
// of its quest.
void sidesOfTexts(const LineRange& range, const LineList& now, bool memo,
                  std::map<std::uint16_t, Sides>& quests) {
    // A quest's lines come one after another: its entry is looked up once for them all.
    std::string_view lastKey;
    Sides* last = nullptr;
    const auto touch = [&](std::string_view line, bool after) {
        if (line.size() < 4 || line.substr(0, 4) != lastKey) {
            const std::uint16_t number = textNumber(line);
            lastKey = line.substr(0, std::min<std::size_t>(line.size(), 4));
            last = number ? &quests[number] : nullptr;
        }
        if (last) {
            Sides& sides = *last;
            (memo ? (after ? sides.memoAfter : sides.memoBefore)
                  : (after ? sides.textAfter : sides.textBefore))
                .add(line);
        }
    };
    for (const std::string& line : range.insert)
        touch(line, false);
    for (std::size_t i = range.first; i < range.first + range.count && i < now.size(); ++i)
        touch(now[i], true);
}

// Each quest a step touched, as it was before the step and as it is after.
// Each line a range replaced (after: false) and each line now in its place (after: true), by the
// quest keyOf names; lines that name none are passed over.
template <class KeyOf, class Take>
void eachQuestLine(const LineRange& range, const LineList& now, const KeyOf& keyOf, const Take& take) {
    for (const std::string& line : range.insert)
        if (const std::uint16_t number = keyOf(line))
            take(number, line, false);
    for (std::size_t i = range.first; i < range.first + range.count && i < now.size(); ++i)
        if (const std::uint16_t number = keyOf(now[i]))
            take(number, now[i], true);
}

std::map<std::uint16_t, Sides> sidesOf(const EditStep& step, const QuestLists& lists) {
    std::map<std::uint16_t, Sides> quests;
    for (const EditStep::Part& part : step.parts) {
        const LineList& now = part.list->lines();
        for (const LineRange& range : part.ranges) {
            // The range holds the lines it replaced; the list holds, at its place, what came instead.
            if (part.list == &lists.table) {
                for (const std::string& line : range.insert) {
                    QuestRecord row = splitQuestRecord(line);
                    if (const std::uint16_t number = questNumberOf(row[kNumber]))
                        quests[number].before = std::move(row);
                }
                for (std::size_t i = range.first; i < range.first + range.count && i < now.size(); ++i) {
                    QuestRecord row = splitQuestRecord(now[i]);
                    if (const std::uint16_t number = questNumberOf(row[kNumber]))
                        quests[number].after = std::move(row);
                }
                continue;
            }
            if (part.list == &lists.aside) {
                eachQuestLine(range, now, setAsideNumber,
                              [&](std::uint16_t number, const std::string&, bool after) {
                                  (after ? quests[number].asideAfter : quests[number].asideBefore) = true;
                              });
                continue;
            }
            if (part.list == &lists.chains) {
                eachQuestLine(range, now, chainQuest,
                              [&](std::uint16_t number, const std::string& line, bool after) {
                                  (after ? quests[number].chainAfter : quests[number].chainBefore) = line;
                              });
                continue;
            }
            sidesOfTexts(range, now, part.list == &lists.memo, quests);
        }
    }
    return quests;
}

} // namespace

std::vector<JournalEvent> journalEventsOf(const EditStep& step, const QuestLists& lists, JournalCause cause) {
    const bool takenBack = cause == JournalCause::Undo || cause == JournalCause::Redo;
    const std::map<std::uint16_t, Sides> quests = sidesOf(step, lists);
    std::vector<JournalEvent> events;
    for (const auto& [number, sides] : quests) {
        const auto add = [&, number = number](JournalKind kind) { events.push_back({number, kind}); };
        if (sides.after && !sides.before) {
            add(JournalKind::Added);
            if (takenBack)
                continue; // a deletion undone: the quest's flags keep the dates they had
            if (isSet(*sides.after, kOffered))
                add(JournalKind::Offered);
            if (isSet(*sides.after, kCompleted))
                add(JournalKind::Completed);
            continue;
        }
        if (sides.before && !sides.after) {
            add(JournalKind::Deleted);
            continue;
        }
        bool modified = sides.textBefore != sides.textAfter || sides.chainBefore != sides.chainAfter;
        if (sides.before && sides.after) {
            for (const auto& [field, set, cleared] :
                 {std::tuple{kOffered, JournalKind::Offered, JournalKind::OfferedCleared},
                  std::tuple{kCompleted, JournalKind::Completed, JournalKind::CompletedCleared}})
                if (isSet(*sides.before, field) != isSet(*sides.after, field))
                    add(isSet(*sides.after, field) ? set : cleared);
            // Any other field changed (every column but the number and the two flags told above).
            for (const QuestField field : kValueFields)
                if (const auto at = static_cast<std::size_t>(field); field != kOffered && field != kCompleted)
                    modified = modified || (*sides.before)[at] != (*sides.after)[at];
        }
        if (modified)
            add(JournalKind::Modified);
        if (sides.memoBefore != sides.memoAfter)
            add(JournalKind::Memo);
        if (sides.asideBefore != sides.asideAfter)
            add(sides.asideAfter ? JournalKind::SetAside : JournalKind::TakenBack);
    }
    return events;
}

QString journalSummary(const QuestDates& dates, bool offered, bool completed, bool repeatable) {
    const auto when = [](const std::optional<std::int64_t>& time) {
        return time ? journalTimeText(*time) : QStringLiteral("日付不明");
    };
    QStringList parts;
    if (offered)
        parts << fieldCaption(kOffered) + QLatin1Char(' ') + when(dates.offered);
    if (completed)
        parts << fieldCaption(kCompleted) + QLatin1Char(' ') + when(dates.completed);
    if (repeatable && dates.completions > 0)
        parts << QStringLiteral("%1 回コンプリート").arg(dates.completions);
    return parts.join(QStringLiteral("　"));
}

QString questDatesLine(const QuestDates& dates, const Quest& quest, const std::string& since) {
    const QString summary =
        journalSummary(dates, quest.flag(kOffered), quest.flag(kCompleted), quest.flag(kRepeatable));
    if (since.empty())
        return summary;
    return QStringLiteral("見送り %1").arg(toUi(since)) +
           (summary.isEmpty() ? QString() : QStringLiteral("　") + summary);
}

QString questDatesKey(const Quest& quest, const std::string& since, std::size_t journalEntries) {
    std::string key = quest.number;
    for (const QuestField flag : kFlagFields)
        key += storedFlag(quest.flag(flag));
    return toUi(key + since) + QString::number(journalEntries);
}

} // namespace korvane
