#include "FieldTiles.h"

#include "Controls.h"
#include "store/QuestTable.h"

namespace korvane {

void addFieldTiles(QWidget* pane) {
    placed(titleTile(fieldCaption(kNation), pane), 4, 4);
    placed(titleTile(fieldCaption(kArea), pane), 4, 23);
    placed(titleTile(fieldCaption(kName), pane), 4, 47);
    placed(titleTile(fieldCaption(kCondition), pane), 4, 66);
    placed(titleTile(fieldCaption(kPlace), pane), 4, 87);
}

std::array<FlagBox*, 3> addFlagBoxes(QWidget* pane, const std::array<const char*, 3>& names) {
    const QString captions[] = {fieldCaption(kOffered), fieldCaption(kCompleted), fieldCaption(kRepeatable)};
    const int tops[] = {0, 14, 27};
    std::array<FlagBox*, 3> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = placed(named(new FlagBox(captions[i], pane), names[i]), 175, tops[i], 100, 15);
    return boxes;
}

} // namespace korvane
