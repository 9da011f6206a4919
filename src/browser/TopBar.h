#pragma once
// The top bar: the filters, the buttons that open the edit and web panes, and the three searches.
// The clock panel at its left is the calendar's.

#include "widgets/DropDown.h"
#include "widgets/RadioGroup.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

namespace korvane {

struct TopBarControls {
    QFrame* Panel1 = nullptr;
    DropDown* ComboBox1 = nullptr; // nation filter
    DropDown* ComboBox2 = nullptr; // area filter
    RadioGroup* RadioGroup1 = nullptr;
    QPushButton* Button5 = nullptr;  // New Quest
    QPushButton* Button11 = nullptr; // Web pane
    QPushButton* Button1 = nullptr;  // content search
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button6 = nullptr; // reward search
    QLineEdit* Edit2 = nullptr;
    QPushButton* Button10 = nullptr; // quest search
    QLineEdit* Edit6 = nullptr;

    void buildTopBar(QWidget* parent);
};

} // namespace korvane
