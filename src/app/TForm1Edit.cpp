// The main window's editing handlers: flags, memo, new quests, modification and deletion, and the
// question before typed text would be thrown away.

#include "TForm1.h"

#include "TypedQuest.h"
#include "browser/AreaLists.h"
#include "editing/ConfirmBox.h"
#include "editing/FlagRules.h"
#include "store/Errors.h"
#include "store/UiText.h"

#include <QApplication>
#include <QDate>

namespace korvane {

// Acts on the quest of the grid's current row; the rule reads its stored flag from QuestList.
// A click leaves the keys with the grid; a key or a screen reader keeps its focus where it is.
void TForm1::storeFlag(QuestField field, bool byMouse) {
    const QuestTable& table = checklist_->QuestList();
    const std::optional<std::size_t> line = view_.lineAt(view_.row, checklist_->QuestList().lines().size());
    // The flag's bytes as stored: a click that changes nothing writes nothing.
    const QuestRecord record = line ? splitQuestRecord(table.lines()[*line]) : QuestRecord{};
    const Quest stored = Quest::fromRecord(record);
    const FlagClick click =
        flagClick(field, ScrollBox1->ticked(field), ScrollBox1->ticked(kOffered), record[field]);
    if (click.clearBox && line)
        StatusBar1->say(QStringLiteral("オファーしていないクエストはコンプリートにできません"));
    // Whatever happens, the boxes end showing what the file holds.
    std::optional<std::size_t> changed;
    try {
        checklist_->apply(fieldCaption(field) + (flagSet(click.value) ? QString() : QStringLiteral("解除")),
                          stored.number, [&](QuestData files, EditStep* step) {
                              changed =
                                  korvane::storeFlag(files.table, stored.number, field, click.value, step);
                          });
    } catch (...) {
        ScrollBox1->showFlags(stored);
        throw;
    }
    if (!changed) {
        ScrollBox1->showFlags(stored); // no quest of the table in this row
        return;
    }
    StringGrid1->linesChanged(*changed);
    Quest now = stored;
    now.setFlag(field, flagSet(click.value));
    if (record[field] != click.value)
        StatusBar1->say(QStringLiteral("%1 を保存しました").arg(checklist_->history().nextUndo()->name));
    ScrollBox1->showFlags(now);
    updateStatusBar();
    if (byMouse)
        StringGrid1->setFocus();
}

void TForm1::Memo3Change() {
    ScrollBox1->offerMemoSave(texts_->memoTyped());
}

void TForm1::Button2Click() {
    const std::string number = view_.questOnShow;
    checklist_->apply(QStringLiteral("メモ"), number, [&](QuestData files, EditStep* step) {
        saveMemo(files, number, texts_->view(QuestText::Memo).typedLines(), step);
    });
    texts_->forgetMemoTyping();
    ScrollBox1->offerMemoSave(false); // saved: nothing left to save
    StatusBar1->say(QStringLiteral("クエスト %1 のメモを保存しました").arg(toUi(number)));
}

void TForm1::Button5Click() {
    const std::string number = nextQuestNumber(checklist_->data()); // a full table opens no pane
    if (!settleTyping(Discards::Everything))
        return;
    showPane(ViewState::Pane::NewQuest);
    view_.paneNumber = number;
    ScrollBox2->openNew(number);
    texts_->showTexts({}, {}, {});
}

void TForm1::Button4Click() {
    // Everything typed is checked before any file is written.
    QuestRecord record = ScrollBox2->typedRecord({});
    const QuestTexts texts = newQuestTexts(*texts_);
    showingStored(
        [&] {
            std::string number;
            checklist_->apply(QStringLiteral("追加"), {}, [&](QuestData files, EditStep* step) {
                number = addQuest(files, std::move(record), texts, step);
            });
            StatusBar1->say(QStringLiteral("追加 %1 を保存しました").arg(toUi(number)));
        },
        [this] {
            showPane(ViewState::Pane::View);
            view_.rowDrawn = -1;
            RefillQuestGrid();
        });
}

void TForm1::Button7Click() {
    if (!settleTyping(Discards::Everything))
        return;
    showPane(ViewState::Pane::View);
    showRow(view_.row);
}

void TForm1::Button8Click() {
    const QuestRecord stored = checklist_->QuestList().recordOf(view_.questOnShow);
    showPane(ViewState::Pane::Modify);
    view_.paneNumber = view_.questOnShow;
    ScrollBox2->openModify(view_.paneNumber,
                           stored[kNumber].empty() ? std::nullopt : std::optional(Quest::fromRecord(stored)));
}

void TForm1::Button9Click(bool confirmFirst) {
    const QuestTable& table = checklist_->QuestList();
    const QuestRecord shown = table.recordOf(view_.questOnShow); // as it was, not as typed
    if (confirmFirst &&
        !confirm(modifyQuestion(toUi(shown[kNation]), toUi(shown[kArea]), toUi(shown[kName])), this))
        return;
    const std::string textNumber = view_.questOnShow;
    requireKnownQuest(table, textNumber, QStringLiteral("修正するクエストが表示されていません"));
    const std::string number = view_.paneNumber;
    const std::size_t index = requireKnownQuest(
        table, number, QStringLiteral("クエスト %1 が見つからないため、修正できません").arg(toUi(number)));
    const QuestRecord record = ScrollBox2->typedRecord(number);
    const QuestTexts texts = changedTexts(*texts_);
    const int row = view_.row;
    showingStored(
        [&] {
            checklist_->apply(QStringLiteral("修正"), number, [&](QuestData files, EditStep* step) {
                modifyQuest(files, index, record, textNumber, texts, step);
            });
            StatusBar1->say(QStringLiteral("修正 %1 を保存しました").arg(toUi(number)));
        },
        [&] {
            showPane(ViewState::Pane::View);
            RefillQuestGrid();
            showRow(row); // when the quest left the filter and was the last row, the row before it
        });
}

void TForm1::Button3Click() {
    const std::string number = view_.questOnShow;
    requireKnownQuest(checklist_->QuestList(), number,
                      QStringLiteral("削除するクエストが表示されていません"));
    const QuestRecord shown = checklist_->QuestList().recordOf(number);
    if (!confirm(deleteQuestion(toUi(shown[kNation]), toUi(shown[kArea]), toUi(shown[kName])), this))
        return;
    showingStored(
        [&] {
            checklist_->apply(QStringLiteral("削除"), number,
                              [&](QuestData files, EditStep* step) { deleteQuest(files, number, step); });
            StatusBar1->say(QStringLiteral("削除 %1 を保存しました").arg(toUi(number)));
        },
        [this] { RefillQuestGrid(); });
}

// The quest leaves the list when the list leaves the quests set aside out; otherwise its row is
// drawn again, struck through or not. Whatever happens, the button ends showing what the file holds.
void TForm1::Button25Click() {
    const std::string number = view_.questOnShow;
    const bool aside = !checklist_->SetAside().holds(number);
    const int row = view_.row;
    const std::string today = setAsideDate(QDate::currentDate());
    try {
        checklist_->apply(
            aside ? QStringLiteral("見送り") : QStringLiteral("見送り解除"), number,
            [&](QuestData files, EditStep* step) { setQuestAside(files, number, aside, today, step); });
    } catch (...) {
        ScrollBox1->showSetAside(toUi(checklist_->SetAside().dateOf(number)));
        throw;
    }
    StatusBar1->say(QStringLiteral("%1 を保存しました").arg(checklist_->history().nextUndo()->name));
    if (aside && !view_.search && !view_.showSetAside) {
        RefillQuestGrid();
        showRow(row); // the next quest
        return;
    }
    if (const auto line = view_.lineAt(row, checklist_->QuestList().lines().size()))
        StringGrid1->linesChanged(*line);
    ScrollBox1->showSetAside(toUi(checklist_->SetAside().dateOf(number)));
    updateStatusBar();
}

// The edit pane takes the view pane's place while a quest is entered or modified.
void TForm1::showPane(ViewState::Pane pane) {
    view_.pane = pane;
    ScrollBox1->setVisible(pane == ViewState::Pane::View);
    ScrollBox2->setVisible(pane != ViewState::Pane::View);
    ScrollBox2->showButtonsFor(pane == ViewState::Pane::NewQuest);
}

// Asks before typed text is thrown away: saved, discarded (the caller goes on and throws it away)
// or cancelled (false: the caller changes nothing). A save that fails throws, so nothing goes on.
bool TForm1::settleTyping(Discards what) {
    const QString question = unsavedQuestion(view_, *ScrollBox2, *texts_, what);
    if (question.isEmpty())
        return true;
    switch (askAboutUnsaved(question, this)) {
    case UnsavedAnswer::Save:
        if (view_.pane == ViewState::Pane::View)
            Button2Click();
        else if (view_.pane == ViewState::Pane::NewQuest)
            Button4Click();
        else
            Button9Click(false); // the question named the quest; it is not asked twice
        return true;
    case UnsavedAnswer::Discard:
        texts_->forgetTyping(); // asked once: what follows throws it away
        ScrollBox2->forgetTyping();
        return true;
    case UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

} // namespace korvane
