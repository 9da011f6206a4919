#include "ConflictDialog.h"

#include "store/UiText.h"
#include "widgets/Controls.h"

#include <QAbstractItemModel>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace korvane {
namespace {

using Rule = MergeDifference::Rule;

QString valueOf(const MergeDifference& d, const std::string& value) {
    if (d.field == kWholeText)
        return QStringLiteral("%1 行").arg(std::count(value.begin(), value.end(), '\n'));
    return QStringLiteral("「%1」").arg(toUi(value));
}

QString whatOf(const MergePlan& plan, const MergeDifference& d) {
    if (d.field != kWholeText)
        return fieldCaption(static_cast<QuestField>(d.field));
    return QFileInfo(plan.copy.dataFile).completeBaseName().replace(QStringLiteral("クエスト"), QString());
}

QString aboutCopy(const MergePlan& plan) {
    const QString base =
        plan.base.isEmpty()
            ? QStringLiteral("両方のもとになった版が見つからないため、どちらだけの変更かは分かりません")
            : QStringLiteral("もとになった版 %1 と比べます").arg(QFileInfo(plan.base).fileName());
    if (plan.notACopy)
        return QStringLiteral("%1（%2）— クエストの行が一つもないため、%3 のコピーではありません。統合せず、"
                              "backup フォルダーに移します")
            .arg(QFileInfo(plan.copy.path).fileName(), QDir::toNativeSeparators(plan.copy.path),
                 plan.copy.dataFile);
    const QString whose =
        QStringLiteral("%1 の版。%2 には%3 の版が入っています")
            .arg(plan.copyIsThisPcs ? plan.sides.mine : plan.sides.other, plan.copy.dataFile,
                 plan.copyIsThisPcs ? plan.sides.other : plan.sides.mine);
    return QStringLiteral("%1（%2、%3 %4 の %5）— %6")
        .arg(plan.copy.dataFile, QDir::toNativeSeparators(plan.copy.path), plan.copy.tool,
             plan.copy.made.toString(QStringLiteral("yyyy/MM/dd HH:mm")), whose, base);
}

} // namespace

QString describeDifference(const MergeDifference& d, const QString& what, const MergePlan::SideNames& sides) {
    const QString& mine = sides.mine;
    const QString& other = sides.other;
    if (d.rule == Rule::QuestOnlyOther)
        return QStringLiteral("%1「%2」— %3 にだけあるクエスト: そのまま加えます")
            .arg(toUi(d.number), toUi(d.other), other);
    if (d.rule == Rule::QuestOnlyThisPc)
        return QStringLiteral("%1「%2」— %3 にだけあるクエスト: そのまま残します")
            .arg(toUi(d.number), toUi(d.other), mine);
    const QString values =
        QStringLiteral(": %1 %2 / %3 %4 → ").arg(mine, valueOf(d, d.thisPc), other, valueOf(d, d.other));
    QString settled;
    switch (d.rule) {
    case Rule::OnlyOther:
        settled = QStringLiteral("%1 だけの変更を取り込みます").arg(other);
        break;
    case Rule::OnlyThisPc:
        settled = QStringLiteral("%1 だけの変更を残します").arg(mine);
        break;
    case Rule::FlagSet:
        settled = QStringLiteral("どちらかで付いた印を付けます");
        break;
    case Rule::TextOnlyOther:
        settled = QStringLiteral("%1 にだけある文を加えます").arg(other);
        break;
    case Rule::TextExtended:
        settled = QStringLiteral("%1 で書き足された行を加えます").arg(other);
        break;
    case Rule::BothMemos:
        settled = QStringLiteral("両方を残します（%1 のあとに %2 のものを続けます）").arg(mine, other);
        break;
    default:
        settled = QStringLiteral("%1 のものを残します（チェックで %2 のものにします）").arg(mine, other);
    }
    return QStringLiteral("%1　%2").arg(toUi(d.number), what) + values + settled;
}

