#pragma once
// The progress overview "進捗": every nation and, under it, every area, with its quests, how many
// are completed and left, and a bar for the share done, over a total; a column for each other
// character tells how many it completed of the same quests. Below, the progress over time of the
// row chosen (the total: every quest), by week or by month, from the journal. The overview and
// the chart go to a CSV file or a picture. Double-clicking a row closes it with that nation and
// area chosen; the window applies the choice once the dialog is closed.

#include "ProgressCounts.h"
#include "ProgressHistory.h"

#include <QDialog>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QTreeWidget;

namespace korvane {

// The nation and area as stored (code page 932); an empty nation is every nation, an empty area
// every area of the nation, and areaIsSet tells "（地域なし）" (the empty area) from every area.
struct OverviewChoice {
    QByteArray nation, area;
    bool areaIsSet = false;
};

class ProgressChart;

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    // The progress over time of a character (0: the one on show, then the others in their order)
    // over a nation, an area (its choice) or every quest (an empty nation).
    using HistoryOf = std::function<ProgressHistory(int, ProgressPeriod, const OverviewChoice&)>;
    // Runs an act through the window's one error path.
    using Guard = std::function<void(const std::function<void()>&)>;

    // others: each other character's name and overview; the chart can show each.
    // name: the character on show, whose overview it is.
    ProgressDialog(const ProgressOverview& overview, const QString& name,
                   const std::vector<std::pair<QString, ProgressOverview>>& others, HistoryOf historyOf,
                   Guard guard, QWidget* parent);

    QTreeWidget* tree() const { return tree_; }
    const ProgressChart* chart() const { return chart_; }
    // The row double-clicked, once the dialog has closed on it.
    const std::optional<OverviewChoice>& choice() const { return choice_; }

private:
    void showHistory();
    void Button23Click(); // the overview as CSV
    void Button24Click(); // the overview and the chart as a picture

    std::vector<std::string> csv_; // the overview as CSV lines
    HistoryOf historyOf_;
    Guard guard_;
    QTreeWidget* tree_;
    QComboBox* ComboBox7; // 週ごと / 月ごと
    QComboBox* ComboBox9; // whose progress the chart shows
    ProgressChart* chart_;
    QLabel* Label30; // the chart in words
    std::optional<OverviewChoice> choice_;
};

} // namespace korvane
