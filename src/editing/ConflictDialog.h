#pragma once
// The preview of merging a sync tool's conflict copy, titled "同期の競合": which quests the copy
// changes, and how each difference will be settled; for a difference no rule settles, a box takes
// the copy's version instead of this PC's. "統合する" merges, "後で" writes nothing.

#include "ConflictMerge.h"

#include <QDialog>

class QListView;

namespace korvane {

class ConflictListModel;

class ConflictDialog : public QDialog {
    Q_OBJECT
public:
    // The plan's picks are set on it when the dialog is accepted.
    ConflictDialog(MergePlan& plan, QWidget* parent);

    QListView* list() const { return list_; }

private:
    ConflictListModel* model_;
    QListView* list_;
};

// One line a difference: "0004　オファー: この PC「0」/ コピー「1」→ コピーの変更を取り込みます".
QString describeDifference(const MergeDifference& difference);

} // namespace korvane
