#pragma once
// The preview of an import, before anything is written: how many quests it adds, changes (each
// change old → new, a quest whose name changes marked) and keeps that only the player has, with
// a box per quest to leave it out (all ticked at first), and "取り込む" / "キャンセル".

#include "QuestImport.h"

#include <QDialog>

class QLabel;
class QListView;

namespace korvane {

class ImportListModel;

class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(const QString& folder, ImportPreview preview, QWidget* parent);

    // One row a quest the import touches or keeps; its box (Qt::CheckStateRole) takes it in.
    QListView* list() const { return list_; }
    // The quests whose box the player cleared.
    std::set<std::string> leftOut() const;
    // The preview's counts, before anything is left out.
    const ImportPreview& counts() const;

private:
    void updateCounts();

    ImportListModel* model_;
    QListView* list_;
    QLabel* counts_;
};

// The preview's summary: "追加 2　変更 2　変更なし 1　手元のみ 1", and what is left out.
QString importCountsText(const ImportPreview& preview, std::size_t leftOut = 0);

} // namespace korvane
