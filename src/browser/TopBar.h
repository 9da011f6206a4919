#pragma once
// The top bar: the filters, the buttons that open the edit and web panes, and the three searches.
// The clock panel at its left is the calendar's.

#include "ProgressDialog.h"
#include "QuestFilter.h"
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

    // The filter controls as the grid last showed them, put back when a change is cancelled.
    struct FilterControls {
        DropDown::State nation, area;
        int progress = static_cast<int>(Progress::All);
    };
    FilterControls filterControls() const;
    void restoreFilterControls(const FilterControls& shown);
    // The filter the controls hold in force: a nation or area chosen from its list, never typed.
    QuestFilter chosenFilter() const;
    // As if the nation and then the area were chosen from their lists; after a search, with every
    // progress option's quests. A nation or area of the table that the lists do not hold
    // ("（地域なし）" among them) joins its list for the while.
    void chooseFromOverview(const OverviewChoice& choice);
};

} // namespace korvane
