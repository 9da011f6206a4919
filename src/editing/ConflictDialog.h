#pragma once
// The preview of merging the sync tools' conflict copies, titled "同期の競合": every copy found at
// one look, file by file, and under each what differs quest by quest and how it will be settled;
// for a difference no rule settles, a box takes the other PC's version instead of this PC's. A
// text's difference shows both texts below the list. "統合する" merges, "後で" writes nothing. When
// a copy vanishes while the preview is open (the other PC merged it), the preview closes.

#include "sync/MergePlan.h"

#include <QDialog>

class QPlainTextEdit;
class QTreeView;

namespace korvane {

class ConflictTreeModel;

class ConflictDialog : public QDialog {
    Q_OBJECT
public:
    // The picks are set on the plans as the player makes them. refused: the copies not read, said
    // above the list.
    ConflictDialog(std::vector<MergePlan>& plans, const QStringList& refused, QWidget* parent);

    // The copy that vanished while the preview was open; empty when none did.
    const QString& vanished() const { return vanished_; }

private:
    void showBothTexts();
    void lookForVanished();

    std::vector<MergePlan>& plans_;
    ConflictTreeModel* model_;
    QTreeView* tree_;
    QPlainTextEdit* texts_;
    QString vanished_;
    std::size_t nextLook_ = 0; // where the next look for vanished copies begins
};

// One line a difference: "0004　オファー: この PC「desk」「0」/ PC「laptop」「1」→ PC「laptop」だけの変更を
//取り込みます".
QString describeDifference(const MergeDifference& difference, const QString& what,
                           const MergePlan::SideNames& sides = {});

} // namespace korvane
