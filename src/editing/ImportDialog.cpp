#include "ImportDialog.h"

#include "store/UiText.h"
#include "widgets/Controls.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {
namespace {

QString describe(const ImportedQuest& quest) {
    const QString head = QStringLiteral("%1　%2").arg(toUi(quest.number), toUi(quest.name));
    switch (quest.kind) {
    case ImportKind::Added:
        return head + QStringLiteral("　— 追加");
    case ImportKind::Changed:
        return head + QStringLiteral("　— 変更: ") + quest.changes.join(QStringLiteral("、"));
    case ImportKind::KeptMine:
        return head + QStringLiteral("　— 手元のみ（そのまま）");
    case ImportKind::Unchanged:
        break;
    }
    return head;
}

} // namespace

QString importCountsText(const ImportPreview& preview) {
    return QStringLiteral("追加 %1　変更 %2　変更なし %3　手元のみ %4")
        .arg(preview.added)
        .arg(preview.changed)
        .arg(preview.unchanged)
        .arg(preview.keptMine);
}

ImportDialog::ImportDialog(const QString& folder, const ImportPreview& preview, QWidget* parent)
    : QDialog(parent), list_(named(new QListWidget(this), "ImportList", QStringLiteral("取り込む内容"))) {
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(QStringLiteral("取り込み"));
    auto* column = new QVBoxLayout(this);
    QLabel* where = textLabel(
        QStringLiteral("%1 から取り込みます。進み具合（3 つのフラグ）とメモは手元のものを残します。")
            .arg(QDir::toNativeSeparators(folder)),
        this);
    where->setWordWrap(true);
    column->addWidget(where);
    column->addWidget(named(textLabel(importCountsText(preview), this), "ImportCounts"));

    list_->setUniformItemSizes(true);
    QStringList rows; // the quests an import touches or keeps; unchanged ones only in the count
    for (const ImportedQuest& quest : preview.quests)
        if (quest.kind != ImportKind::Unchanged)
            rows << describe(quest);
    list_->addItems(rows);
    column->addWidget(list_, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* take = buttons->addButton(QStringLiteral("取り込む"), QDialogButtonBox::AcceptRole);
    take->setObjectName(QStringLiteral("ImportTake"));
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("ImportCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    resize(640, 520);
}

} // namespace korvane
