#pragma once
// What the window remembers between runs, in the settings file's section "Window": its place and
// size, whether it was maximised, the column widths the user set, the grid's width, the web
// pane's height and the last filter. Every other section and line of the file stays as it is.

#include "browser/QuestFilter.h"
#include "store/QuestTable.h"

#include <QRect>
#include <QString>
#include <array>
#include <optional>
#include <string>

namespace korvane {

struct WindowState {
    QRect geometry; // the window's normal place and size
    bool maximized = true;
    std::array<int, kQuestFieldCount> columnWidths{}; // set by the user; 0: never set
    int gridWidth = 0;
    int webHeight = 0;
    std::string nation;                             // the filter, as stored; empty: 全国
    std::string area;                               // empty: 全地域
    int progress = static_cast<int>(Progress::All); // the progress option; never -1, what a search leaves
};

// Nothing when the file has no such section.
std::optional<WindowState> readWindowState(const QString& settingsFile);
// Throws "%s に書き込めません" when the file cannot be written.
void writeWindowState(const QString& settingsFile, const WindowState& state);

} // namespace korvane
