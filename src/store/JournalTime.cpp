#include "JournalTime.h"

#include "Numbers.h"

#include <QDateTime>
#include <cstdio>

namespace korvane {
namespace {

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar, and back (H. Hinnant's
// algorithms): a hundred thousand lines are read without a date library's cost each.
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

} // namespace

std::optional<std::int64_t> parseJournalTime(std::string_view text) {
    // YYYY-MM-DDTHH:MM:SSZ
    if (text.size() != kJournalTimeLength || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':' || text[19] != 'Z')
        return std::nullopt;
    const auto number = [&](std::size_t at, std::size_t length) -> std::optional<unsigned> {
        const std::string_view digits = text.substr(at, length);
        if (!allDigits(digits))
            return std::nullopt;
        unsigned value = 0;
        for (const char c : digits)
            value = value * 10 + static_cast<unsigned>(c - '0');
        return value;
    };
    const auto y = number(0, 4), mo = number(5, 2), d = number(8, 2), h = number(11, 2), mi = number(14, 2),
               s = number(17, 2);
    if (!y || !mo || !d || !h || !mi || !s || *mo < 1 || *mo > 12 || *d < 1 || *d > 31 || *h > 23 ||
        *mi > 59 || *s > 60)
        return std::nullopt;
    return daysFromCivil(*y, *mo, *d) * 86400 + *h * 3600 + *mi * 60 + *s;
}

std::string formatJournalTime(std::int64_t time) {
    const std::int64_t days = time >= 0 ? time / 86400 : (time - 86399) / 86400;
    const std::int64_t second = time - days * 86400;
    std::int64_t y = 0;
    unsigned m = 0, d = 0;
    civilFromDays(days, y, m, d);
    char out[64];
    std::snprintf(out, sizeof out, "%04lld-%02u-%02uT%02lld:%02lld:%02lldZ", static_cast<long long>(y), m, d,
                  static_cast<long long>(second / 3600), static_cast<long long>(second / 60 % 60),
                  static_cast<long long>(second % 60));
    return out;
}

QString journalTimeText(std::int64_t time) {
    return QDateTime::fromSecsSinceEpoch(time).toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
}

} // namespace korvane
