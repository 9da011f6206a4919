// Progress over time from a journal the test writes: completions per week and per month, the
// completed count at each period's end (a quest the table shows not completed counts for nothing,
// whatever its journal says), and what was completed before the journal began counted from its
// first day.

#include "browser/ProgressHistory.h"
#include "support/Sjis.h"
#include "support/TempFiles.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::crlf;
using test::sj;
using test::writeBytes;

std::int64_t at(int month, int day) {
    return QDateTime(QDate(2026, month, day), QTime(20, 0)).toSecsSinceEpoch();
}

TEST(ProgressHistory, CountsEachPeriodFromTheJournalsFirstDay) {
    QTemporaryDir dir;
    writeBytes(dir.filePath("t.csv"),
               crlf({sj("0001,A,a,q,p,c,1,1,0"), sj("0002,A,a,q,p,c,1,1,0"), sj("0003,A,b,q,p,c,1,0,0"),
                     sj("0004,A,b,q,p,c,1,1,1"), sj("0005,B,c,q,p,c,1,1,0")}));
    QuestTable table(dir.filePath("t.csv"));
    std::vector<QuestRecord> rows;
    ASSERT_TRUE(table.load(rows));
    using K = JournalKind;
    using C = JournalCause;
    writeBytes(dir.filePath("j.csv"),
               crlf({journalLine({at(10, 30), 1, K::Offered, C::Player, 0}, "PC"),
                     journalLine({at(11, 2), 1, K::Completed, C::Player, 0}, "PC"),
                     journalLine({at(11, 3), 5, K::Completed, C::Player, 0}, "PC"),
                     journalLine({at(11, 20), 3, K::Completed, C::Player, 0}, "PC"),
                     journalLine({at(11, 20), 3, K::CompletedCleared, C::Undo, 0}, "PC"),
                     journalLine({at(12, 8), 4, K::Completed, C::Player, 0}, "PC")}));
    Journal journal(dir.filePath("j.csv"));
    journal.refresh();

    struct Case {
        const char* what;
        ProgressPeriod period;
        bool nationA;
        int quests;
        std::vector<std::pair<QDate, int>> completedBy; // each period's first day and count by its end
    };
    const Case cases[] = {
        {"weeks, every quest",
         ProgressPeriod::Week,
         false,
         5,
         {{{2026, 10, 26}, 1},
          {{2026, 11, 2}, 3},
          {{2026, 11, 9}, 3},
          {{2026, 11, 16}, 3},
          {{2026, 11, 23}, 3},
          {{2026, 11, 30}, 3},
          {{2026, 12, 7}, 4}}},
        {"months, one nation",
         ProgressPeriod::Month,
         true,
         4,
         {{{2026, 10, 1}, 1}, {{2026, 11, 1}, 2}, {{2026, 12, 1}, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ProgressHistory history = progressHistory(
            table, journal, c.period, [&](const QuestRecord& r) { return !c.nationA || r[kNation] == "A"; },
            QDate(2026, 12, 10));
        EXPECT_EQ(history.quests, c.quests);
        EXPECT_EQ(history.beforeJournal, 1); // 0002: completed, never in the journal
        std::vector<std::pair<QDate, int>> completedBy;
        int completions = 0;
        for (const ProgressStep& step : history.steps) {
            completedBy.emplace_back(step.from, step.completed);
            completions += step.completions;
        }
        EXPECT_EQ(completedBy, c.completedBy);
        EXPECT_EQ(completions + history.beforeJournal, c.completedBy.back().second);
        int bars = 0; // what the chart's bars show adds up to what is completed
        for (std::size_t i = 0; i < history.steps.size(); ++i)
            bars += history.barOf(i);
        EXPECT_EQ(bars, c.completedBy.back().second);
    }
}

} // namespace
} // namespace korvane
