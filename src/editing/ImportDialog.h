#pragma once
// The preview of an import, before anything is written: how many quests it adds, changes (and
// what of them), leaves unchanged and keeps that only the player has, with a list to scroll, and
// "取り込む" / "キャンセル".

#include "QuestImport.h"

#include <QDialog>

class QListWidget;

namespace korvane {

class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(const QString& folder, const ImportPreview& preview, QWidget* parent);

    QListWidget* list() const { return list_; }

private:
    QListWidget* list_;
};

// The preview's summary: "追加 2　変更 2　変更なし 1　手元のみ 1".
QString importCountsText(const ImportPreview& preview);

} // namespace korvane
