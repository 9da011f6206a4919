#pragma once
// The game calendar, computed from a local wall-clock date-time alone: game time runs 25 times as
// fast as real time from the epoch 2002-05-01 00:00:00. No clock is read here.

#include <cstdint>
#include <string_view>

namespace korvane {

struct CivilDateTime {
    int year = 2002, month = 5, day = 1;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

struct GameDay {
    std::int64_t b = 0;                   // game day number
    std::int64_t year = 0;                // game date
    int month = 1, day = 1;               // 1..12, 1..30
    int hour = 0, minute = 0, second = 0; // game time of day
    int weekIndex = 0;                    // 0 土 ... 7 火
    int moonPhase = 0;                    // 0 満月 ... 6 新月 ... 11 十三夜
    int conquestDays = 175;               // 1..175
    int race = 0;                         // 0..7
    int dungeon = 0;                      // 0..2
};

// Days since 1899-12-30 with the time of day as fraction, as a date-time value counts them.
double toDays(const CivilDateTime& t);

// Floor division and the matching non-negative remainder throughout, so that a clock before the
// epoch, however early, still gives a valid date, time and table index.
GameDay computeGameDay(const CivilDateTime& pcTime);

std::string_view elementName(int weekIndex);
std::string_view moonPhaseName(int phase);
std::string_view raceName(int race);
std::string_view dungeonName(int dungeon);

} // namespace korvane
