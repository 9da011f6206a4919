// What the main window says of progress: the counts in the status bar and the overview "進捗".

#include "TForm1.h"

#include "browser/ProgressCounts.h"
#include "browser/ProgressDialog.h"
#include "browser/ProgressHistory.h"
#include "store/DataFiles.h"

#include <QFileInfo>
#include <map>

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
    // Each character's table and journal, the one on show first; the chart reads a journal when it
    // first shows that character.
    std::vector<std::pair<QString, ProgressOverview>> others;
    struct Source {
        const QuestTable* table;
        const SetAsideList* aside;
        QString journal; // none for the one on show: its checklist's
    };
    std::vector<Source> sources{{&checklist_->QuestList(), &checklist_->SetAside(), QString()}};
    for (const auto& [name, table, aside] : characters_->others().tables()) {
        others.emplace_back(name, progressOverview(*table, aside));
        sources.push_back(
            {table, aside, files::inFolder(QFileInfo(table->path()).absolutePath(), kJournalFile)});
    }
    std::map<int, Journal> journals;
    const auto historyOf = [&, today = QDate::currentDate()](int character, ProgressPeriod period,
                                                             const OverviewChoice& scope) {
        const auto& [table, aside, journalPath] = sources.at(static_cast<std::size_t>(character));
        const Journal* journal = &checklist_->journal();
        if (character > 0) {
            auto [other, first] = journals.try_emplace(character, journalPath);
            if (first)
                other->second.refresh();
            journal = &other->second;
        }
        const std::string nation = scope.nation.toStdString(), area = scope.area.toStdString();
        return progressHistory(
            *table, *journal, period,
            [&](const QuestRecord& r) {
                if (aside->holds(r[kNumber]))
                    return false; // counted apart, as in the overview
                return nation.empty() || (r[kNation] == nation && (!scope.areaIsSet || r[kArea] == area));
            },
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
