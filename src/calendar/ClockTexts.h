#pragma once
// What the clock panel's labels say, in the panel's fixed Japanese formats.

#include "GameCalendar.h"

#include <QString>

namespace korvane {

// "PC timer:" with the date and, unless it is exactly midnight to the second, the time:
// PC timer:2002/05/01 0:57:36.
QString pcTimerText(const CivilDateTime& t);

struct GameDayTexts {
    QString date;      // 894/5/30
    QString time;      // 23:59:35
    QString element;   // 土
    QString moonPhase; // 上弦の月
    QString conquest;  // コンクエスト集計まで76日
    QString rotation;  // タル♀オルデール鍾乳洞
};

GameDayTexts gameDayTexts(const GameDay& day);

} // namespace korvane
