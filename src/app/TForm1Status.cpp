// What the main window says of progress: the counts in the status bar and the overview "進捗".

#include "TForm1.h"

#include "browser/AreaLists.h"
#include "browser/ProgressCounts.h"
#include "browser/ProgressDialog.h"
#include "store/Backups.h"
#include "store/UiText.h"
#include "store/Vocabulary.h"

#include <QTime>
#include <set>

namespace korvane {

// The rows on show as counted by the progress options; after a search, also what it found.
void TForm1::updateStatusBar() {
    const ProgressCounts counts = countsOf(QuestList, StringGrid1->Lines());
    QString text = countsText(counts);
    if (lastSearchBox_) {
        const QPushButton* button = lastSearchBox_ == Edit1   ? Button1
                                    : lastSearchBox_ == Edit2 ? Button6
                                                              : Button10;
        text = searchText(button->text(), lastSearchText_, counts.quests) + QStringLiteral("　　") + text;
    }
    Label18->setText(text);
}

void TForm1::Button12Click() {
    ProgressDialog dialog(progressOverview(QuestList), this);
    if (dialog.exec() == QDialog::Accepted && dialog.choice())
        applyOverviewFilter(*dialog.choice());
}

// As if the nation and then the area were chosen from their lists; after a search, with every
// progress option's quests, since no option is chosen then. A nation or area of the table that
// the lists do not hold ("（地域なし）" among them) joins its list for the while.
void TForm1::applyOverviewFilter(const OverviewChoice& choice) {
    if (!settleTyping(Discards::Editors))
        return;
    const auto shown = [](const QByteArray& value) {
        return value.isEmpty() ? QStringLiteral("（地域なし）") : toUi(value.toStdString());
    };
    ComboBox1->setItemIndex(
        choice.nation.isEmpty() ? 0 : ComboBox1->itemWithValue(choice.nation, shown(choice.nation)));
    fillFilterAreas(*ComboBox1, *ComboBox2);
    if (choice.areaIsSet)
        ComboBox2->setItemIndex(ComboBox2->itemWithValue(choice.area, shown(choice.area)));
    if (RadioGroup1->ItemIndex() < 0)
        RadioGroup1->setItemIndex(4);
    RefillQuestGrid();
}

// Said where the player looks, and kept there until a backup is kept again.
void TForm1::showBackupFailure() {
    const QString failure = lastBackupFailure();
    Label20->setText(failure);
    Label20->setVisible(!failure.isEmpty());
}

void TForm1::sayInStatusBar(const QString& what) {
    Label19->setText(
        QStringLiteral("%1 (%2)").arg(what, QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))));
}

// Each column fits "0000", the longest nation and area of the list and of the table, and its title.
void TForm1::fitGridColumns(const std::vector<QuestRecord>& rows) {
    std::set<std::string> nations, areas;
    for (const std::string& nation : vocabulary::nations()) {
        nations.insert(nation);
        for (const std::string& area : vocabulary::areasOf(nation))
            areas.insert(area);
    }
    for (const QuestRecord& row : rows) {
        nations.insert(row[kNation]);
        areas.insert(row[kArea]);
    }
    std::array<QStringList, kQuestFieldCount> samples;
    samples[kNumber] << QStringLiteral("0000");
    for (const std::string& nation : nations)
        samples[kNation] << toUi(nation);
    for (const std::string& area : areas)
        samples[kArea] << toUi(area);
    for (const QuestField flag : {kOffered, kCompleted, kRepeatable})
        samples[flag] << QStringLiteral("✓");
    StringGrid1->fitColumns(samples, {30, 30, 50, 150, 150, 150, 0, 0, 0});
}

} // namespace korvane
