#include "EditPane.h"

#include "store/UiText.h"
#include "store/Vocabulary.h"
#include "widgets/Controls.h"
#include "widgets/FieldTiles.h"

namespace korvane {

void EditPaneControls::buildEditPane(QWidget* parent) {
    ScrollBox2 = named(new QScrollArea(parent), "ScrollBox2");
    ScrollBox2->setFixedHeight(111);
    ScrollBox2->setFrameShape(QFrame::NoFrame);
    ScrollBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* pane = new QWidget;
    fillBackground(pane, QColor(160, 222, 222));
    ScrollBox2->setWidget(pane);
    ScrollBox2->setWidgetResizable(true);
    ScrollBox2->hide();

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
}

void EditPaneControls::widenEditFields() {
    const int width = ScrollBox2->width() - 60;
    for (QLineEdit* field : {Edit3, Edit4, Edit5})
        field->resize(width, field->height());
}

} // namespace korvane
