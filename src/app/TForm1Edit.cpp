// The main window's editing handlers: flags, memo, new quests, modification and deletion.

#include "TForm1.h"

#include "browser/AreaLists.h"
#include "editing/ConfirmBox.h"
#include "editing/FlagRules.h"
#include "store/Errors.h"
#include "store/QuestTable.h"
#include "store/UiText.h"

namespace korvane {
namespace {

const char* flagOf(const QCheckBox* box) {
    return box->isChecked() ? "1" : "0";
}

} // namespace

void TForm1::CheckBox1MouseUp() {
    storeFlag(kOffered, CheckBox1);
}

void TForm1::CheckBox2MouseUp() {
    storeFlag(kCompleted, CheckBox2);
}

void TForm1::CheckBox3MouseUp() {
    storeFlag(kRepeatable, CheckBox3);
}

// Acts on the quest of the grid's current row; the rule reads its stored flag from QuestList.
void TForm1::storeFlag(QuestField field, FlagBox* box) {
    const std::optional<std::size_t> line = StringGrid1->LineAt(StringGrid1->Row());
    const QuestRecord stored = line ? splitQuestRecord(QuestList.lines()[*line]) : QuestRecord{};
    const FlagClick click = flagClick(field, box->isChecked(), CheckBox1->isChecked(), stored[field]);
    if (click.clearBox && line)
        sayInStatusBar(QStringLiteral("オファーしていないクエストはコンプリートにできません"));
    // Whatever happens, the box ends showing what the file holds.
    std::optional<std::size_t> changed;
    EditStep step;
    try {
        changed = korvane::storeFlag(QuestList, stored[kNumber], field, click.value, &step);
    } catch (...) {
        box->setChecked(stored[field] == "1");
        throw;
    }
    if (!changed) {
        box->setChecked(stored[field] == "1"); // no quest of the table in this row
        return;
    }
    StringGrid1->linesChanged(*changed);
    record(std::move(step), fieldCaption(field) + (click.value == "1" ? QString() : QStringLiteral("解除")),
           stored[kNumber]);
    box->setChecked(click.value == "1");
    updateStatusBar();
    StringGrid1->setFocus();
}

void TForm1::Memo3Change() {
    Button2->setVisible(true);
}

void TForm1::Button2Click() {
    EditStep step;
    saveMemo(questData(), shown_.number, Memo3->typedLines(), &step);
    record(std::move(step), QStringLiteral("メモ"), shown_.number);
    Memo3->forgetTyping();
    Button2->setVisible(false); // saved: nothing left to save
    sayInStatusBar(QStringLiteral("クエスト %1 のメモを保存しました").arg(toUi(shown_.number)));
}

// The stored fields of the quest on show; an empty record when none is.
QuestRecord TForm1::shownRecord() {
    if (!shown_.line || *shown_.line >= QuestList.lines().size() ||
        !hasQuestKey(QuestList.lines()[*shown_.line], shown_.number))
        shown_.line = QuestList.find(shown_.number);
    return shown_.line ? splitQuestRecord(QuestList.lines()[*shown_.line]) : QuestRecord{};
}

void TForm1::Button5Click() {
    const std::string number = nextQuestNumber(questData()); // a full table opens no pane
    if (!settleTyping(Discards::Everything))
        return;
    openEditPane(true);
    paneNumber_ = number;
    Label6->setText(toUi(number));
    widenEditFields();
    for (QLineEdit* field : {Edit3, Edit4, Edit5})
        field->clear();
    for (TextView* editor : {RichEdit1, Memo2, Memo3})
        editor->setLines({});
    rememberPaneFields();
}

void TForm1::ComboBox3Change() {
    fillEditAreas(*ComboBox3, *ComboBox4);
}

void TForm1::Button4Click() {
    CleanEditFields();
    // Everything typed is checked before any file is written.
    QuestRecord record = composeRecord({});
    const QuestTexts texts = newQuestTexts();
    showingStored(
        [&] {
            EditStep step;
            const std::string number = addQuest(questData(), std::move(record), texts, &step);
            this->record(std::move(step), QStringLiteral("追加"), number);
        },
        [this] {
            closeEditPane();
            Label1->setText(kRedisplayMarker);
            RefillQuestGrid();
        });
}

void TForm1::Button7Click() {
    if (!settleTyping(Discards::Everything))
        return;
    closeEditPane();
    Label1->setText(kRedisplayMarker);
    StringGrid1SelectCell(1, StringGrid1->Row());
}

void TForm1::CleanEditFields() {
    for (QLineEdit* field : {Edit3, Edit4, Edit5})
        field->setText(cleanField(field->text()));
}

void TForm1::Button8Click() {
    const QuestRecord stored = shownRecord();
    openEditPane(false);
    paneNumber_ = shown_.number;
    Label6->setText(toUi(paneNumber_));
    widenEditFields();
    ComboBox3->setText(toUi(stored[kNation]));
    ComboBox3Change();
    ComboBox4->setText(toUi(stored[kArea]));
    Edit3->setText(toUi(stored[kName]));
    Edit4->setText(toUi(stored[kPlace]));
    Edit5->setText(toUi(stored[kCondition]));
    rememberPaneFields();
    // The quest keeps its progress unless the user changes it in the pane.
    if (shown_.line) {
        CheckBox4->setChecked(stored[kOffered] == "1");
        CheckBox5->setChecked(stored[kCompleted] == "1");
        CheckBox6->setChecked(stored[kRepeatable] == "1");
    }
}

void TForm1::Button9Click() {
    const QuestRecord shown = shownRecord(); // the quest as it was, not as typed
    if (confirm(modifyQuestion(toUi(shown[kNation]), toUi(shown[kArea]), toUi(shown[kName])), this))
        applyModification();
}

void TForm1::applyModification() {
    const std::string textNumber = shown_.number;
    requireKnownQuest(QuestList, textNumber, QStringLiteral("修正するクエストが表示されていません"));
    const std::string number = paneNumber_;
    const std::size_t index =
        requireKnownQuest(QuestList, number,
                          QStringLiteral("クエスト %1 が見つからないため、修正できません").arg(toUi(number)));
    CleanEditFields();
    const QuestRecord record = composeRecord(number);
    const QuestTexts texts = changedTexts();
    const int row = StringGrid1->Row();
    showingStored(
        [&] {
            EditStep step;
            modifyQuest(questData(), index, record, textNumber, texts, &step);
            this->record(std::move(step), QStringLiteral("修正"), number);
        },
        [&] { showAfterModification(row); });
}

void TForm1::showAfterModification(int row) {
    closeEditPane();
    RefillQuestGrid();
    Label1->setText(kRedisplayMarker);
    // When the quest left the filter and was the last row, the row before it is taken.
    StringGrid1->setRow(std::min(row, StringGrid1->RowCount() - 1));
    StringGrid1SelectCell(1, StringGrid1->Row());
}

void TForm1::Button3Click() {
    const std::string number = shown_.number;
    requireKnownQuest(QuestList, number, QStringLiteral("削除するクエストが表示されていません"));
    const QuestRecord shown = shownRecord();
    if (!confirm(deleteQuestion(toUi(shown[kNation]), toUi(shown[kArea]), toUi(shown[kName])), this))
        return;
    showingStored(
        [&] {
            EditStep step;
            deleteQuest(questData(), number, &step);
            record(std::move(step), QStringLiteral("削除"), number);
        },
        [this] { RefillQuestGrid(); });
}

void TForm1::openEditPane(bool forNewQuest) {
    ScrollBox1->hide();
    ScrollBox2->show();
    Button9->setVisible(!forNewQuest);
    Button4->setVisible(forNewQuest);
}

void TForm1::closeEditPane() {
    ScrollBox1->show();
    ScrollBox2->hide();
}

QuestRecord TForm1::composeRecord(const std::string& number) {
    return {number,
            encodeTyped(ComboBox3->Text(), fieldCaption(kNation)),
            encodeTyped(ComboBox4->Text(), fieldCaption(kArea)),
            encodeTyped(Edit3->text(), fieldCaption(kName)),
            encodeTyped(Edit4->text(), fieldCaption(kPlace)),
            encodeTyped(Edit5->text(), fieldCaption(kCondition)),
            flagOf(CheckBox4),
            flagOf(CheckBox5),
            flagOf(CheckBox6)};
}

QuestTexts TForm1::newQuestTexts() {
    return {encodeTextLines(RichEdit1->typedLines(), QStringLiteral("内容")),
            encodeTextLines(Memo2->typedLines(), QStringLiteral("報酬")),
            encodeTextLines(Memo3->typedLines(), QStringLiteral("メモ"))};
}

// A text the user did not touch since it was shown keeps its stored lines exactly as they are.
QuestTexts TForm1::changedTexts() {
    const auto changed = [](const TextView* view,
                            const QString& what) -> std::optional<std::vector<std::string>> {
        if (!view->changedByUser())
            return std::nullopt;
        return encodeTextLines(view->typedLines(), what);
    };
    return {changed(RichEdit1, QStringLiteral("内容")), changed(Memo2, QStringLiteral("報酬")),
            changed(Memo3, QStringLiteral("メモ"))};
}

void TForm1::rememberPaneFields() {
    paneFields_ = {ComboBox3->Text(), ComboBox4->Text(), Edit3->text(), Edit4->text(), Edit5->text()};
}

// The question before typed text would be thrown away; empty when nothing typed would be.
QString TForm1::unsavedQuestion(Discards what) const {
    if (ScrollBox2->isVisible()) {
        const bool editors = RichEdit1->changedByUser() || Memo2->changedByUser() || Memo3->changedByUser();
        const bool fields = paneFields_ != QStringList{ComboBox3->Text(), ComboBox4->Text(), Edit3->text(),
                                                       Edit4->text(), Edit5->text()};
        if (!editors && !(what == Discards::Everything && fields))
            return {};
        return Button4->isVisible()
                   ? QStringLiteral("新しいクエスト %1 の入力は保存していません。追加しますか？")
                         .arg(toUi(paneNumber_))
                   : QStringLiteral("クエスト %1 の修正は保存していません。保存しますか？")
                         .arg(toUi(paneNumber_));
    }
    if (!Memo3->changedByUser() || shown_.number.empty())
        return {};
    return QStringLiteral("クエスト %1 のメモは保存していません。保存しますか？").arg(toUi(shown_.number));
}

// Asks before typed text is thrown away: saved, discarded (the caller goes on and throws it away)
// or cancelled (false: the caller changes nothing). A save that fails throws, so nothing goes on.
bool TForm1::settleTyping(Discards what) {
    const QString question = unsavedQuestion(what);
    if (question.isEmpty())
        return true;
    switch (askAboutUnsaved(question, this)) {
    case UnsavedAnswer::Save:
        saveTyping();
        return true;
    case UnsavedAnswer::Discard:
        for (TextView* view : {RichEdit1, Memo2, Memo3})
            view->forgetTyping(); // asked once: what follows throws it away
        rememberPaneFields();
        return true;
    case UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

void TForm1::saveTyping() {
    if (!ScrollBox2->isVisible())
        Button2Click();
    else if (Button4->isVisible())
        Button4Click();
    else
        applyModification(); // the question named the quest; it is not asked twice
}

bool TForm1::mayLeaveRow() {
    bool mayLeave = false;
    guarded([&] { mayLeave = settleTyping(Discards::Editors); });
    return mayLeave;
}

} // namespace korvane
