#include "ProgressDialog.h"

#include "store/UiText.h"
#include "widgets/Controls.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korvane {
namespace {

enum Column { kNameColumn, kQuestsColumn, kDoneColumn, kLeftColumn, kBarColumn };
constexpr int kNationRole = Qt::UserRole, kAreaRole = Qt::UserRole + 1, kPercentRole = Qt::UserRole + 2;

// The share done as a bar with its percentage written on it: the number, not only the colour.
class BarDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionProgressBar bar;
        bar.rect = option.rect.adjusted(2, 2, -2, -2);
        bar.minimum = 0;
        bar.maximum = 100;
        bar.progress = index.data(kPercentRole).toInt();
        bar.text = QStringLiteral("%1%").arg(bar.progress);
        bar.textVisible = true;
        bar.state = QStyle::State_Enabled | QStyle::State_Horizontal;
        QApplication::style()->drawControl(QStyle::CE_ProgressBar, &bar, painter);
    }
};

QTreeWidgetItem* row(const QString& name, const ProgressCounts& counts, const std::string& nation,
                     const std::string& area) {
    auto* item =
        new QTreeWidgetItem(QStringList{name, QString::number(counts.quests),
                                        QString::number(counts.completed), QString::number(counts.left())});
    for (const int column : {kQuestsColumn, kDoneColumn, kLeftColumn})
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    item->setData(kNameColumn, kNationRole, QByteArray::fromStdString(nation));
    item->setData(kNameColumn, kAreaRole, QByteArray::fromStdString(area));
    item->setData(kBarColumn, kPercentRole, counts.percentDone());
    return item;
}

} // namespace

ProgressDialog::ProgressDialog(const ProgressOverview& overview, QWidget* parent)
    : QDialog(parent), tree_(named(new QTreeWidget(this), "ProgressTree", QStringLiteral("進捗"))) {
    setObjectName(QStringLiteral("ProgressDialog"));
    setWindowTitle(QStringLiteral("進捗"));
    tree_->setHeaderLabels({QStringLiteral("国・地域"), QStringLiteral("クエスト"), QStringLiteral("完了"),
                            QStringLiteral("残り"), QStringLiteral("進み具合")});
    tree_->setItemDelegateForColumn(kBarColumn, new BarDelegate(tree_));
    tree_->setRootIsDecorated(true);
    tree_->setUniformRowHeights(true);
    tree_->setAlternatingRowColors(true);
    for (const NationProgress& nation : overview.nations) {
        QTreeWidgetItem* top = row(toUi(nation.nation), nation.counts, nation.nation, {});
        QFont bold = top->font(kNameColumn);
        bold.setBold(true);
        top->setFont(kNameColumn, bold);
        for (const AreaProgress& area : nation.areas)
            top->addChild(row(area.area.empty() ? QStringLiteral("（地域なし）") : toUi(area.area),
                              area.counts, nation.nation, area.area));
        tree_->addTopLevelItem(top);
    }
    QTreeWidgetItem* total = row(QStringLiteral("合計"), overview.total, {}, {});
    QFont bold = total->font(kNameColumn);
    bold.setBold(true);
    total->setFont(kNameColumn, bold);
    tree_->addTopLevelItem(total);
    tree_->expandAll();
    tree_->header()->setSectionResizeMode(kNameColumn, QHeaderView::ResizeToContents);
    tree_->header()->resizeSection(kBarColumn, 160);

    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        emit FilterChosen(item->data(kNameColumn, kNationRole).toByteArray(),
                          item->data(kNameColumn, kAreaRole).toByteArray());
        accept();
    });
    auto* column = new QVBoxLayout(this);
    column->addWidget(tree_);
    resize(560, 480);
}

} // namespace korvane
