#pragma once
// The parts the view pane and the edit pane share, placed as the table of fields says: the texts'
// caption tiles and the progress boxes.

#include "Controls.h"
#include "FlagBox.h"
#include "store/QuestFields.h"

#include <array>

namespace korvane {

enum class Pane { View, Edit };

constexpr const PanePlace& placeOn(Pane pane, const FieldInfo& info) {
    return pane == Pane::View ? info.view : info.edit;
}

// A new control, named and placed as the field's place on the pane gives.
template <class W> W* placedAs(W* widget, const PanePlace& place, const QString& accessibleName = {}) {
    return placed(named(widget, place.name, accessibleName), place.left, place.top, place.width, place.height);
}

// Each text's caption tile ("国", "地域", …) down the pane's left edge.
void addFieldTiles(QWidget* pane);

// Each flag's box ("オファー", …), by field; null for the other fields.
std::array<FlagBox*, kQuestFieldCount> addFlagBoxes(QWidget* pane, Pane which);

} // namespace korvane
