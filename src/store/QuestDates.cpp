#include "QuestDates.h"

#include "Numbers.h"

namespace korvane {

namespace {

// A flag's changes as the journal tells them, an undo taking back the last and a redo making it again.
struct FlagChanges {
    struct Change {
        std::int64_t time;
        bool set;
    };
    std::vector<Change> done, undone;
    void change(const JournalEntry& e, bool set) {
        switch (e.cause) {
        case JournalCause::Undo:
            if (!done.empty()) {
                undone.push_back(done.back());
                done.pop_back();
            }
            return;
        case JournalCause::Redo:
            if (!undone.empty()) {
                done.push_back(undone.back());
                undone.pop_back();
            }
            return;
        default:
            undone.clear();
            // A flag set again that is set already (the other PC's tick merged in) keeps its date.
            if (done.empty() || done.back().set != set)
                done.push_back({e.time, set});
        }
    }
    std::optional<std::int64_t> setAt() const {
        return !done.empty() && done.back().set ? std::optional(done.back().time) : std::nullopt;
    }
    std::optional<bool> inForce() const {
        return done.empty() ? std::nullopt : std::optional(done.back().set);
    }
};

// One quest's flags, entry by entry.
struct QuestFlags {
    FlagChanges offered, completed, aside;
    void take(const JournalEntry& e) {
        switch (e.kind) {
        case JournalKind::Added:
            if (e.cause != JournalCause::Undo && e.cause != JournalCause::Redo)
                *this = QuestFlags{}; // a number given to a new quest starts afresh
            break;
        case JournalKind::Offered:
        case JournalKind::OfferedCleared:
            offered.change(e, e.kind == JournalKind::Offered);
            break;
        case JournalKind::Completed:
        case JournalKind::CompletedCleared:
            completed.change(e, e.kind == JournalKind::Completed);
            break;
        case JournalKind::SetAside:
        case JournalKind::TakenBack:
            aside.change(e, e.kind == JournalKind::SetAside);
            break;
        default:
            break;
        }
    }
    QuestDates dates() const {
        QuestDates dates{offered.setAt(), completed.setAt(), 0};
        for (const FlagChanges::Change& change : completed.done)
            dates.completions += change.set ? 1 : 0;
        return dates;
    }
};

} // namespace

QuestDates questDates(const Journal& journal, std::uint16_t number) {
    QuestFlags flags;
    for (const JournalEntry& e : journal.entries())
        if (e.number == number)
            flags.take(e);
    return flags.dates();
}

namespace {

std::vector<QuestFlags> everyQuestsFlags(const Journal& journal) {
    std::vector<QuestFlags> flags(kLastQuestNumber + 1);
    for (const JournalEntry& e : journal.entries())
        if (e.number >= 1 && e.number <= kLastQuestNumber)
            flags[e.number].take(e);
    return flags;
}

} // namespace

std::vector<std::optional<std::int64_t>> completionTimes(const Journal& journal) {
    const std::vector<QuestFlags> flags = everyQuestsFlags(journal);
    std::vector<std::optional<std::int64_t>> times(flags.size());
    for (std::size_t number = 1; number < flags.size(); ++number)
        times[number] = flags[number].completed.setAt();
    return times;
}

std::vector<std::optional<bool>> setAsideInForce(const Journal& journal) {
    const std::vector<QuestFlags> flags = everyQuestsFlags(journal);
    std::vector<std::optional<bool>> states(flags.size());
    for (std::size_t number = 1; number < flags.size(); ++number)
        states[number] = flags[number].aside.inForce();
    return states;
}

} // namespace korvane
