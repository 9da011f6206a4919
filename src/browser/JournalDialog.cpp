#include "JournalDialog.h"

#include "store/Numbers.h"
#include "store/UiText.h"
#include "widgets/Controls.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace korvane {

enum JournalColumn { kTimeColumn, kNumberColumn, kNameColumn, kWhatColumn, kPcColumn, kJournalColumns };

// Points at the journal's entries through the rows the filter admits; a cell is made only when
// it is drawn, so that a hundred thousand entries open at once.
class JournalModel : public QAbstractTableModel {
public:
    JournalModel(const Journal& journal, std::function<QString(std::uint16_t)> nameOf, QObject* parent)
        : QAbstractTableModel(parent), journal_(journal), nameOf_(std::move(nameOf)) {}

    void setRows(std::vector<std::uint32_t> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    std::uint16_t numberAt(int row) const { return entry(row).number; }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : kJournalColumns;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::TextAlignmentRole && index.column() == kNumberColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        const JournalEntry& e = entry(index.row());
        switch (index.column()) {
        case kTimeColumn:
            return journalTimeText(e.time);
        case kNumberColumn:
            return toUi(questNumberText(e.number));
        case kNameColumn:
            return nameOf_(e.number);
        case kWhatColumn: {
            const QString cause = journalCauseText(e.cause);
            return journalKindText(e.kind) +
                   (cause.isEmpty() ? QString() : QStringLiteral("（%1）").arg(cause));
        }
        case kPcColumn:
            return toUi(journal_.pcName(e.pc));
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        static const QString titles[] = {QStringLiteral("日時"), QStringLiteral("番号"),
                                         QStringLiteral("クエスト名"), QStringLiteral("出来事"),
                                         QStringLiteral("PC")};
        return section >= 0 && section < kJournalColumns ? titles[section] : QVariant();
    }

private:
    const JournalEntry& entry(int row) const {
        return journal_.entries()[rows_[static_cast<std::size_t>(row)]];
    }

    const Journal& journal_;
    std::function<QString(std::uint16_t)> nameOf_;
    std::vector<std::uint32_t> rows_;
};

JournalDialog::JournalDialog(const Journal& journal, std::function<QString(std::uint16_t)> nameOf,
                             std::uint16_t questOnShow, QWidget* parent)
    : QDialog(parent), journal_(journal), model_(new JournalModel(journal, std::move(nameOf), this)),
      table_(named(new QTableView(this), "JournalTable", QStringLiteral("記録"))),
      count_(named(textLabel(QString(), this), "JournalCount")) {
    setObjectName(QStringLiteral("JournalDialog"));
    setWindowTitle(QStringLiteral("記録"));

    QHBoxLayout* filters = makeFilters(questOnShow);
    setUpTable();
    auto* column = new QVBoxLayout(this);
    column->addLayout(filters);
    column->addWidget(table_);
    resize(760, 520);

    connect(Edit8, &QLineEdit::textChanged, this, &JournalDialog::refill);
    connect(ComboBox7, &QComboBox::currentIndexChanged, this, &JournalDialog::refill);
    connect(ComboBox8, &QComboBox::currentIndexChanged, this, &JournalDialog::refill);
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        choice_ = model_->numberAt(index.row());
        accept();
    });
    refill();
}

// The quest number, the period and the kinds, with the count of what they list.
QHBoxLayout* JournalDialog::makeFilters(std::uint16_t questOnShow) {
    Edit8 = named(new QLineEdit(this), "Edit8", QStringLiteral("クエスト番号"));
    Edit8->setPlaceholderText(QStringLiteral("すべてのクエスト"));
    Edit8->setMaxLength(4);
    Edit8->setFixedWidth(120);
    if (questOnShow != 0)
        Edit8->setText(toUi(questNumberText(questOnShow)));
    ComboBox7 = named(new QComboBox(this), "ComboBox7", QStringLiteral("期間"));
    // Each item carries the value it stands for: the order of the items is the window's alone.
    const std::pair<QString, JournalPeriod> periods[] = {
        {QStringLiteral("すべての期間"), JournalPeriod::All},
        {QStringLiteral("今日"), JournalPeriod::Today},
        {QStringLiteral("この 7 日"), JournalPeriod::Week},
        {QStringLiteral("この 30 日"), JournalPeriod::Month}};
    for (const auto& [text, period] : periods)
        ComboBox7->addItem(text, static_cast<int>(period));
    ComboBox8 = named(new QComboBox(this), "ComboBox8", QStringLiteral("種類"));
    const std::pair<QString, JournalKinds> kinds[] = {
        {QStringLiteral("すべての出来事"), JournalKinds::All},
        {journalKindText(JournalKind::Offered), JournalKinds::Offered},
        {journalKindText(JournalKind::Completed), JournalKinds::Completed},
        {journalKindText(JournalKind::Memo), JournalKinds::Memo},
        {QStringLiteral("追加・修正・削除"), JournalKinds::QuestEdits},
        {journalKindText(JournalKind::SetAside), JournalKinds::SetAside}};
    for (const auto& [text, kind] : kinds)
        ComboBox8->addItem(text, static_cast<int>(kind));

    auto* filters = new QHBoxLayout;
    filters->addWidget(textLabel(QStringLiteral("クエスト番号"), this));
    filters->addWidget(Edit8);
    filters->addWidget(ComboBox7);
    filters->addWidget(ComboBox8);
    filters->addStretch();
    filters->addWidget(count_);
    return filters;
}

void JournalDialog::setUpTable() {
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    // Fixed heights and widths: nothing is measured over every row.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    const int widths[] = {130, 48, 260, 150};
    for (int column = 0; column < kPcColumn; ++column)
        table_->horizontalHeader()->resizeSection(column, widths[column]);
    table_->horizontalHeader()->setStretchLastSection(true);
}

JournalDialog::~JournalDialog() = default;

void JournalDialog::refill() {
    JournalFilter filter;
    filter.number = questNumberOf(fromUiLossy(Edit8->text().trimmed()));
    filter.period = static_cast<JournalPeriod>(ComboBox7->currentData().toInt());
    filter.kinds = static_cast<JournalKinds>(ComboBox8->currentData().toInt());
    model_->setRows(journalRows(journal_.entries(), filter, QDateTime::currentSecsSinceEpoch()));
    // Narrowed to one quest, the count says so: an empty list then has its reason beside it.
    const int rows = model_->rowCount({});
    QString count = QStringLiteral("%1 件").arg(rows);
    if (filter.number != 0)
        count += rows == 0
                     ? QStringLiteral("（クエスト %1 の記録はまだありません。番号を消すとすべて出ます）")
                           .arg(toUi(questNumberText(filter.number)))
                     : QStringLiteral("（クエスト %1 の記録）").arg(toUi(questNumberText(filter.number)));
    count_->setText(count);
}

} // namespace korvane
