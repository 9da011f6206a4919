// The main window's browsing handlers: the detail view, the filters and the searches.

#include "TForm1.h"

#include "browser/AreaLists.h"
#include "store/UiText.h"

namespace korvane {

void TForm1::StringGrid1SelectCell(int /*ACol*/, int ARow) {
    if (ARow == view_.row && ARow == view_.rowDrawn)
        return; // the row is already on show
    view_.row = view_.rowDrawn = ARow;
    const std::optional<std::size_t> line = view_.lineAt(ARow, checklist_->QuestList().lines().size());
    // The title row, and the empty row of an empty list, are no quest.
    const std::optional<Quest> quest =
        line ? std::optional(Quest::fromLine(checklist_->QuestList().lines()[*line])) : std::nullopt;
    view_.questOnShow = quest ? quest->number : std::string();
    ScrollBox1->showQuest(quest);
    // Each view is emptied and refilled in one step.
    if (quest)
        texts_->showTexts(checklist_->ContentStore().readText(quest->number),
                          checklist_->RewardStore().readText(quest->number),
                          checklist_->MemoStore().readText(quest->number));
    else
        texts_->showTexts({}, {}, {});
    ScrollBox1->offerMemoSave(false);
    ScrollBox1->showSetAside(quest ? toUi(checklist_->SetAside().dateOf(quest->number)) : QString());
    ScrollBox1->showOthersProgress(quest ? characters_->othersProgress(quest->number) : QString());
    showQuestDates();
}

void TForm1::filterChanged(bool nation) {
    if (!settleTyping(Discards::Editors))
        return filters_->restoreShown();
    if (nation)
        filters_->takeNation();
    RefillQuestGrid();
}

void TForm1::RefillQuestGrid() {
    view_.filter = filters_->takeFilter(); // an item chosen from its list, never typed text
    view_.search.reset();
    filters_->markShown();

    GridLines result = gridLinesFor(view_, checklist_->QuestList(), checklist_->SetAside(), {});
    if (result.lines.empty())
        result.lines.push_back(kNoLine); // the titles and one empty row
    view_.rows = std::move(result.lines);
    view_.setAsideLeftOut = result.setAsideLeftOut;
    StringGrid1->setRows(view_.rows, view_.row = view_.rowWithin(view_.row));
    if (result.error)
        throw *result.error;
    StringGrid1->showColumn(kNation, !view_.filter.nation);
    StringGrid1->showColumn(kArea, !view_.filter.area);
    updateStatusBar();
    showRow(1);
}

// The row on show, drawn anew; within what the grid lists.
void TForm1::showRow(int row) {
    row = view_.rowWithin(row);
    view_.rowDrawn = -1;
    StringGrid1->setRow(row);
    StringGrid1SelectCell(1, row);
}

// Scans the file as last saved, which the stores keep in order of quest number.
void TForm1::runSearch(SearchIn in, const QString& text) {
    filters_->showSearchInForce(); // no refill: the nation and area filters are not applied
    filters_->markShown();
    view_.search = ViewState::Search{in, text};
    const std::array<const StoredList*, 3> searched{&checklist_->ContentStore(), &checklist_->RewardStore(),
                                                    &checklist_->QuestList()};
    const StoredList* file = searched[static_cast<std::size_t>(in)];
    GridLines result =
        gridLinesFor(view_, checklist_->QuestList(), checklist_->SetAside(), file->savedContent());
    view_.rows = std::move(result.lines);
    view_.setAsideLeftOut = 0;
    StringGrid1->setRows(view_.rows, view_.row = view_.rowWithin(view_.row));
    StringGrid1->showColumn(kNation, true); // it lists every nation and area
    StringGrid1->showColumn(kArea, true);
    updateStatusBar();
    texts_->showText(QuestText::Content, {});
    texts_->focusContent();
    if (result.error)
        throw *result.error;
    showRow(1);
}

void TForm1::SpeedButton6Click(bool shown) {
    if (!settleTyping(Discards::Editors)) {
        updateStatusBar(); // the button as it was
        return;
    }
    view_.showSetAside = shown;
    showAsFilesAre(view_.questOnShow);
}

// number is a copy: filling the grid anew changes view_.questOnShow, which callers pass.
void TForm1::showAsFilesAre(std::string number) {
    if (view_.search)
        runSearch(view_.search->in, view_.search->text);
    else
        RefillQuestGrid();
    showQuest(number);
}

// Puts the quest's row on show, when the grid lists it.
void TForm1::showQuest(const std::string& number) {
    if (number.empty())
        return;
    const std::vector<std::size_t>& lines = view_.rows;
    const LineList& table = checklist_->QuestList().lines();
    const auto holds = [&](std::size_t line) {
        return line != kNoLine && table[line].starts_with(number) &&
               splitQuestRecord(table[line])[kNumber] == number;
    };
    for (int row = 1; row <= static_cast<int>(lines.size()); ++row)
        if (holds(lines[static_cast<std::size_t>(row - 1)]))
            return showRow(row);
}

} // namespace korvane
