#pragma once
// The edit pane: takes the view pane's place while a quest is entered or modified.

#include "widgets/DropDown.h"
#include "widgets/FlagBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

namespace korvane {

struct EditPaneControls {
    QScrollArea* ScrollBox2 = nullptr;
    QLabel* Label6 = nullptr;      // quest number
    DropDown* ComboBox3 = nullptr; // nation
    DropDown* ComboBox4 = nullptr; // area
    QLineEdit* Edit3 = nullptr;    // quest name
    QLineEdit* Edit4 = nullptr;    // place
    QLineEdit* Edit5 = nullptr;    // condition
    FlagBox* CheckBox4 = nullptr;
    FlagBox* CheckBox5 = nullptr;
    FlagBox* CheckBox6 = nullptr;
    QPushButton* Button4 = nullptr; // 追加
    QPushButton* Button9 = nullptr; // 修正
    QPushButton* Button7 = nullptr; // 取消

    void buildEditPane(QWidget* parent);
    // The one-line fields run to 60 pixels short of the pane's right edge.
    void widenEditFields();
};

} // namespace korvane
