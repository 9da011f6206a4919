// The main window's journal: the dates of the quest on show, and the list "記録".

#include "TForm1.h"

#include "browser/JournalDialog.h"
#include "store/Errors.h"
#include "store/Numbers.h"
#include "store/UiText.h"

namespace korvane {

// The journal is read once the window is on the screen, never during the start; and again only
// when the quest, its flags or the journal changed.
void TForm1::showQuestDates() {
    if (!isVisible() || view_.questOnShow.empty()) {
        ScrollBox1->showDates({});
        view_.datesDrawn.clear();
        return;
    }
    const Quest quest = Quest::fromRecord(checklist_->QuestList().recordOf(view_.questOnShow));
    try {
        const std::string since = checklist_->SetAside().dateOf(view_.questOnShow);
        const QString key = questDatesKey(quest, since, checklist_->journal().entries().size());
        if (key == view_.datesDrawn)
            return;
        view_.datesDrawn = key;
        ScrollBox1->showDates(questDatesLine(checklist_->questDates(view_.questOnShow), quest, since));
    } catch (const KorvaneError& error) {
        // Looked at after every action: said in its place, never as a box each second.
        view_.datesDrawn.clear();
        ScrollBox1->showDates(error.message());
    }
}

// The list "記録"; the quest double-clicked is shown in the grid, the filters turned to its nation
// and area with every progress when they hid it.
void TForm1::Button16Click() {
    const auto nameOf = [this](std::uint16_t number) {
        return toUi(checklist_->QuestList().recordOf(questNumberText(number))[kName]);
    };
    JournalDialog dialog(checklist_->journal(), nameOf, questNumberOf(view_.questOnShow), this);
    dialog.setWindowTitle(QStringLiteral("記録 — %1").arg(characters_->name()));
    if (dialog.exec() != QDialog::Accepted || !dialog.choice() || !settleTyping(Discards::Editors))
        return;
    const std::string number = questNumberText(*dialog.choice());
    const QuestRecord record = checklist_->QuestList().recordOf(number);
    if (record[kNumber].empty())
        return StatusBar1->say(QStringLiteral("クエスト %1 はもうありません").arg(toUi(number)));
    showQuest(number);
    if (view_.questOnShow == number)
        return;
    filters_->chooseFromOverview(
        {QByteArray::fromStdString(record[kNation]), QByteArray::fromStdString(record[kArea]), true}, true);
    RefillQuestGrid();
    showQuest(number);
}

} // namespace korvane
