#include "ViewState.h"

#include "store/UiText.h"

#include <algorithm>

namespace korvane {

GridLines gridLinesFor(const ViewState& view, const QuestTable& table, const SetAsideList& aside,
                       std::string_view searched) {
    if (!view.search) {
        FilterResult result = filterQuests(table, view.filter, &aside, view.showSetAside);
        return {std::move(result.lines), result.setAsideLeftOut, std::move(result.error)};
    }
    // A text that code page 932 cannot hold occurs in no file.
    SearchResult result = searchQuests(searched, fromUi(view.search->text).value_or(std::string()), table);
    return {std::move(result.lines), 0, std::move(result.error)};
}

bool ViewState::listLine(std::size_t line) {
    if (std::find(rows.begin(), rows.end(), line) != rows.end())
        return false;
    std::erase(rows, kNoLine);
    rows.insert(std::upper_bound(rows.begin(), rows.end(), line), line);
    return true;
}

} // namespace korvane
