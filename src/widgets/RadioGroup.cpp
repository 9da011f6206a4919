#include "RadioGroup.h"

#include <QGridLayout>
#include <QRadioButton>

namespace korvane {

RadioGroup::RadioGroup(const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(parent), buttons_(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(0);
    const int perColumn = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], this);
        buttons_->addButton(radio, i);
        layout->addWidget(radio, i % perColumn, i / perColumn);
    }
    connect(buttons_, &QButtonGroup::idClicked, this, [this] { emit Click(); });
}

void RadioGroup::setItemIndex(int index) {
    if (index >= 0) {
        buttons_->button(index)->setChecked(true);
        return;
    }
    // An exclusive group never lets its last button go; loosen it for a moment.
    buttons_->setExclusive(false);
    if (QAbstractButton* checked = buttons_->checkedButton())
        checked->setChecked(false);
    buttons_->setExclusive(true);
}

} // namespace korvane
