#pragma once
// The parts the view pane and the edit pane share, at the same places in both: the five caption
// tiles and the three progress boxes.

#include "FlagBox.h"

#include <array>

namespace korvane {

// "国", "地域", "クエスト", "条件", "場所", down the pane's left edge.
void addFieldTiles(QWidget* pane);

// "オファー", "コンプリート", "繰り返し可能", named as given.
std::array<FlagBox*, 3> addFlagBoxes(QWidget* pane, const std::array<const char*, 3>& names);

} // namespace korvane
