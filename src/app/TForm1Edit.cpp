// The main window's editing handlers: flags, memo, new quests, modification and deletion.

#include "TForm1.h"

#include "browser/AreaLists.h"
#include "editing/ConfirmBox.h"
#include "store/Errors.h"
#include "store/UiText.h"

namespace korvane {
namespace {

const char* flagOf(const QCheckBox* box) {
    return box->isChecked() ? "1" : "0";
}

} // namespace

void TForm1::CheckBox1MouseUp() {
    storeFlag(kOffered, flagOf(CheckBox1));
}

void TForm1::CheckBox2MouseUp() {
    // A quest can be marked completed only while it is marked offered.
    if (CheckBox2->isChecked() && !CheckBox1->isChecked()) {
        CheckBox2->setChecked(false);
        storeFlag(kCompleted, StringGrid1->Cells(kCompleted, StringGrid1->Row()));
        return;
    }
    storeFlag(kCompleted, flagOf(CheckBox2));
}

void TForm1::CheckBox3MouseUp() {
    storeFlag(kRepeatable, flagOf(CheckBox3));
}

void TForm1::storeFlag(QuestField field, const std::string& value) {
    const int row = StringGrid1->Row();
    const auto index = QuestList.find(StringGrid1->Cells(kNumber, row));
    FlagBox* box = field == kOffered ? CheckBox1 : field == kCompleted ? CheckBox2 : CheckBox3;
    if (!index || !QuestList.loaded()) {
        // No quest of the table in this row, or a table that did not load: nothing changes.
        box->setChecked(StringGrid1->Cells(field, row) == "1");
        QuestList.requireLoaded();
        return;
    }
    StringGrid1->setCells(field, row, value);
    QuestList.replaceField(*index, field, value);
    QuestList.save();
    StringGrid1->setFocus();
}

void TForm1::Memo3Change() {
    Button2->setVisible(true);
}

void TForm1::Button2Click() {
    const std::string number = questOnShow(QStringLiteral("メモを保存するクエストが表示されていません"));
    const std::vector<std::string> memo = encodeTextLines(Memo3->displayLines(), QStringLiteral("メモ"));
    MemoStore.replaceText(number, memo);
}

// The number of the quest the view pane shows. Texts are never written under a number the table
// does not hold: such lines would be neither shown nor removed.
std::string TForm1::questOnShow(const QString& refusal) {
    std::string number = fromUi(Label14->text()).value_or(std::string());
    if (!QuestList.find(number))
        throw KorvaneError(refusal);
    return number;
}

void TForm1::Button5Click() {
    openEditPane(true);
    Label6->setText(QString::fromStdString(formatQuestNumber(QuestList.maxQuestNo() + 1)));
    widenEditFields();
    for (QLineEdit* field : {Edit3, Edit4, Edit5})
        field->clear();
    for (TextView* editor : {RichEdit1, Memo2, Memo3})
        editor->clear();
}

void TForm1::ComboBox3Change() {
    fillEditAreas(*ComboBox3, *ComboBox4);
}

void TForm1::Button4Click() {
    CleanEditFields();
    if (QuestList.maxQuestNo() >= 9999)
        throw KorvaneError(
            QStringLiteral("クエスト番号が 9999 に達しているため、新しいクエストは追加できません"));
    // Everything typed is checked before any file is written.
    QuestRecord record = composeRecord({});
    const QuestTexts texts = editorTexts();
    addQuest(questData(), std::move(record), texts);
    closeEditPane();
    Label1->setText(kRedisplayMarker);
    RefillQuestGrid();
}

void TForm1::Button7Click() {
    closeEditPane();
    Label1->setText(kRedisplayMarker);
    StringGrid1SelectCell(1, StringGrid1->Row());
}

void TForm1::CleanEditFields() {
    for (QLineEdit* field : {Edit3, Edit4, Edit5})
        field->setText(cleanField(field->text()));
}

void TForm1::Button8Click() {
    openEditPane(false);
    Label6->setText(Label14->text());
    widenEditFields();
    ComboBox3->setText(Label1->text());
    ComboBox3Change();
    ComboBox4->setText(Label2->text());
    Edit3->setText(Label3->text());
    Edit4->setText(Label4->text());
    Edit5->setText(Label5->text());
}

void TForm1::Button9Click() {
    if (!confirm(modifyQuestion(Label1->text(), Label2->text(), Label3->text()), this))
        return;
    const std::string textNumber = questOnShow(QStringLiteral("修正するクエストが表示されていません"));
    const std::string number = fromUi(Label6->text()).value_or(std::string());
    const auto index = QuestList.find(number);
    if (!index)
        throw KorvaneError(
            QStringLiteral("クエスト %1 が見つからないため、修正できません").arg(Label6->text()));
    CleanEditFields();
    const QuestRecord record = composeRecord(number);
    const QuestTexts texts = editorTexts();
    modifyQuest(questData(), *index, record, textNumber, texts);

    closeEditPane();
    const int row = StringGrid1->Row();
    RefillQuestGrid();
    Label1->setText(kRedisplayMarker);
    // When the quest left the filter and was the last row, the row before it is taken.
    StringGrid1->setRow(std::min(row, StringGrid1->RowCount() - 1));
    StringGrid1SelectCell(1, StringGrid1->Row());
}

void TForm1::Button3Click() {
    const std::string number = questOnShow(QStringLiteral("削除するクエストが表示されていません"));
    if (!confirm(deleteQuestion(Label1->text(), Label2->text(), Label3->text()), this))
        return;
    deleteQuest(questData(), number);
    RefillQuestGrid();
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
            encodeTyped(ComboBox3->Text(), QStringLiteral("国")),
            encodeTyped(ComboBox4->Text(), QStringLiteral("地域")),
            encodeTyped(Edit3->text(), QStringLiteral("クエスト")),
            encodeTyped(Edit4->text(), QStringLiteral("場所")),
            encodeTyped(Edit5->text(), QStringLiteral("条件")),
            flagOf(CheckBox4),
            flagOf(CheckBox5),
            flagOf(CheckBox6)};
}

QuestTexts TForm1::editorTexts() {
    return {encodeTextLines(RichEdit1->displayLines(), QStringLiteral("内容")),
            encodeTextLines(Memo2->displayLines(), QStringLiteral("報酬")),
            encodeTextLines(Memo3->displayLines(), QStringLiteral("メモ"))};
}

} // namespace korvane
