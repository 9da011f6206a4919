#include "calendar/GameCalendar.h"

#include <gtest/gtest.h>
#include <string>

namespace korvane {
namespace {

struct Worked {
    const char* name;
    CivilDateTime pc;
    std::int64_t b;
    std::string date, time, element, phase;
    int countdown;
    std::string rotation;
    friend void PrintTo(const Worked& w, std::ostream* os) { *os << w.name; }
};

std::string dateOf(const GameDay& g) {
    return std::to_string(g.year) + "/" + std::to_string(g.month) + "/" + std::to_string(g.day);
}

std::string timeOf(const GameDay& g) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d", g.hour, g.minute, g.second);
    return buffer;
}

class WorkedValues : public testing::TestWithParam<Worked> {};

TEST_P(WorkedValues, MatchTheTable) {
    const Worked& w = GetParam();
    const GameDay g = computeGameDay(w.pc);
    EXPECT_EQ(g.b, w.b);
    EXPECT_EQ(dateOf(g), w.date);
    EXPECT_EQ(timeOf(g), w.time);
    EXPECT_EQ(elementName(g.weekIndex), w.element);
    EXPECT_EQ(moonPhaseName(g.moonPhase), w.phase);
    EXPECT_EQ(g.conquestDays, w.countdown);
    EXPECT_EQ(std::string(raceName(g.race)) + std::string(dungeonName(g.dungeon)), w.rotation);
}

INSTANTIATE_TEST_SUITE_P(Table, WorkedValues,
                         testing::Values(Worked{"epoch",
                                                {2002, 5, 1, 0, 0, 0, 0},
                                                321991,
                                                "894/5/1",
                                                "0:00:00",
                                                "火",
                                                "居待月",
                                                125,
                                                "ガルカオルデール鍾乳洞"},
                                         Worked{"oneGameDayLater",
                                                {2002, 5, 1, 0, 57, 36, 0},
                                                321992,
                                                "894/5/2",
                                                "0:00:00",
                                                "土",
                                                "居待月",
                                                124,
                                                "ガルカオルデール鍾乳洞"},
                                         Worked{"nextEvening",
                                                {2002, 5, 2, 23, 59, 59, 0},
                                                322040,
                                                "894/6/20",
                                                "23:59:35",
                                                "土",
                                                "上弦の月",
                                                76,
                                                "タル♀オルデール鍾乳洞"},
                                         Worked{"aWeekLater",
                                                {2002, 5, 8, 0, 0, 0, 0},
                                                322166,
                                                "894/10/26",
                                                "0:00:00",
                                                "闇",
                                                "下弦の月",
                                                125,
                                                "タル♂オルデール鍾乳洞"}),
                         [](const testing::TestParamInfo<Worked>& test) {
                             return std::string(test.param.name);
                         });

// A PC time in May 2002 that lands on game day b at game midnight: a game day is 57:36 of real time.
CivilDateTime atGameDay(std::int64_t b) {
    const std::int64_t seconds = (b - 321991) * 3456;
    return {2002,
            5,
            1 + static_cast<int>(seconds / 86400),
            static_cast<int>(seconds % 86400 / 3600),
            static_cast<int>(seconds % 3600 / 60),
            static_cast<int>(seconds % 60),
            0};
}

TEST(GameCalendar, MonthAndYearBoundaries) {
    const struct {
        std::int64_t b;
        const char* date;
    } cases[] = {{322020, "894/5/30"}, {322021, "894/6/1"}, {322230, "894/12/30"}, {322231, "895/1/1"}};
    for (const auto& c : cases) {
        const GameDay g = computeGameDay(atGameDay(c.b));
        EXPECT_EQ(g.b, c.b);
        EXPECT_EQ(dateOf(g), c.date) << "b = " << c.b;
        EXPECT_EQ(timeOf(g), "0:00:00");
    }
}

TEST(GameCalendar, CountdownRunsFrom175DownTo1) {
    // The first tally after the epoch falls on b = 116 + 175 * 1840 = 322116, 2002-05-06 00:00.
    EXPECT_EQ(computeGameDay({2002, 5, 5, 23, 59, 59, 0}).conquestDays, 1);
    EXPECT_EQ(computeGameDay({2002, 5, 6, 0, 0, 0, 0}).conquestDays, 175);
    EXPECT_EQ(computeGameDay({2002, 5, 6, 0, 57, 36, 0}).conquestDays, 174);
}

TEST(GameCalendar, EveryTimeGivesValuesInRange) {
    const CivilDateTime times[] = {{1900, 1, 1, 0, 0, 0, 0},        {1967, 1, 31, 23, 59, 59, 999},
                                   {1601, 1, 1, 12, 0, 0, 0},       {2002, 4, 30, 23, 59, 59, 0},
                                   {2100, 12, 31, 23, 59, 59, 999}, {2100, 6, 15, 7, 30, 0, 0}};
    for (const CivilDateTime& t : times) {
        const GameDay g = computeGameDay(t);
        EXPECT_GE(g.month, 1);
        EXPECT_LE(g.month, 12);
        EXPECT_GE(g.day, 1);
        EXPECT_LE(g.day, 30);
        EXPECT_GE(g.hour, 0);
        EXPECT_LE(g.hour, 23);
        EXPECT_GE(g.minute, 0);
        EXPECT_GE(g.second, 0);
        EXPECT_LE(g.second, 59);
        EXPECT_GE(g.weekIndex, 0);
        EXPECT_LE(g.weekIndex, 7);
        EXPECT_GE(g.moonPhase, 0);
        EXPECT_LE(g.moonPhase, 11);
        EXPECT_GE(g.conquestDays, 1);
        EXPECT_LE(g.conquestDays, 175);
        EXPECT_GE(g.race, 0);
        EXPECT_LE(g.race, 7);
        EXPECT_GE(g.dungeon, 0);
        EXPECT_LE(g.dungeon, 2);
    }
}

TEST(GameCalendar, BeforeTheEpochCountsBackContinuously) {
    // One real second before the epoch is 25 game seconds before game day 321991 began.
    const GameDay g = computeGameDay({2002, 4, 30, 23, 59, 59, 0});
    EXPECT_EQ(g.b, 321990);
    EXPECT_EQ(timeOf(g), "23:59:35");
    EXPECT_EQ(dateOf(g), "894/4/30");
}

} // namespace
} // namespace korvane
