#include "QuestEditor.h"

#include "browser/AreaLists.h"

#include "store/UiText.h"
#include "store/Vocabulary.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/FieldTiles.h"

#include <algorithm>
#include <vector>

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

    addFields(pane);
    Button4 = placed(named(new QPushButton(QStringLiteral("追加"), pane), "Button4"), 279, 5, 50, 25);
    Button9 = placed(named(new QPushButton(QStringLiteral("修正"), pane), "Button9"), 333, 5, 50, 25);
    Button7 = placed(named(new QPushButton(QStringLiteral("取消"), pane), "Button7"), 386, 5, 50, 25);

    // Keyboard order: 追加, the texts down the pane, 取消, 修正, the boxes.
    std::vector<QWidget*> order{Button4};
    std::vector<const FieldInfo*> texts;
    for (const QuestField field : kTextFields)
        texts.push_back(&kQuestFields[field]);
    std::ranges::stable_sort(texts, {}, [](const FieldInfo* info) { return info->edit.top; });
    for (const FieldInfo* info : texts)
        order.push_back(typedIn(info->field));
    order.insert(order.end(), {Button7, Button9});
    for (const QuestField flag : kFlagFields)
        order.push_back(boxes_[flag]);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    Button7->setToolTip(QStringLiteral("入力を取り消して閉じます（Esc）"));

    connect(chosen_[kNation], &DropDown::Change, this, &QuestEditor::ComboBox3Change);
    connect(Button4, &QPushButton::clicked, this, &QuestEditor::addAsked);
    connect(Button9, &QPushButton::clicked, this, &QuestEditor::modifyAsked);
    connect(Button7, &QPushButton::clicked, this, &QuestEditor::cancelAsked);
    for (const QuestField flag : kFlagFields)
        connect(boxes_[flag], &FlagBox::MouseUp, this, [this, flag] { emit flagClicked(flag); });
}

// Each field's editor and box where the table of fields places it.
void QuestEditor::addFields(QWidget* pane) {
    addFieldTiles(pane);
    boxes_ = addFlagBoxes(pane, Pane::Edit);
    for (const FieldInfo& info : kQuestFields) {
        if (info.kind == FieldKind::Number) {
            Label6 = placedAs(textLabel(QStringLiteral("Label6"), pane), info.edit);
            setPixelFont(Label6, 12, true);
        } else if (info.kind == FieldKind::Text && info.chosen) {
            chosen_[info.field] = placedAs(new DropDown(true, pane), info.edit, fieldCaption(info.field));
        } else if (info.kind == FieldKind::Text) {
            lines_[info.field] = placedAs(new QLineEdit(pane), info.edit, fieldCaption(info.field));
        }
    }
    QStringList nations;
    for (const auto& nation : vocabulary::nations())
        nations << toUi(nation);
    chosen_[kNation]->setItems(nations);
}

QWidget* QuestEditor::typedIn(QuestField field) const {
    return chosen_[field] ? static_cast<QWidget*>(chosen_[field]) : lines_[field];
}

QString QuestEditor::typed(QuestField field) const {
    return chosen_[field] ? chosen_[field]->Text() : lines_[field]->text();
}

void QuestEditor::ComboBox3Change() {
    fillEditAreas(*chosen_[kNation], *chosen_[kArea]);
}

// The one-line fields run to 60 pixels short of the pane's right edge.
void QuestEditor::widenEditFields() {
    const int width = this->width() - 60;
    for (QLineEdit* field : lines_)
        if (field)
            field->resize(width, field->height());
}

void QuestEditor::openNew(const std::string& number) {
    Label6->setText(toUi(number));
    widenEditFields();
    for (QLineEdit* field : lines_)
        if (field)
            field->clear();
    forgetTyping();
}

void QuestEditor::openModify(const std::string& number, const std::optional<Quest>& quest) {
    const Quest shown = quest.value_or(Quest{});
    Label6->setText(toUi(number));
    widenEditFields();
    // The nation first: choosing it fills the area's list.
    chosen_[kNation]->setText(toUi(shown.text(kNation)));
    ComboBox3Change();
    for (const QuestField field : kTextFields)
        if (chosen_[field] && field != kNation)
            chosen_[field]->setText(toUi(shown.text(field)));
        else if (lines_[field])
            lines_[field]->setText(toUi(shown.text(field)));
    forgetTyping();
    // The quest keeps its progress unless the player changes it in the pane.
    if (quest)
        for (const QuestField flag : kFlagFields)
            boxes_[flag]->showTicked(quest->flag(flag));
}

void QuestEditor::showButtonsFor(bool newQuest) {
    Button4->setVisible(newQuest);
    Button9->setVisible(!newQuest);
}

QuestRecord QuestEditor::typedRecord(const std::string& number) {
    for (QLineEdit* field : lines_)
        if (field)
            field->setText(cleanField(field->text()));
    QuestRecord record;
    for (const FieldInfo& info : kQuestFields) {
        std::string& value = record[static_cast<std::size_t>(info.field)];
        if (info.kind == FieldKind::Number)
            value = number;
        else if (info.kind == FieldKind::Text)
            value = encodeTyped(typed(info.field), fieldCaption(info.field));
        else
            value.assign(1, boxes_[info.field]->isChecked() ? '1' : '0'); // (see Quest::setFlag)
    }
    return record;
}

QStringList QuestEditor::fields() const {
    QStringList now;
    for (const QuestField field : kTextFields)
        now << typed(field);
    return now;
}

} // namespace korvane
