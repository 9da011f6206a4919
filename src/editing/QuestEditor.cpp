#include "QuestEditor.h"

#include "browser/AreaLists.h"

#include "store/UiText.h"
#include "store/Vocabulary.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/FieldTiles.h"

namespace korvane {

QuestEditor::QuestEditor(QWidget* parent) : QScrollArea(parent) {
    named(this, "ScrollBox2", QStringLiteral("クエストの入力"));
    setFixedHeight(111);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* pane = new QWidget;
    paint(pane, Colour::EditPane, Colour::PaneText);
    setWidget(pane);
    setWidgetResizable(true);
    hide();

    addFieldTiles(pane);
    QStringList nations;
    for (const auto& nation : vocabulary::nations())
        nations << toUi(nation);
    ComboBox3 = placed(named(new DropDown(true, pane), "ComboBox3", QStringLiteral("国")), 34, 2, 128, 20);
    ComboBox3->setItems(nations);
    ComboBox4 = placed(named(new DropDown(true, pane), "ComboBox4", QStringLiteral("地域")), 34, 22, 128, 20);
    Edit3 = placed(named(new QLineEdit(pane), "Edit3", QStringLiteral("クエスト")), 50, 44, 300, 20);
    Edit5 = placed(named(new QLineEdit(pane), "Edit5", QStringLiteral("条件")), 50, 65, 300, 20);
    Edit4 = placed(named(new QLineEdit(pane), "Edit4", QStringLiteral("場所")), 50, 86, 300, 20);

    const auto boxes = addFlagBoxes(pane, {"CheckBox4", "CheckBox5", "CheckBox6"});
    CheckBox4 = boxes[0];
    CheckBox5 = boxes[1];
    CheckBox6 = boxes[2];

    Button4 = placed(named(new QPushButton(QStringLiteral("追加"), pane), "Button4"), 279, 5, 50, 25);
    Button9 = placed(named(new QPushButton(QStringLiteral("修正"), pane), "Button9"), 333, 5, 50, 25);
    Button7 = placed(named(new QPushButton(QStringLiteral("取消"), pane), "Button7"), 386, 5, 50, 25);
    Label6 = placed(named(textLabel(QStringLiteral("Label6"), pane), "Label6"), 282, 31, 60, 14);
    setPixelFont(Label6, 12, true);

    // Keyboard order: 追加, nation, area, quest name, condition, place, 取消, 修正, the three boxes.
    QWidget* const order[] = {Button4, ComboBox3, ComboBox4, Edit3,     Edit5,    Edit4,
                              Button7, Button9,   CheckBox4, CheckBox5, CheckBox6};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    Button7->setToolTip(QStringLiteral("入力を取り消して閉じます（Esc）"));

    connect(ComboBox3, &DropDown::Change, this, &QuestEditor::ComboBox3Change);
    connect(Button4, &QPushButton::clicked, this, &QuestEditor::addAsked);
    connect(Button9, &QPushButton::clicked, this, &QuestEditor::modifyAsked);
    connect(Button7, &QPushButton::clicked, this, &QuestEditor::cancelAsked);
    for (const auto& [box, flag] :
         {std::pair{CheckBox4, kOffered}, {CheckBox5, kCompleted}, {CheckBox6, kRepeatable}})
        connect(box, &FlagBox::MouseUp, this, [this, flag = flag] { emit flagClicked(flag); });
}

void QuestEditor::ComboBox3Change() {
    fillEditAreas(*ComboBox3, *ComboBox4);
}

// The one-line fields run to 60 pixels short of the pane's right edge.
void QuestEditor::widenEditFields() {
    const int width = this->width() - 60;
    for (QLineEdit* field : {Edit3, Edit4, Edit5})
        field->resize(width, field->height());
}

void QuestEditor::openNew(const std::string& number) {
    Label6->setText(toUi(number));
    widenEditFields();
    for (QLineEdit* field : {Edit3, Edit4, Edit5})
        field->clear();
    forgetTyping();
}

void QuestEditor::openModify(const std::string& number, const std::optional<Quest>& quest) {
    const Quest shown = quest.value_or(Quest{});
    Label6->setText(toUi(number));
    widenEditFields();
    ComboBox3->setText(toUi(shown.nation));
    ComboBox3Change();
    ComboBox4->setText(toUi(shown.area));
    Edit3->setText(toUi(shown.name));
    Edit4->setText(toUi(shown.place));
    Edit5->setText(toUi(shown.condition));
    forgetTyping();
    // The quest keeps its progress unless the player changes it in the pane.
    if (quest)
        for (const auto& [box, flag] :
             {std::pair{CheckBox4, kOffered}, {CheckBox5, kCompleted}, {CheckBox6, kRepeatable}})
            box->showTicked(quest->flag(flag));
}

void QuestEditor::showButtonsFor(bool newQuest) {
    Button4->setVisible(newQuest);
    Button9->setVisible(!newQuest);
}

QuestRecord QuestEditor::typedRecord(const std::string& number) {
    for (QLineEdit* field : {Edit3, Edit4, Edit5})
        field->setText(cleanField(field->text()));
    return {number,
            encodeTyped(ComboBox3->Text(), fieldCaption(kNation)),
            encodeTyped(ComboBox4->Text(), fieldCaption(kArea)),
            encodeTyped(Edit3->text(), fieldCaption(kName)),
            encodeTyped(Edit4->text(), fieldCaption(kPlace)),
            encodeTyped(Edit5->text(), fieldCaption(kCondition)),
            storedFlag(CheckBox4->isChecked()),
            storedFlag(CheckBox5->isChecked()),
            storedFlag(CheckBox6->isChecked())};
}

QStringList QuestEditor::fields() const {
    return {ComboBox3->Text(), ComboBox4->Text(), Edit3->text(), Edit4->text(), Edit5->text()};
}

} // namespace korvane
