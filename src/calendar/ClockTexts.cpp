#include "ClockTexts.h"

namespace korvane {

QString pcTimerText(const CivilDateTime& t) {
    QString text = QStringLiteral("PC timer:%1/%2/%3")
                       .arg(t.year, 4, 10, QLatin1Char('0'))
                       .arg(t.month, 2, 10, QLatin1Char('0'))
                       .arg(t.day, 2, 10, QLatin1Char('0'));
    if (t.hour != 0 || t.minute != 0 || t.second != 0)
        text += QStringLiteral(" %1:%2:%3")
                    .arg(t.hour)
                    .arg(t.minute, 2, 10, QLatin1Char('0'))
                    .arg(t.second, 2, 10, QLatin1Char('0'));
    return text;
}

GameDayTexts gameDayTexts(const GameDay& day) {
    const auto text = [](std::string_view utf8) {
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    };
    return {QStringLiteral("%1/%2/%3").arg(day.year).arg(day.month).arg(day.day),
            QStringLiteral("%1:%2:%3")
                .arg(day.hour)
                .arg(day.minute, 2, 10, QLatin1Char('0'))
                .arg(day.second, 2, 10, QLatin1Char('0')),
            text(elementName(day.weekIndex)),
            text(moonPhaseName(day.moonPhase)),
            QStringLiteral("コンクエスト集計まで%1日").arg(day.conquestDays),
            text(raceName(day.race)) + text(dungeonName(day.dungeon))};
}

} // namespace korvane
