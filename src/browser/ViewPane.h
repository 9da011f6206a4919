#pragma once
// The view pane of the detail view: the quest on show, its progress boxes and the buttons that
// act on it.

#include "widgets/FlagBox.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

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
    QLabel* Label23 = nullptr; // the other characters' progress of the quest
    QLabel* Label24 = nullptr; // when the quest was offered and completed, as the journal tells
    FlagBox* CheckBox1 = nullptr;
    FlagBox* CheckBox2 = nullptr;
    FlagBox* CheckBox3 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button17 = nullptr; // 調べる: the quest looked up on the web

    void buildViewPane(QWidget* parent);
};

} // namespace korvane
