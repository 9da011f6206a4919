// The main window's browsing handlers: the detail view, the filters and the searches.

#include "TForm1.h"

#include "browser/AreaLists.h"
#include "store/UiText.h"

namespace korvane {

void TForm1::StringGrid1SelectCell(int /*ACol*/, int ARow) {
    if (ARow == StringGrid1->Row() && Label1->text() != kRedisplayMarker)
        return;     // the row is already on show
    if (ARow < 1) { // the title row is no quest
        view_.questOnShow.clear();
        view_.memoTyped = false;
        for (QLabel* label : {Label14, Label1, Label2, Label3, Label4, Label5})
            label->clear();
        for (FlagBox* box : {CheckBox1, CheckBox2, CheckBox3})
            box->setChecked(false);
        for (TextView* view : {RichEdit1, Memo2, Memo3})
            view->setLines({});
        Button2->setVisible(false);
        Label23->clear();
        showQuestDates();
        return;
    }
    const auto cell = [&](QuestField field) { return StringGrid1->Cells(field, ARow); };
    view_.questOnShow = cell(kNumber);
    Label14->setText(toUi(cell(kNumber)));
    Label1->setText(toUi(cell(kNation)));
    Label2->setText(toUi(cell(kArea)));
    Label3->setText(toUi(cell(kName)));
    Label4->setText(toUi(cell(kPlace)));
    Label5->setText(toUi(cell(kCondition)));
    CheckBox1->setChecked(cell(kOffered) == "1");
    CheckBox2->setChecked(cell(kCompleted) == "1");
    CheckBox3->setChecked(cell(kRepeatable) == "1");
    // Each view is emptied and refilled in one step.
    const std::string number = cell(kNumber);
    RichEdit1->setLines(checklist_->ContentStore().readText(number));
    RichEdit1->scrollToFirstLine();
    Memo2->setLines(checklist_->RewardStore().readText(number));
    Memo3->setLines(checklist_->MemoStore().readText(number));
    view_.memoTyped = false; // filling the memo counted as a change; there is nothing to save
    Button2->setVisible(false);
    Label23->setText(characters_->othersProgress(number));
    showQuestDates();
}

void TForm1::StringGrid1MouseMove() {
    StringGrid1->setFocus();
}
void TForm1::Memo2MouseMove() {
    Memo2->setFocus();
}
void TForm1::Memo3MouseMove() {
    Memo3->setFocus();
}

void TForm1::ComboBox1Change() {
    if (!settleTyping(Discards::Editors))
        return restoreFilterControls(filterShown_);
    ComboBox1->dropValueItemsButChosen(); // a nation the overview added goes once another is chosen
    fillFilterAreas(*ComboBox1, *ComboBox2);
    RefillQuestGrid();
}

void TForm1::ComboBox2Change() {
    if (!settleTyping(Discards::Editors))
        return restoreFilterControls(filterShown_);
    RefillQuestGrid();
}

void TForm1::RadioGroup1Click() {
    if (!settleTyping(Discards::Editors))
        return restoreFilterControls(filterShown_);
    RefillQuestGrid();
}

void TForm1::RefillQuestGrid() {
    // After a search no progress option is chosen: a filter then lists from the whole table.
    if (RadioGroup1->ItemIndex() < 0)
        RadioGroup1->setItemIndex(static_cast<int>(Progress::All));
    view_.filter = chosenFilter(); // in force only for an item chosen from its list, never typed text
    view_.search.reset();
    filterShown_ = filterControls();

    GridLines result = gridLinesFor(view_, checklist_->QuestList(), {});
    if (result.lines.empty())
        result.lines.push_back(GridModel::kNoLine); // the titles and one empty row
    StringGrid1->setRows(std::move(result.lines));
    if (result.error)
        throw *result.error;
    StringGrid1->showColumn(kNation, !view_.filter.nation);
    StringGrid1->showColumn(kArea, !view_.filter.area);
    updateStatusBar();
    Label1->setText(kRedisplayMarker);
    StringGrid1->setRow(1);
    StringGrid1SelectCell(1, StringGrid1->Row());
}

void TForm1::Button1Click() {
    if (!Edit1->text().isEmpty() && settleTyping(Discards::Editors))
        runSearch(SearchIn::Content, Edit1->text());
}
void TForm1::Button6Click() {
    if (!Edit2->text().isEmpty() && settleTyping(Discards::Editors))
        runSearch(SearchIn::Reward, Edit2->text());
}
void TForm1::Button10Click() {
    if (!Edit6->text().isEmpty() && settleTyping(Discards::Editors))
        runSearch(SearchIn::Table, Edit6->text());
}

// Scans the file as last saved, which the stores keep in order of quest number.
void TForm1::runSearch(SearchIn in, const QString& text) {
    RadioGroup1->setItemIndex(-1); // no refill: the nation and area filters are not applied
    filterShown_ = filterControls();
    view_.search = ViewState::Search{in, text};
    const std::array<const StoredList*, 3> searched{&checklist_->ContentStore(), &checklist_->RewardStore(),
                                                    &checklist_->QuestList()};
    const StoredList* file = searched[static_cast<std::size_t>(in)];
    GridLines result = gridLinesFor(view_, checklist_->QuestList(), file->savedContent());
    StringGrid1->setRows(std::move(result.lines));
    StringGrid1->showColumn(kNation, true); // it lists every nation and area
    StringGrid1->showColumn(kArea, true);
    updateStatusBar();
    RichEdit1->setLines({});
    RichEdit1->setFocus();
    if (result.error)
        throw *result.error;
    Label1->setText(kRedisplayMarker);
    if (StringGrid1->RowCount() > 1)
        StringGrid1->setRow(1);
    StringGrid1SelectCell(1, StringGrid1->Row());
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
    const std::vector<std::size_t>& lines = StringGrid1->Lines();
    const LineList& table = checklist_->QuestList().lines();
    const auto holds = [&](std::size_t line) {
        return line != GridModel::kNoLine && table[line].starts_with(number) &&
               splitQuestRecord(table[line])[kNumber] == number;
    };
    for (int row = 1; row <= static_cast<int>(lines.size()); ++row)
        if (holds(lines[static_cast<std::size_t>(row - 1)])) {
            Label1->setText(kRedisplayMarker);
            StringGrid1->setRow(row);
            StringGrid1SelectCell(1, row);
            return;
        }
}

} // namespace korvane
