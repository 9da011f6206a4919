#include "GridModel.h"
#include "store/Quest.h"

#include "store/UiText.h"

#include <QApplication>
#include <QPalette>

namespace korvane {
namespace {
const QuestRecord kEmptyRecord;
}

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kQuestFieldCount);
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const auto column = static_cast<std::size_t>(index.column());
    const QuestRecord& record = row(static_cast<std::size_t>(index.row()));
    switch (role) {
    case Qt::DisplayRole:
        // A set flag shows as a tick and a clear one as nothing, so that progress reads at a
        // glance (and not by colour alone); any other value shows as it stands.
        if (isFlagField(static_cast<int>(column)) && (record[column] == "1" || record[column] == "0"))
            return flagSet(record[column]) ? QStringLiteral("✓") : QString();
        return toUi(record[column]);
    case Qt::AccessibleTextRole:
        // Read aloud, a row's first cell names its quest and a flag says whether it is set.
        if (column == kNumber && !record[kNumber].empty())
            return toUi(record[kNumber]) + QLatin1Char(' ') + toUi(record[kName]) +
                   (setAside(record) ? QStringLiteral(" 見送り") : QString());
        if (isFlagField(static_cast<int>(column)) && (record[column] == "1" || record[column] == "0"))
            return fieldCaption(static_cast<QuestField>(column)) +
                   (flagSet(record[column]) ? QStringLiteral(" 済み") : QStringLiteral(" なし"));
        return {};
    case CompletedRole:
        return flagSet(record[kCompleted]);
    case SetAsideRole:
        return setAside(record);
    case Qt::ToolTipRole:
        if (setAside(record))
            return QStringLiteral("見送り（%1）").arg(toUi(aside_->dateOf(record[kNumber])));
        return {};
    case Qt::BackgroundRole:
        // Column 0 is a fixed column: drawn like the headers.
        return index.column() == kNumber ? QVariant(QApplication::palette().button()) : QVariant();
    default:
        return {};
    }
}

bool GridModel::setAside(const QuestRecord& record) const {
    return aside_ && aside_->count() > 0 && aside_->holds(record[kNumber]);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < titles_.size())
        return titles_[section];
    return {};
}

void GridModel::setTitles(const QStringList& titles) {
    titles_ = titles;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void GridModel::setRows(std::vector<std::size_t> lines) {
    beginResetModel();
    rows_ = std::move(lines);
    records_.clear();
    records_.resize(rows_.size());
    endResetModel();
}

std::optional<std::size_t> GridModel::lineAt(std::size_t i) const {
    if (i >= rows_.size() || rows_[i] == kNoLine || !source_ || rows_[i] >= source_->size())
        return std::nullopt;
    return rows_[i];
}

const QuestRecord& GridModel::row(std::size_t i) const {
    const auto line = lineAt(i);
    if (!line)
        return kEmptyRecord;
    if (!records_[i])
        records_[i] = std::make_unique<QuestRecord>(splitQuestRecord((*source_)[*line]));
    return *records_[i];
}

void GridModel::linesChanged(std::size_t first, std::size_t count) {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i] >= first && rows_[i] - first < count) {
            records_[i].reset();
            emit dataChanged(index(static_cast<int>(i), 0),
                             index(static_cast<int>(i), static_cast<int>(kQuestFieldCount) - 1));
        }
}

} // namespace korvane
