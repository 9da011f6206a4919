#include "ImportDialog.h"

#include "store/UiText.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"

#include <QAbstractListModel>
#include <QDialogButtonBox>
#include <QDir>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {
namespace {

// One line a quest, with each change old → new.
QString describe(const ImportedQuest& quest) {
    const QString head = QStringLiteral("%1　%2").arg(toUi(quest.number), toUi(quest.name));
    switch (quest.kind) {
    case ImportKind::Added:
        return head + QStringLiteral("　— 追加");
    case ImportKind::Changed: {
        QStringList changes;
        for (const ImportedChange& change : quest.details)
            changes << (change.isText ? QStringLiteral("%1 %2 行 → %3 行")
                                            .arg(change.what, QString::fromStdString(change.before),
                                                 QString::fromStdString(change.after))
                                      : QStringLiteral("%1「%2」→「%3」")
                                            .arg(change.what, toUi(change.before), toUi(change.after)));
        return (quest.renamed ? QStringLiteral("⚠ ") : QString()) + head + QStringLiteral("　— 変更: ") +
               changes.join(QStringLiteral("、")) +
               (quest.renamed ? QStringLiteral("（名前が変わります。別のクエストかもしれません）")
                              : QString());
    }
    case ImportKind::KeptMine:
        return head + QStringLiteral("　— 手元のみ（そのまま）");
    case ImportKind::Unchanged:
        break;
    }
    return head;
}

} // namespace

// The quests an import touches or keeps, unchanged ones only in the count; each row's text is made
// when it is shown, so that a list of ten thousand opens at once.
class ImportListModel : public QAbstractListModel {
public:
    explicit ImportListModel(ImportPreview preview, QObject* parent)
        : QAbstractListModel(parent), preview_(std::move(preview)) {
        for (std::size_t i = 0; i < preview_.quests.size(); ++i)
            if (preview_.quests[i].kind != ImportKind::Unchanged)
                rows_.push_back(i);
        taken_.assign(rows_.size(), true);
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const ImportedQuest& quest = questAt(index);
        switch (role) {
        case Qt::DisplayRole:
            return describe(quest);
        case Qt::CheckStateRole:
            if (quest.kind == ImportKind::KeptMine)
                return {};
            return taken_[static_cast<std::size_t>(index.row())] ? Qt::Checked : Qt::Unchecked;
        case Qt::ForegroundRole:
            return quest.renamed ? QVariant(colour(Colour::Renamed)) : QVariant();
        default:
            return {};
        }
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::CheckStateRole || questAt(index).kind == ImportKind::KeptMine)
            return false;
        taken_[static_cast<std::size_t>(index.row())] = value.toInt() == Qt::Checked;
        emit dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        return questAt(index).kind == ImportKind::KeptMine ? base : base | Qt::ItemIsUserCheckable;
    }

    const ImportPreview& preview() const { return preview_; }

    std::set<std::string> leftOut() const {
        std::set<std::string> out;
        for (std::size_t r = 0; r < rows_.size(); ++r)
            if (!taken_[r] && preview_.quests[rows_[r]].kind != ImportKind::KeptMine)
                out.insert(preview_.quests[rows_[r]].number);
        return out;
    }

private:
    const ImportedQuest& questAt(const QModelIndex& index) const {
        return preview_.quests[rows_[static_cast<std::size_t>(index.row())]];
    }

    ImportPreview preview_;
    std::vector<std::size_t> rows_; // into preview_.quests
    std::vector<bool> taken_;
};

QString importCountsText(const ImportPreview& preview, std::size_t leftOut) {
    QString text = QStringLiteral("追加 %1　変更 %2　変更なし %3　手元のみ %4")
                       .arg(preview.added)
                       .arg(preview.changed)
                       .arg(preview.unchanged)
                       .arg(preview.keptMine);
    if (leftOut > 0)
        text += QStringLiteral("　（うち %1 件は取り込みません）").arg(leftOut);
    return text;
}

ImportDialog::ImportDialog(const QString& folder, ImportPreview preview, QWidget* parent)
    : QDialog(parent), model_(new ImportListModel(std::move(preview), this)),
      list_(named(new QListView(this), "ImportList", QStringLiteral("取り込む内容"))),
      counts_(named(textLabel(QString(), this), "ImportCounts")) {
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(QStringLiteral("取り込み"));
    auto* column = new QVBoxLayout(this);
    QLabel* where =
        textLabel(QStringLiteral("%1 から取り込みます。進み具合（3 つのフラグ）とメモは手元のものを残します。"
                                 "取り込まないクエストはチェックを外してください。")
                      .arg(QDir::toNativeSeparators(folder)),
                  this);
    where->setWordWrap(true);
    column->addWidget(where);
    column->addWidget(counts_);

    list_->setUniformItemSizes(true);
    list_->setModel(model_);
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] { updateCounts(); });
    column->addWidget(list_, 1);
    updateCounts();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* take = buttons->addButton(QStringLiteral("取り込む"), QDialogButtonBox::AcceptRole);
    take->setObjectName(QStringLiteral("ImportTake"));
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("ImportCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    resize(720, 560);
}

std::set<std::string> ImportDialog::leftOut() const {
    return model_->leftOut();
}

const ImportPreview& ImportDialog::counts() const {
    return model_->preview();
}

void ImportDialog::updateCounts() {
    counts_->setText(importCountsText(model_->preview(), leftOut().size()));
}

} // namespace korvane
