#pragma once
// What the window shows, as a plain value: what the grid lists (the filters, or a search with its
// text), the quest on show, the pane's mode and whether the memo holds typing not saved. The grid,
// the detail view and the panes are drawn from it; nothing of it is read back from a widget.

#include "QuestFilter.h"
#include "QuestSearch.h"

#include <QString>
#include <optional>

namespace korvane {

enum class SearchIn { Content, Reward, Table };

struct ViewState {
    struct Search {
        SearchIn in = SearchIn::Content;
        QString text;
        bool operator==(const Search&) const = default;
    };
    enum class Pane { View, NewQuest, Modify };

    QuestFilter filter;           // in force while no search filled the grid
    std::optional<Search> search; // the search that filled the grid
    std::string questOnShow;      // empty: none
    int rowDrawn = -1;            // the grid row the detail view was drawn from; -1: draw it anew
    Pane pane = Pane::View;
    std::string paneNumber; // the number the edit pane stores under
    bool memoTyped = false; // the memo view holds typing not saved
    bool webOpen = false;   // the web pane is open (and the memo view hidden)
};

// The lines the grid lists for the view: the filter's over the table, or the search's over the
// searched file as last saved (searched: its content). An error that stopped the pass is given
// with the lines before it.
struct GridLines {
    std::vector<std::size_t> lines;
    std::optional<KorvaneError> error;
};
GridLines gridLinesFor(const ViewState& view, const QuestTable& table, std::string_view searched);

} // namespace korvane
