#include "FieldTiles.h"

#include "store/QuestTable.h"

namespace korvane {

void addFieldTiles(QWidget* pane) {
    for (const FieldInfo& info : kQuestFields)
        if (info.tileTop >= 0)
            placed(titleTile(fieldCaption(info.field), pane), 4, info.tileTop);
}

std::array<FlagBox*, kQuestFieldCount> addFlagBoxes(QWidget* pane, Pane which) {
    std::array<FlagBox*, kQuestFieldCount> boxes{};
    for (const QuestField flag : kFlagFields) {
        const FieldInfo& info = kQuestFields[flag];
        boxes[static_cast<std::size_t>(flag)] = placedAs(new FlagBox(fieldCaption(flag), pane), placeOn(which, info));
    }
    return boxes;
}

} // namespace korvane
