// The main window's browsing handlers: the detail view, the filters and the searches.

#include "TForm1.h"

#include "browser/AreaLists.h"
#include "browser/QuestFilter.h"
#include "browser/QuestSearch.h"
#include "store/DataFiles.h"
#include "store/LineFile.h"
#include "store/UiText.h"

namespace korvane {
namespace {

void showQuestText(const TextStore& store, const std::string& number, TextView* view) {
    view->setLines(store.readText(number));
}

} // namespace

void TForm1::StringGrid1SelectCell(int /*ACol*/, int ARow) {
    if (ARow == StringGrid1->Row() && Label1->text() != kRedisplayMarker)
        return; // the row is already on show
    if (ARow < 1) {
        clearDetailView(); // the title row is no quest
        return;
    }
    const auto cell = [&](QuestField field) { return StringGrid1->Cells(field, ARow); };
    shown_ = {cell(kNumber), StringGrid1->LineAt(ARow)};
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
    showQuestText(ContentStore, number, RichEdit1);
    RichEdit1->scrollToFirstLine();
    showQuestText(RewardStore, number, Memo2);
    showQuestText(MemoStore, number, Memo3);
    Button2->setVisible(false); // filling the memo counted as a change; there is nothing to save
}

void TForm1::clearDetailView() {
    shown_ = {};
    for (QLabel* label : {Label14, Label1, Label2, Label3, Label4, Label5})
        label->clear();
    for (FlagBox* box : {CheckBox1, CheckBox2, CheckBox3})
        box->setChecked(false);
    for (TextView* view : {RichEdit1, Memo2, Memo3})
        view->setLines({});
    Button2->setVisible(false);
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
        return restoreFilter();
    ComboBox1->dropValueItemsButChosen(); // a nation the overview added goes once another is chosen
    fillFilterAreas(*ComboBox1, *ComboBox2);
    RefillQuestGrid();
}

void TForm1::ComboBox2Change() {
    if (!settleTyping(Discards::Editors))
        return restoreFilter();
    RefillQuestGrid();
}
void TForm1::RadioGroup1Click() {
    if (!settleTyping(Discards::Editors))
        return restoreFilter();
    RefillQuestGrid();
}

void TForm1::rememberFilter() {
    filterShown_ = {ComboBox1->state(), ComboBox2->state(), RadioGroup1->ItemIndex()};
}

void TForm1::restoreFilter() {
    ComboBox1->restore(filterShown_.nation);
    ComboBox2->restore(filterShown_.area);
    RadioGroup1->setItemIndex(filterShown_.progress);
}

void TForm1::RefillQuestGrid() {
    // After a search no progress option is chosen: a filter then lists from the whole table.
    if (RadioGroup1->ItemIndex() < 0)
        RadioGroup1->setItemIndex(static_cast<int>(Progress::All));
    // A filter is in force only for an item chosen from its list, never for typed text.
    QuestFilter filter{filterValue(*ComboBox1), filterValue(*ComboBox2),
                       static_cast<Progress>(RadioGroup1->ItemIndex())};
    rememberFilter();

    lastSearchBox_ = nullptr;
    FilterResult result = filterQuests(QuestList, filter);
    if (result.lines.empty())
        result.lines.push_back(GridModel::kNoLine); // the titles and one empty row
    StringGrid1->setRows(std::move(result.lines));
    if (result.error)
        throw *result.error;
    StringGrid1->showColumn(kNation, !filter.nation);
    StringGrid1->showColumn(kArea, !filter.area);
    updateStatusBar();
    Label1->setText(kRedisplayMarker);
    StringGrid1->setRow(1);
    StringGrid1SelectCell(1, StringGrid1->Row());
}

void TForm1::Button1Click() {
    runSearch(Edit1, ContentStore);
}
void TForm1::Button6Click() {
    runSearch(Edit2, RewardStore);
}
void TForm1::Button10Click() {
    runSearch(Edit6, QuestList);
}

// Scans the file as last saved, which the stores keep in order of quest number.
void TForm1::runSearch(const QLineEdit* box, const StoredList& file) {
    if (box->text().isEmpty() || !settleTyping(Discards::Editors))
        return;
    showSearch(box, file, box->text());
}

void TForm1::showSearch(const QLineEdit* box, const StoredList& file, const QString& text) {
    RadioGroup1->setItemIndex(-1); // no refill: the nation and area filters are not applied
    rememberFilter();
    lastSearchBox_ = box;
    lastSearchFile_ = &file;
    lastSearchText_ = text;
    // A text that code page 932 cannot hold occurs in no file.
    SearchResult result = searchQuests(file.savedContent(), fromUi(text).value_or(std::string()), QuestList);
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

void TForm1::showAsFilesAre(const std::string& number) {
    if (lastSearchBox_)
        showSearch(lastSearchBox_, *lastSearchFile_, lastSearchText_);
    else
        RefillQuestGrid();
    showQuest(number);
}

// Puts the quest's row on show, when the grid lists it.
void TForm1::showQuest(const std::string& number) {
    if (number.empty())
        return;
    const std::vector<std::size_t>& lines = StringGrid1->Lines();
    const auto holds = [&](std::size_t line) {
        return line != GridModel::kNoLine && QuestList.lines()[line].starts_with(number) &&
               splitQuestRecord(QuestList.lines()[line])[kNumber] == number;
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
