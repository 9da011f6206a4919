// What the main window says of progress: the counts in the status bar and the overview "進捗".

#include "TForm1.h"

#include "browser/ProgressCounts.h"
#include "browser/ProgressDialog.h"
#include "browser/ProgressHistory.h"

namespace korvane {

// The rows on show as counted by the progress options; after a search, also what it found.
void TForm1::updateStatusBar() {
    const ProgressCounts counts = countsOf(checklist_->QuestList(), view_.rows, &checklist_->SetAside());
    QString text = countsText(counts);
    if (view_.search) {
        text = searchText(searches_->caption(view_.search->in), view_.search->text, counts.quests) +
               QStringLiteral("　　") + text;
    }
    StatusBar1->showCounts(text);
    StatusBar1->showSetAside(view_.showSetAside ? static_cast<std::size_t>(counts.setAside)
                                                : view_.setAsideLeftOut,
                             view_.showSetAside, view_.search.has_value());
}

void TForm1::Button12Click() {
    // Each character, the one on show first.
    std::vector<std::pair<QString, ProgressOverview>> others;
    std::vector<CharacterHistories::Character> characters{
        {&checklist_->QuestList(), &checklist_->SetAside(), {}}};
    for (const auto& other : characters_->others().tables()) {
        others.emplace_back(other.name, progressOverview(*other.table, other.aside));
        characters.push_back({other.table, other.aside, other.journal});
    }
    CharacterHistories histories(std::move(characters), checklist_->journal());
    const auto historyOf = [&histories, today = QDate::currentDate()](int character, ProgressPeriod period,
                                                                      const OverviewChoice& scope) {
        return histories.historyOf(static_cast<std::size_t>(character), period, scope.nation.toStdString(),
                                   scope.areaIsSet ? std::optional(scope.area.toStdString()) : std::nullopt,
                                   today);
    };
    ProgressDialog dialog(
        progressOverview(checklist_->QuestList(), &checklist_->SetAside()), characters_->name(), others,
        historyOf, [this](const std::function<void()>& act) { guarded(act); }, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.choice() || !settleTyping(Discards::Editors))
        return;
    filters_->chooseFromOverview(*dialog.choice());
    RefillQuestGrid();
}

} // namespace korvane
