#pragma once
// What an action could cost at the least: the same bytes read and atomically written with plain
// file calls, or a plain byte scan of the file. Each action's time is reported against its floor.

#include <QString>
#include <string_view>
#include <vector>

namespace korvane::bench {

// Reads each file whole, writes it to a temporary file beside it, syncs and renames it back.
void rewriteFloor(const std::vector<QString>& paths);

// Reads each file whole: what loading a checklist could cost at the least.
std::size_t readFloor(const std::vector<QString>& paths);

// Reads the file and counts the occurrences of text with memmem.
std::size_t scanFloor(const QString& path, std::string_view text);

} // namespace korvane::bench
