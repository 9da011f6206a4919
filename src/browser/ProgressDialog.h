#pragma once
// The progress overview "進捗": every nation and, under it, every area, with its quests, how many
// are completed and left, and a bar for the share done, over a total. Double-clicking a row asks
// for that nation and area as the filter.

#include "ProgressCounts.h"

#include <QDialog>

class QTreeWidget;

namespace korvane {

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    ProgressDialog(const ProgressOverview& overview, QWidget* parent);

    QTreeWidget* tree() const { return tree_; }

signals:
    // The nation and area as stored (code page 932); an empty nation is every nation, an empty
    // area every area of the nation.
    void FilterChosen(const QByteArray& nation, const QByteArray& area);

private:
    QTreeWidget* tree_;
};

} // namespace korvane
