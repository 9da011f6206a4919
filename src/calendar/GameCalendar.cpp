#include "GameCalendar.h"

#include <cmath>

namespace korvane {
namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;
constexpr int kSpeed = 25;
constexpr std::int64_t kDayOffset = 321'991;
constexpr std::int64_t kCalendarShift = 31;
constexpr std::int64_t kConquestPeriod = 175;
constexpr std::int64_t kConquestBase = 116;
constexpr CivilDateTime kEpoch{2002, 5, 1, 0, 0, 0, 0};

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

std::int64_t floorMod(std::int64_t a, std::int64_t b) {
    return a - floorDiv(a, b) * b;
}

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = floorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr std::int64_t kDaysFrom1899To1970 = 25569;

} // namespace

double toDays(const CivilDateTime& t) {
    const double whole = static_cast<double>(daysFromCivil(t.year, t.month, t.day) + kDaysFrom1899To1970);
    const double ms = ((t.hour * 60.0 + t.minute) * 60.0 + t.second) * 1000.0 + t.millisecond;
    return whole + ms / kMsPerDay;
}

GameDay computeGameDay(const CivilDateTime& pcTime) {
    const double elapsedDays = toDays(pcTime) - toDays(kEpoch);
    const auto gameMs = static_cast<std::int64_t>(std::nearbyint(elapsedDays * kSpeed * kMsPerDay));
    const std::int64_t wholeDays = floorDiv(gameMs, kMsPerDay);
    const std::int64_t msOfDay = floorMod(gameMs, kMsPerDay);

    GameDay g;
    g.b = wholeDays + kDayOffset;
    const std::int64_t n = g.b - kCalendarShift;
    g.year = floorDiv(n, 360);
    g.month = static_cast<int>(floorMod(n, 360) / 30) + 1;
    g.day = static_cast<int>(floorMod(n, 30)) + 1;
    g.hour = static_cast<int>(msOfDay / 3'600'000);
    g.minute = static_cast<int>(msOfDay / 60'000 % 60);
    g.second = static_cast<int>(msOfDay / 1000 % 60);
    g.weekIndex = static_cast<int>(floorMod(g.b, 8));
    g.moonPhase = static_cast<int>(floorMod(floorDiv(g.b - 1, 7), 12));
    g.conquestDays = static_cast<int>(kConquestPeriod - floorMod(g.b - kConquestBase, kConquestPeriod));
    const std::int64_t week = floorDiv(g.b + 1, 8);
    g.race = static_cast<int>(floorMod(week, 8));
    g.dungeon = static_cast<int>(floorMod(week, 3));
    return g;
}

std::string_view elementName(int weekIndex) {
    static constexpr std::string_view names[] = {"土", "水", "風", "氷", "雷", "光", "闇", "火"};
    return names[weekIndex];
}

std::string_view moonPhaseName(int phase) {
    static constexpr std::string_view names[] = {"満月",       "十六夜",   "居待月", "下弦の月",
                                                 "二十日余月", "二十六夜", "新月",   "三日月",
                                                 "七日月",     "上弦の月", "十日夜", "十三夜"};
    return names[phase];
}

std::string_view raceName(int race) {
    static constexpr std::string_view names[] = {"ミスラ", "ガルカ", "ヒュム♂", "ヒュム♀",
                                                 "エル♂",  "エル♀",  "タル♂",   "タル♀"};
    return names[race];
}

std::string_view dungeonName(int dungeon) {
    static constexpr std::string_view names[] = {"シャクラミ地下迷宮", "オルデール鍾乳洞", "グスゲン鉱山"};
    return names[dungeon];
}

} // namespace korvane
