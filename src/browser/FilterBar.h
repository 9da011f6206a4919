#pragma once
// The filter bar of the top bar: the nation and area filters and the progress options. It says
// when the player changed one; the window decides whether the change goes ahead.

#include "ProgressDialog.h"
#include "QuestFilter.h"
#include "widgets/DropDown.h"
#include "widgets/RadioGroup.h"

#include <QWidget>
#include <functional>

namespace korvane {

class FilterBar : public QWidget {
    Q_OBJECT
public:
    explicit FilterBar(QWidget* parent = nullptr);

    // The controls as the grid last showed them, put back when a change is cancelled.
    // The controls as the grid was last filled from them, kept; and put back, when what the player
    // chose since is refused (typing not saved was kept).
    void markShown();
    void restoreShown();

    // The filter the controls hold in force: a nation or area chosen from its list, never typed.
    // After a search no progress option is chosen: the filter then takes every progress.
    QuestFilter takeFilter();
    // A search fills the grid: no progress option is chosen.
    void showSearchInForce() { RadioGroup1->setItemIndex(-1); }
    // A nation taken: a nation the overview added goes, and the area list follows the nation.
    void takeNation();
    // As if the nation and then the area were chosen from their lists, with every progress option's
    // quests when progress says so or after a search. A nation or area of the table that the lists
    // do not hold ("（地域なし）" among them) joins its list for the while.
    void chooseFromOverview(const OverviewChoice& choice, bool everyProgress = false);
    // The filter the player left at the end of the last run, its nation and area when the grid
    // still lists quests of theirs (held); a progress out of range is every quest's. True when it
    // is other than every quest.
    bool chooseRemembered(const std::string& nation, const std::string& area, int progress,
                          const std::function<bool(QuestField, const std::string&)>& held);

signals:
    void changed(bool nation); // ComboBox1 (nation: true), ComboBox2, RadioGroup1

private:
    struct Shown {
        DropDown::State nation, area;
        int progress = static_cast<int>(Progress::All);
    };
    Shown shown_;                  // as the grid was last filled
    DropDown* ComboBox1 = nullptr; // nation filter
    DropDown* ComboBox2 = nullptr; // area filter
    RadioGroup* RadioGroup1 = nullptr;
};

} // namespace korvane
