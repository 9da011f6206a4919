#include "ProgressDialog.h"

#include "store/UiText.h"
#include "widgets/Controls.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korvane {
namespace {

enum Column { kNameColumn, kQuestsColumn, kDoneColumn, kLeftColumn, kBarColumn };
constexpr int kNationRole = Qt::UserRole, kAreaRole = Qt::UserRole + 1, kPercentRole = Qt::UserRole + 2,
              kAreaRowRole = Qt::UserRole + 3;

// The share done as a bar with its percentage beside it: the number, not the colour alone.
class BarDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const int percent = index.data(kPercentRole).toInt();
        const QString text = QStringLiteral("%1%").arg(percent);
        const int textWidth = option.fontMetrics.horizontalAdvance(QStringLiteral("100%")) + 6;
        const QRect bar = option.rect.adjusted(3, 3, -textWidth - 3, -3);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QColor(0xB8, 0xC2, 0xCC));
        painter->setBrush(QColor(0xEE, 0xF1, 0xF4));
        painter->drawRoundedRect(bar, 3, 3);
        if (percent > 0) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(QColor(0x3C, 0x9A, 0x5A));
            painter->drawRoundedRect(QRect(bar.topLeft(), QSize(bar.width() * percent / 100, bar.height())),
                                     3, 3);
        }
        painter->setPen(option.palette.text().color());
        painter->drawText(option.rect.adjusted(0, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter, text);
        painter->restore();
    }
};

QTreeWidgetItem* row(const QString& name, const ProgressCounts& counts, const std::string& nation,
                     const std::optional<std::string>& area,
                     const std::vector<std::pair<QString, ProgressOverview>>& others) {
    QStringList cells{name, QString::number(counts.quests), QString::number(counts.completed),
                      QString::number(counts.left()), QString()};
    for (const auto& [character, overview] : others) {
        const ProgressCounts theirs = nation.empty() ? overview.total : countsIn(overview, nation, area);
        cells << QStringLiteral("%1 / %2").arg(theirs.completed).arg(theirs.quests);
    }
    auto* item = new QTreeWidgetItem(cells);
    for (int column = kQuestsColumn; column < cells.size(); ++column)
        if (column != kBarColumn)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    item->setData(kNameColumn, kNationRole, QByteArray::fromStdString(nation));
    item->setData(kNameColumn, kAreaRole, QByteArray::fromStdString(area.value_or(std::string())));
    item->setData(kNameColumn, kAreaRowRole, area.has_value());
    item->setData(kBarColumn, kPercentRole, counts.percentDone());
    return item;
}

// A nation's row and the total stand out from the areas.
QTreeWidgetItem* boldRow(QTreeWidgetItem* item) {
    QFont bold = item->font(kNameColumn);
    bold.setBold(true);
    item->setFont(kNameColumn, bold);
    return item;
}

} // namespace

ProgressDialog::ProgressDialog(const ProgressOverview& overview,
                               const std::vector<std::pair<QString, ProgressOverview>>& others,
                               QWidget* parent)
    : QDialog(parent), tree_(named(new QTreeWidget(this), "ProgressTree", QStringLiteral("進捗"))) {
    setObjectName(QStringLiteral("ProgressDialog"));
    setWindowTitle(QStringLiteral("進捗"));
    QStringList headers{QStringLiteral("国・地域"), QStringLiteral("クエスト"), QStringLiteral("完了"),
                        QStringLiteral("残り"), QStringLiteral("進み具合")};
    for (const auto& [character, unused] : others)
        headers << character; // completed / quests of that character
    tree_->setHeaderLabels(headers);
    tree_->setItemDelegateForColumn(kBarColumn, new BarDelegate(tree_));
    tree_->setRootIsDecorated(true);
    tree_->setUniformRowHeights(true);
    tree_->setAlternatingRowColors(true);
    for (const NationProgress& nation : overview.nations) {
        QTreeWidgetItem* top =
            boldRow(row(toUi(nation.nation), nation.counts, nation.nation, std::nullopt, others));
        for (const AreaProgress& area : nation.areas)
            top->addChild(row(area.area.empty() ? QStringLiteral("（地域なし）") : toUi(area.area),
                              area.counts, nation.nation, area.area, others));
        tree_->addTopLevelItem(top);
    }
    tree_->addTopLevelItem(boldRow(row(QStringLiteral("合計"), overview.total, {}, std::nullopt, others)));
    tree_->expandAll();
    tree_->header()->setSectionResizeMode(kNameColumn, QHeaderView::ResizeToContents);
    for (const int column : {kQuestsColumn, kDoneColumn, kLeftColumn})
        tree_->header()->resizeSection(column, 64);
    tree_->header()->setStretchLastSection(others.empty());
    if (!others.empty())
        tree_->header()->resizeSection(kBarColumn, 160);

    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        choice_ = OverviewChoice{item->data(kNameColumn, kNationRole).toByteArray(),
                                 item->data(kNameColumn, kAreaRole).toByteArray(),
                                 item->data(kNameColumn, kAreaRowRole).toBool()};
        accept();
    });
    auto* column = new QVBoxLayout(this);
    column->addWidget(tree_);
    resize(620 + 90 * static_cast<int>(others.size()), 560);
}

} // namespace korvane
