#pragma once
// The progress overview as a spreadsheet reads it: CSV in UTF-8 with a byte order mark (so that
// spreadsheets take the Japanese as Japanese), CR LF, a field with a comma, a quote or a line
// break quoted. One row per nation, one per area under it, and the total; a pair of columns per
// other character: completed, and the quests it did not set aside.

#include "ProgressCounts.h"

#include <QString>
#include <string>
#include <utility>
#include <vector>

namespace korvane {

// name: the character whose overview it is, naming its columns as the others' are named.
std::vector<std::string> overviewCsv(const ProgressOverview& overview, const QString& name,
                                     const std::vector<std::pair<QString, ProgressOverview>>& others);

} // namespace korvane
