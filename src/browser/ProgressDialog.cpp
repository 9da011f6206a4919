#include "ProgressDialog.h"

#include "OverviewExport.h"
#include "ProgressChart.h"
#include "store/Errors.h"
#include "store/LineFile.h"
#include "store/UiText.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korvane {
namespace {

enum Column { kNameColumn, kQuestsColumn, kDoneColumn, kLeftColumn, kAsideColumn, kBarColumn };
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
        painter->setPen(colour(Colour::ChartEdge));
        painter->setBrush(colour(Colour::ChartTrack));
        painter->drawRoundedRect(bar, 3, 3);
        if (percent > 0) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(colour(Colour::ChartBar));
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
    QStringList cells{name,
                      QString::number(counts.quests),
                      QString::number(counts.completed),
                      QString::number(counts.left()),
                      QString::number(counts.setAside),
                      QString()};
    for (const auto& [character, overview] : others) {
        const ProgressCounts theirs = nation.empty() ? overview.total : countsIn(overview, nation, area);
        cells << QStringLiteral("%1 / %2")
                     .arg(theirs.completed)
                     .arg(theirs.quests - theirs.setAside); // of those it counts
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

ProgressDialog::ProgressDialog(const ProgressOverview& overview, const QString& name,
                               const std::vector<std::pair<QString, ProgressOverview>>& others,
                               HistoryOf historyOf, Guard guard, QWidget* parent)
    : QDialog(parent), csv_(overviewCsv(overview, name, others)), historyOf_(std::move(historyOf)),
      guard_(std::move(guard)), tree_(named(new QTreeWidget(this), "ProgressTree", QStringLiteral("進捗"))),
      ComboBox7(named(new QComboBox(this), "ComboBox7", QStringLiteral("推移の区切り"))),
      ComboBox9(named(new QComboBox(this), "ComboBox9", QStringLiteral("推移のキャラクター"))),
      chart_(named(new ProgressChart(this), "ProgressChart")),
      Label30(named(textLabel(QString(), this), "Label30")) {
    setObjectName(QStringLiteral("ProgressDialog"));
    setWindowTitle(QStringLiteral("進捗 — %1").arg(name));
    // The columns of the character on show are named by it, as the others' are: a picture of the
    // dialog, which has no title bar, says whose they are.
    QStringList headers{QStringLiteral("国・地域"), QStringLiteral("クエスト"), QStringLiteral("完了"),
                        QStringLiteral("残り"),     QStringLiteral("見送り"),   name};
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
    for (const int column : {kQuestsColumn, kDoneColumn, kLeftColumn, kAsideColumn})
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
    column->addWidget(tree_, 1);

    auto* over = new QHBoxLayout;
    auto* caption = textLabel(QStringLiteral("推移"), this);
    caption->setBuddy(ComboBox7);
    over->addWidget(caption);
    ComboBox7->addItem(QStringLiteral("週ごと"), static_cast<int>(ProgressPeriod::Week));
    ComboBox7->addItem(QStringLiteral("月ごと"), static_cast<int>(ProgressPeriod::Month));
    over->addWidget(ComboBox7);
    ComboBox9->addItem(QStringLiteral("このキャラクター"));
    for (const auto& [character, unused] : others)
        ComboBox9->addItem(character);
    ComboBox9->setVisible(!others.empty());
    over->addWidget(ComboBox9);
    Label30->setWordWrap(true);
    over->addWidget(Label30, 1);
    column->addLayout(over);
    column->addWidget(chart_);

    auto* buttons = new QHBoxLayout;
    auto* toCsv = named(new QPushButton(QStringLiteral("CSV に書き出す…"), this), "Button23");
    auto* toPicture = named(new QPushButton(QStringLiteral("画像に保存…"), this), "Button24");
    for (QPushButton* button : {toCsv, toPicture}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    column->addLayout(buttons);

    connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { guard_([this] { showHistory(); }); });
    for (QComboBox* box : {ComboBox7, ComboBox9})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { guard_([this] { showHistory(); }); });
    connect(toCsv, &QPushButton::clicked, this, [this] { guard_([this] { Button23Click(); }); });
    connect(toPicture, &QPushButton::clicked, this, [this] { guard_([this] { Button24Click(); }); });
    tree_->setCurrentItem(tree_->topLevelItem(tree_->topLevelItemCount() - 1)); // the total
    resize(620 + 90 * static_cast<int>(others.size()), 760);
}

// The chart follows the row chosen: the total is every quest.
void ProgressDialog::showHistory() {
    const QTreeWidgetItem* item = tree_->currentItem();
    const OverviewChoice scope = item ? OverviewChoice{item->data(kNameColumn, kNationRole).toByteArray(),
                                                       item->data(kNameColumn, kAreaRole).toByteArray(),
                                                       item->data(kNameColumn, kAreaRowRole).toBool()}
                                      : OverviewChoice{};
    const auto period = static_cast<ProgressPeriod>(ComboBox7->currentData().toInt());
    chart_->setHistory(historyOf_(ComboBox9->currentIndex(), period, scope), period);
    const QString whose =
        ComboBox9->currentIndex() > 0 ? ComboBox9->currentText() + QStringLiteral("、") : QString();
    Label30->setText(whose + (item ? item->text(kNameColumn) + QStringLiteral(": ") : QString()) +
                     chart_->summary());
}

void ProgressDialog::Button23Click() {
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("CSV に書き出す"), QDir::home().filePath(QStringLiteral("進捗.csv")),
        QStringLiteral("CSV (*.csv)"), nullptr, QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty())
        writeLines(path, csv_);
}

void ProgressDialog::Button24Click() {
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("画像に保存"), QDir::home().filePath(QStringLiteral("進捗.png")),
        QStringLiteral("PNG (*.png)"), nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    const QPixmap picture = grab();
    if (!replaceFile(path, [&](QIODevice& file) { return picture.save(&file, "PNG"); }))
        throw errors::cannotCreate(path);
}

} // namespace korvane
