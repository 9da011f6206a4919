#include "FieldTiles.h"

#include "Controls.h"

namespace korvane {

void addFieldTiles(QWidget* pane) {
    placed(titleTile(QStringLiteral("国"), pane), 4, 4);
    placed(titleTile(QStringLiteral("地域"), pane), 4, 23);
    placed(titleTile(QStringLiteral("クエスト"), pane), 4, 47);
    placed(titleTile(QStringLiteral("条件"), pane), 4, 66);
    placed(titleTile(QStringLiteral("場所"), pane), 4, 87);
}

std::array<FlagBox*, 3> addFlagBoxes(QWidget* pane, const std::array<const char*, 3>& names) {
    const QString captions[] = {QStringLiteral("オファー"), QStringLiteral("コンプリート"),
                                QStringLiteral("繰り返し可能")};
    const int tops[] = {0, 14, 27};
    std::array<FlagBox*, 3> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = placed(named(new FlagBox(captions[i], pane), names[i]), 175, tops[i], 100, 15);
    return boxes;
}

} // namespace korvane