// Two levels: a copy a row, and under it its differences, then the lines it leaves out.
class ConflictTreeModel : public QAbstractItemModel {
public:
    ConflictTreeModel(std::vector<MergePlan>& plans, QObject* parent)
        : QAbstractItemModel(parent), plans_(plans) {}

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override {
        if (!hasIndex(row, column, parent))
            return {};
        return createIndex(row, column, parent.isValid() ? static_cast<quintptr>(parent.row() + 1) : 0);
    }
    QModelIndex parent(const QModelIndex& child) const override {
        return child.internalId() == 0
                   ? QModelIndex()
                   : createIndex(static_cast<int>(child.internalId() - 1), 0, quintptr{0});
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        if (!parent.isValid())
            return static_cast<int>(plans_.size());
        if (parent.internalId() != 0)
            return 0;
        const MergePlan& plan = plans_[static_cast<std::size_t>(parent.row())];
        return static_cast<int>(plan.differences.size() + plan.leftOut.size());
    }
    int columnCount(const QModelIndex& = {}) const override { return 1; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (index.internalId() == 0) {
            const MergePlan& plan = plans_[static_cast<std::size_t>(index.row())];
            return role == Qt::DisplayRole ? aboutCopy(plan) : QVariant();
        }
        const MergePlan& plan = planOf(index);
        const std::size_t row = static_cast<std::size_t>(index.row());
        if (row >= plan.differences.size()) {
            const LeftOutLine& line = plan.leftOut[row - plan.differences.size()];
            return role == Qt::DisplayRole ? QStringLiteral("取り込まない行（%1）: %2")
                                                 .arg(line.why, toUi(line.line.substr(0, 200)))
                                           : QVariant();
        }
        const MergeDifference& d = plan.differences[row];
        if (role == Qt::DisplayRole)
            return describeDifference(d, whatOf(plan, d), plan.sides);
        if (role == Qt::CheckStateRole && d.rule == Rule::KeepThisPc)
            return d.takeOther ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        MergeDifference* d = differenceAt(index);
        if (!d || role != Qt::CheckStateRole || d->rule != Rule::KeepThisPc)
            return false;
        d->takeOther = value.toInt() == Qt::Checked;
        emit dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        const MergeDifference* d = differenceAt(index);
        return d && d->rule == Rule::KeepThisPc ? base | Qt::ItemIsUserCheckable : base;
    }

    const MergePlan& planOf(const QModelIndex& child) const { return plans_[child.internalId() - 1]; }
    MergeDifference* differenceAt(const QModelIndex& index) const {
        if (!index.isValid() || index.internalId() == 0)
            return nullptr;
        MergePlan& plan = plans_[index.internalId() - 1];
        const std::size_t row = static_cast<std::size_t>(index.row());
        return row < plan.differences.size() ? &plan.differences[row] : nullptr;
    }

private:
    std::vector<MergePlan>& plans_;
};

ConflictDialog::ConflictDialog(std::vector<MergePlan>& plans, const QStringList& refused, QWidget* parent)
    : QDialog(parent), plans_(plans), model_(new ConflictTreeModel(plans, this)),
      tree_(named(new QTreeView(this), "ConflictList", QStringLiteral("競合の内容"))),
      texts_(named(new QPlainTextEdit(this), "ConflictTexts", QStringLiteral("両方の文"))) {
    setObjectName(QStringLiteral("ConflictDialog"));
    setWindowTitle(QStringLiteral("同期の競合"));
    auto* column = new QVBoxLayout(this);
    QStringList about{QStringLiteral("同期ツールが残した競合コピーがあります。ファイルごと、クエストごとに、"
                                     "違いとそのまとめ方を示します。")};
    about << refused;
    about << QStringLiteral("「統合する」と両方の変更をデータのファイルにまとめ、コピーは backup フォルダへ"
                            "移します（元に戻すとコピーも戻ります）。「後で」では何も書き込みません。");
    QLabel* label = textLabel(about.join(QLatin1Char('\n')), this);
    label->setWordWrap(true);
    column->addWidget(label);
    auto* split = new QSplitter(Qt::Vertical, this);
    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true);
    tree_->setModel(model_);
    tree_->expandAll();
    split->addWidget(tree_);
    texts_->setReadOnly(true);
    texts_->setPlaceholderText(QStringLiteral("内容・報酬・メモの違いを選ぶと、両方の文をここに示します"));
    split->addWidget(texts_);
    split->setSizes({320, 140});
    column->addWidget(split, 1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("統合する"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("ConflictMerge"));
    buttons->addButton(QStringLiteral("後で"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("ConflictLater"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ConflictDialog::showBothTexts);
    column->addWidget(buttons);
    auto* look = new QTimer(this);
    connect(look, &QTimer::timeout, this, &ConflictDialog::lookForVanished);
    look->start(500);
    resize(820, 560);
}

void ConflictDialog::showBothTexts() {
    const MergeDifference* d = model_->differenceAt(tree_->currentIndex());
    if (!d || d->field != kWholeText) {
        texts_->clear();
        return;
    }
    const MergePlan::SideNames& sides =
        plans_.at(static_cast<std::size_t>(tree_->currentIndex().parent().row())).sides;
    texts_->setPlainText(
        QStringLiteral("%1:\n%2\n%3:\n%4").arg(sides.mine, toUi(d->thisPc), sides.other, toUi(d->other)));
}

// A slice of the copies at each look, so that a preview of very many stays quick to use; copies
// that another PC merged go all at once, and the first slice sees them.
void ConflictDialog::lookForVanished() {
    constexpr std::size_t kPerLook = 2000;
    for (std::size_t n = 0; n < std::min(kPerLook, plans_.size()); ++n) {
        const MergePlan& plan = plans_[nextLook_++ % plans_.size()];
        if (!QFileInfo::exists(plan.copy.path)) {
            vanished_ = plan.copy.path;
            reject();
            return;
        }
    }
}

} // namespace korvane
