#include "ConflictDialog.h"

#include "store/UiText.h"
#include "widgets/Controls.h"

#include <QAbstractListModel>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {
namespace {

using Rule = MergeDifference::Rule;

QString valueOf(const MergeDifference& d, const std::string& value) {
    return d.isText ? QStringLiteral("%1 行").arg(QString::fromStdString(value))
                    : QStringLiteral("「%1」").arg(toUi(value));
}

} // namespace

QString describeDifference(const MergeDifference& d) {
    const QString head = QStringLiteral("%1　%2").arg(toUi(d.number), d.what);
    if (d.rule == Rule::AddTheirs)
        return QStringLiteral("%1 — コピーにだけあるクエスト: そのまま加えます").arg(toUi(d.number));
    const QString values =
        QStringLiteral(": この PC %1 / コピー %2 → ").arg(valueOf(d, d.mine), valueOf(d, d.theirs));
    switch (d.rule) {
    case Rule::OnlyTheirs:
        return head + values + QStringLiteral("コピーだけの変更を取り込みます");
    case Rule::OnlyMine:
        return head + values + QStringLiteral("この PC だけの変更を残します");
    case Rule::FlagSet:
        return head + values + QStringLiteral("どちらかで付いた印を付けます");
    case Rule::BothMemos:
        return head + values + QStringLiteral("両方を残します（この PC のあとにコピーのものを続けます）");
    case Rule::KeepMine:
    case Rule::AddTheirs:
        break;
    }
    return head + values + QStringLiteral("この PC のものを残します（チェックでコピーのものにします）");
}

// The differences, a row each, made when shown; a row no rule settles has a box for the pick.
class ConflictListModel : public QAbstractListModel {
public:
    ConflictListModel(MergePlan& plan, QObject* parent) : QAbstractListModel(parent), plan_(plan) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(plan_.differences.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const MergeDifference& d = at(index);
        if (role == Qt::DisplayRole)
            return describeDifference(d);
        if (role == Qt::CheckStateRole && d.rule == Rule::KeepMine)
            return d.takeTheirs ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        MergeDifference& d = plan_.differences[static_cast<std::size_t>(index.row())];
        if (role != Qt::CheckStateRole || d.rule != Rule::KeepMine)
            return false;
        d.takeTheirs = value.toInt() == Qt::Checked;
        emit dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        return at(index).rule == Rule::KeepMine ? base | Qt::ItemIsUserCheckable : base;
    }

private:
    const MergeDifference& at(const QModelIndex& index) const {
        return plan_.differences[static_cast<std::size_t>(index.row())];
    }
    MergePlan& plan_;
};

ConflictDialog::ConflictDialog(MergePlan& plan, QWidget* parent)
    : QDialog(parent), model_(new ConflictListModel(plan, this)),
      list_(named(new QListView(this), "ConflictList", QStringLiteral("競合の内容"))) {
    setObjectName(QStringLiteral("ConflictDialog"));
    setWindowTitle(QStringLiteral("同期の競合"));
    auto* column = new QVBoxLayout(this);
    const QString base =
        plan.base.isEmpty()
            ? QStringLiteral("両方のもとになった版が見つからないため、どちらだけの変更かは分かりません。")
            : QStringLiteral("両方のもとになった版（%1）と比べて、どちらだけの変更かを見分けます。")
                  .arg(QFileInfo(plan.base).fileName());
    QLabel* about = textLabel(
        QStringLiteral("%1 は %2 が %3 に残した競合コピーです（%4 の別の PC での版）。%5\n"
                       "「統合する」と両方の変更を %4 にまとめ、コピーは backup フォルダへ移します。"
                       "「後で」では何も書き込みません。")
            .arg(QDir::toNativeSeparators(plan.copy.path), plan.copy.tool,
                 plan.copy.made.toString(QStringLiteral("yyyy/MM/dd HH:mm")), plan.copy.dataFile, base),
        this);
    about->setWordWrap(true);
    column->addWidget(about);
    list_->setUniformItemSizes(true);
    list_->setModel(model_);
    column->addWidget(list_, 1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("統合する"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("ConflictMerge"));
    buttons->addButton(QStringLiteral("後で"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("ConflictLater"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    resize(760, 480);
}

} // namespace korvane
