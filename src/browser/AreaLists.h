#pragma once
// Filling an area box from the nation box beside it. The two fillings differ on purpose, side by
// side here so that the differences stay visible:
//   filter (ComboBox1 -> ComboBox2): "全地域" first, always; shows "全地域" afterwards.
//   edit pane (ComboBox3 -> ComboBox4): the nation's areas only; shows the first area, or nothing.
// Both read the nation box's current text, chosen or typed.

#include "widgets/DropDown.h"

namespace korvane {

void fillFilterAreas(const DropDown& nationBox, DropDown& areaBox);
void fillEditAreas(const DropDown& nationBox, DropDown& areaBox);

// The value a filter box holds in force: an item after the first chosen from its list, as stored;
// nothing for the first item and for typed text.
std::optional<std::string> filterValue(const DropDown& box);

} // namespace korvane
