#pragma once
// The progress overview "進捗": every nation and, under it, every area, with its quests, how many
// are completed and left, and a bar for the share done, over a total; a column for each other
// character tells how many it completed of the same quests. Double-clicking a row closes
// it with that nation and area chosen; the window applies the choice once the dialog is closed.

#include "ProgressCounts.h"

#include <QDialog>
#include <optional>

class QTreeWidget;

namespace korvane {

// The nation and area as stored (code page 932); an empty nation is every nation, an empty area
// every area of the nation, and areaIsSet tells "（地域なし）" (the empty area) from every area.
struct OverviewChoice {
    QByteArray nation, area;
    bool areaIsSet = false;
};

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    // others: each other character's name and overview.
    ProgressDialog(const ProgressOverview& overview,
                   const std::vector<std::pair<QString, ProgressOverview>>& others, QWidget* parent);

    QTreeWidget* tree() const { return tree_; }
    // The row double-clicked, once the dialog has closed on it.
    const std::optional<OverviewChoice>& choice() const { return choice_; }

private:
    QTreeWidget* tree_;
    std::optional<OverviewChoice> choice_;
};

} // namespace korvane
