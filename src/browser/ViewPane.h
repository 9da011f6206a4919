#pragma once
// The view pane of the detail view: the quest on show, its progress boxes and the buttons that
// act on it.

#include "FlagBox.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <array>

namespace korvane {

inline const QString kRedisplayMarker = QStringLiteral("Label1");

struct ViewPaneControls {
    QScrollArea* ScrollBox1 = nullptr;
    QLabel* Label1 = nullptr;  // nation; its caption "Label1" is the redisplay marker
    QLabel* Label2 = nullptr;  // area
    QLabel* Label3 = nullptr;  // quest name
    QLabel* Label4 = nullptr;  // place
    QLabel* Label5 = nullptr;  // condition
    QLabel* Label14 = nullptr; // quest number
    FlagBox* CheckBox1 = nullptr;
    FlagBox* CheckBox2 = nullptr;
    FlagBox* CheckBox3 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button3 = nullptr;

    void buildViewPane(QWidget* parent);
};

// The five caption tiles shared by the view pane and the edit pane, at their fixed places.
void addFieldTiles(QWidget* pane);

// The three progress boxes, "オファー", "コンプリート", "繰り返し可能", at the same place in both panes.
std::array<FlagBox*, 3> addFlagBoxes(QWidget* pane, const std::array<const char*, 3>& names);

} // namespace korvane
