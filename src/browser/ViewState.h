#pragma once
// What the window shows, as a plain value: what the grid lists (the filters, or a search with its
// text, and the rows they gave), the quest on show and the pane's mode. The grid, the detail view
// and the panes are drawn from it; nothing of it is read back from a widget. Typing not yet saved
// is the text views' own.

#include "QuestFilter.h"
#include "QuestSearch.h"

#include <QString>
#include <algorithm>
#include <optional>

namespace korvane {

// The grid's empty row: a list with no quest shows one.
inline constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);

enum class SearchIn { Content, Reward, Table };

struct ViewState {
    struct Search {
        SearchIn in = SearchIn::Content;
        QString text;
        bool operator==(const Search&) const = default;
    };
    enum class Pane { View, NewQuest, Modify };

    QuestFilter filter;              // in force while no search filled the grid
    bool showSetAside = false;       // the filters list the quests set aside too, for a moment
    std::optional<Search> search;    // the search that filled the grid
    std::vector<std::size_t> rows;   // the quest list's lines the grid lists, in its order
    std::size_t setAsideLeftOut = 0; // quests set aside the filters admit but the grid leaves out
    std::string questOnShow;         // empty: none
    int row = 0;                     // the grid's current row: rows[row - 1]; 0, the titles: none
    int rowDrawn = -1;               // the grid row the detail view was drawn from; -1: draw it anew
    Pane pane = Pane::View;
    std::string paneNumber; // the number the edit pane stores under
    bool webOpen = false;   // the web pane is open (and the memo view hidden)
    int handling = 0;       // the window's handlers running: one may wait in a box's event loop
    QString datesDrawn;     // what the quest's dates were drawn from: quest, flags and journal size

    // The quest's line listed where the filter would hide it (after an undo, say), in line order;
    // false when it was listed already.
    bool listLine(std::size_t line);
    // The quest list's line at the grid's row; none for the titles, the empty row, or a line past
    // the list's lines.
    std::optional<std::size_t> lineAt(int gridRow, std::size_t lines) const {
        if (gridRow < 1 || static_cast<std::size_t>(gridRow) > rows.size())
            return std::nullopt;
        const std::size_t line = rows[static_cast<std::size_t>(gridRow - 1)];
        return line == kNoLine || line >= lines ? std::nullopt : std::optional(line);
    }
    // The row nearest wanted that the grid lists: the titles only when it lists nothing.
    int rowWithin(int wanted) const {
        return std::clamp(wanted, rows.empty() ? 0 : 1, static_cast<int>(rows.size()));
    }
};

// The lines the grid lists for the view: the filter's over the table, or the search's over the
// searched file as last saved (searched: its content). An error that stopped the pass is given
// with the lines before it.
// The filters leave the quests set aside out (unless view.showSetAside) and count them; the searches
// find them with the rest.
struct GridLines {
    std::vector<std::size_t> lines;
    std::size_t setAsideLeftOut = 0;
    std::optional<KorvaneError> error;
};
GridLines gridLinesFor(const ViewState& view, const QuestTable& table, const SetAsideList& aside,
                       std::string_view searched);

} // namespace korvane
