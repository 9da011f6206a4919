#pragma once
// The journal's times: stored in UTC as "2026-12-09T08:15:03Z", shown in local time.

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

constexpr std::size_t kJournalTimeLength = 20;

// Seconds since the epoch of a stored time; none for text that is not one.
std::optional<std::int64_t> parseJournalTime(std::string_view text);
std::string formatJournalTime(std::int64_t time);
// The time a new line gets: this PC's clock, but always past every line already read, so that a
// decision made after reading another's is never ordered before it, whatever either clock says.
constexpr std::int64_t journalTimeAfter(std::int64_t now, std::int64_t latestRead) {
    return latestRead >= now ? latestRead + 1 : now;
}

// The local date and time of a journal time: "2026/12/03 21:40".
QString journalTimeText(std::int64_t time);

} // namespace korvane
