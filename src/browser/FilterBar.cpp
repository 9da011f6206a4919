#include "FilterBar.h"

#include <QAbstractButton>

#include "AreaLists.h"
#include "store/UiText.h"
#include "store/Vocabulary.h"
#include "widgets/Controls.h"

namespace korvane {

FilterBar::FilterBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FilterBar"));
    QStringList nations{toUi(vocabulary::allNations())};
    for (const auto& nation : vocabulary::nations())
        nations << toUi(nation);
    ComboBox1 = placed(named(new DropDown(true, this), "ComboBox1", QStringLiteral("国")), 0, 0, 104, 20);
    ComboBox1->setItems(nations);
    ComboBox1->setText(nations.front());
    ComboBox2 = placed(named(new DropDown(true, this), "ComboBox2", QStringLiteral("地域")), 108, 0, 124, 20);

    RadioGroup1 = new RadioGroup({QStringLiteral("Not offered"), QStringLiteral("Offered"),
                                  QStringLiteral("Not completed"), QStringLiteral("Completed"),
                                  QStringLiteral("All"), QStringLiteral("繰り返し可能")},
                                 3, this);
    placed(named(RadioGroup1, "RadioGroup1", QStringLiteral("進行状況")), 0, 22, 328, 46);
    for (QAbstractButton* option : RadioGroup1->findChildren<QAbstractButton*>())
        option->setAccessibleDescription(QStringLiteral("進行状況"));
    RadioGroup1->setItemIndex(static_cast<int>(Progress::All));

    connect(ComboBox1, &DropDown::Change, this, [this] { emit changed(true); });
    connect(ComboBox2, &DropDown::Change, this, [this] { emit changed(false); });
    connect(RadioGroup1, &RadioGroup::Click, this, [this] { emit changed(false); });
}

void FilterBar::markShown() {
    shown_ = {ComboBox1->state(), ComboBox2->state(), RadioGroup1->ItemIndex()};
}

void FilterBar::restoreShown() {
    ComboBox1->restore(shown_.nation);
    ComboBox2->restore(shown_.area);
    RadioGroup1->setItemIndex(shown_.progress);
}

QuestFilter FilterBar::takeFilter() {
    if (RadioGroup1->ItemIndex() < 0)
        RadioGroup1->setItemIndex(static_cast<int>(Progress::All));
    return {filterValue(*ComboBox1), filterValue(*ComboBox2),
            static_cast<Progress>(RadioGroup1->ItemIndex())};
}

void FilterBar::takeNation() {
    ComboBox1->dropValueItemsButChosen();
    fillFilterAreas(*ComboBox1, *ComboBox2);
}

void FilterBar::chooseFromOverview(const OverviewChoice& choice, bool everyProgress) {
    const auto shown = [](const QByteArray& value) {
        return value.isEmpty() ? QStringLiteral("（地域なし）") : toUi(value.toStdString());
    };
    if (everyProgress)
        RadioGroup1->setItemIndex(static_cast<int>(Progress::All));
    ComboBox1->setItemIndex(
        choice.nation.isEmpty() ? 0 : ComboBox1->itemWithValue(choice.nation, shown(choice.nation)));
    fillFilterAreas(*ComboBox1, *ComboBox2);
    if (choice.areaIsSet)
        ComboBox2->setItemIndex(ComboBox2->itemWithValue(choice.area, shown(choice.area)));
    if (RadioGroup1->ItemIndex() < 0)
        RadioGroup1->setItemIndex(static_cast<int>(Progress::All));
}

bool FilterBar::chooseRemembered(const std::string& nation, const std::string& area, int progress,
                                 const std::function<bool(QuestField, const std::string&)>& held) {
    const int nationItem = nation.empty() ? 0 : ComboBox1->findText(toUi(nation));
    if (nationItem > 0 && held(kNation, nation)) {
        ComboBox1->setItemIndex(nationItem);
        fillFilterAreas(*ComboBox1, *ComboBox2);
        const int areaItem = area.empty() ? 0 : ComboBox2->findText(toUi(area));
        if (areaItem > 0 && held(kArea, area))
            ComboBox2->setItemIndex(areaItem);
    }
    const int all = static_cast<int>(Progress::All);
    RadioGroup1->setItemIndex(progress >= 0 && progress <= static_cast<int>(Progress::Repeatable) ? progress
                                                                                                  : all);
    return ComboBox1->ItemIndex() > 0 || progress != all;
}

} // namespace korvane
