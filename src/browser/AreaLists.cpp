#include "AreaLists.h"

#include "store/UiText.h"
#include "store/Vocabulary.h"

namespace korvane {
namespace {

QStringList areaNames(const DropDown& nationBox) {
    QStringList names;
    // A text that code page 932 cannot hold names no nation.
    if (const auto nation = fromUi(nationBox.Text()))
        for (const auto& area : vocabulary::areasOf(*nation))
            names << toUi(area);
    return names;
}

} // namespace

void fillFilterAreas(const DropDown& nationBox, DropDown& areaBox) {
    areaBox.setItems(QStringList{toUi(vocabulary::allAreas())} + areaNames(nationBox));
    areaBox.setItemIndex(0);
}

void fillEditAreas(const DropDown& nationBox, DropDown& areaBox) {
    areaBox.setItems(areaNames(nationBox));
    areaBox.setItemIndex(0); // nothing to select when the list stayed empty
}

std::optional<std::string> filterValue(const DropDown& box) {
    if (box.ItemIndex() <= 0)
        return std::nullopt;
    if (const auto value = box.ItemValue())
        return value->toStdString();
    return fromUi(box.Text()).value_or(std::string());
}

} // namespace korvane
