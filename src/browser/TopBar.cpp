#include "TopBar.h"

#include "AreaLists.h"
#include "store/UiText.h"
#include "store/Vocabulary.h"
#include "widgets/Controls.h"

namespace korvane {
namespace {

QLineEdit* searchField(const char* name, const QString& button, QWidget* parent, int y) {
    return placed(named(new QLineEdit(parent), name, button), 672, y + 1, 140, 22);
}

} // namespace

void TopBarControls::buildTopBar(QWidget* parent) {
    Panel1 = named(new QFrame(parent), "Panel1");
    Panel1->setFixedHeight(99);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    Button5 = placed(named(new QPushButton(QStringLiteral("New Quest"), Panel1), "Button5"), 258, 3, 74, 22);
    Button11 = placed(named(new QPushButton(QStringLiteral("Web表示"), Panel1), "Button11"), 334, 3, 62, 22);

    QStringList nations{toUi(vocabulary::allNations())};
    for (const auto& nation : vocabulary::nations())
        nations << toUi(nation);
    ComboBox1 =
        placed(named(new DropDown(true, Panel1), "ComboBox1", QStringLiteral("国")), 258, 28, 104, 20);
    ComboBox1->setItems(nations);
    ComboBox1->setText(nations.front());
    ComboBox2 =
        placed(named(new DropDown(true, Panel1), "ComboBox2", QStringLiteral("地域")), 366, 28, 124, 20);

    RadioGroup1 = new RadioGroup({QStringLiteral("Not offered"), QStringLiteral("Offered"),
                                  QStringLiteral("Not completed"), QStringLiteral("Completed"),
                                  QStringLiteral("All"), QStringLiteral("繰り返し可能")},
                                 3, Panel1);
    placed(named(RadioGroup1, "RadioGroup1", QStringLiteral("進行状況")), 258, 50, 328, 46);
    RadioGroup1->setItemIndex(static_cast<int>(Progress::All));

    Button1 = placed(named(new QPushButton(QStringLiteral("内容検索"), Panel1), "Button1"), 590, 4, 80, 24);
    Edit1 = searchField("Edit1", Button1->text(), Panel1, 4);
    Button6 = placed(named(new QPushButton(QStringLiteral("報酬検索"), Panel1), "Button6"), 590, 36, 80, 24);
    Edit2 = searchField("Edit2", Button6->text(), Panel1, 36);
    Button10 =
        placed(named(new QPushButton(QStringLiteral("クエスト検索"), Panel1), "Button10"), 590, 68, 80, 24);
    Button10->setToolTip(QStringLiteral("クエスト名・条件・場所による検索"));
    Edit6 = searchField("Edit6", Button10->text(), Panel1, 68);
}

TopBarControls::FilterControls TopBarControls::filterControls() const {
    return {ComboBox1->state(), ComboBox2->state(), RadioGroup1->ItemIndex()};
}

void TopBarControls::restoreFilterControls(const FilterControls& shown) {
    ComboBox1->restore(shown.nation);
    ComboBox2->restore(shown.area);
    RadioGroup1->setItemIndex(shown.progress);
}

QuestFilter TopBarControls::chosenFilter() const {
    return {filterValue(*ComboBox1), filterValue(*ComboBox2),
            static_cast<Progress>(RadioGroup1->ItemIndex())};
}

void TopBarControls::chooseFromOverview(const OverviewChoice& choice) {
    const auto shown = [](const QByteArray& value) {
        return value.isEmpty() ? QStringLiteral("（地域なし）") : toUi(value.toStdString());
    };
    ComboBox1->setItemIndex(
        choice.nation.isEmpty() ? 0 : ComboBox1->itemWithValue(choice.nation, shown(choice.nation)));
    fillFilterAreas(*ComboBox1, *ComboBox2);
    if (choice.areaIsSet)
        ComboBox2->setItemIndex(ComboBox2->itemWithValue(choice.area, shown(choice.area)));
    if (RadioGroup1->ItemIndex() < 0)
        RadioGroup1->setItemIndex(static_cast<int>(Progress::All));
}

} // namespace korvane
