#include "GridModel.h"

#include "store/UiText.h"

#include <QApplication>
#include <QPalette>

namespace korvane {

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
    switch (role) {
    case Qt::DisplayRole:
        return toUi(rows_[static_cast<std::size_t>(index.row())][column]);
    case Qt::BackgroundRole:
        // Column 0 is a fixed column: drawn like the headers.
        return index.column() == kNumber ? QVariant(QApplication::palette().button()) : QVariant();
    default:
        return {};
    }
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

void GridModel::setRows(std::vector<QuestRecord> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void GridModel::resizeRows(std::size_t count) {
    if (count == rows_.size())
        return;
    beginResetModel();
    rows_.resize(count);
    endResetModel();
}

void GridModel::setCell(std::size_t column, std::size_t row, std::string value) {
    rows_[row][column] = std::move(value);
    const QModelIndex changed = index(static_cast<int>(row), static_cast<int>(column));
    emit dataChanged(changed, changed);
}

} // namespace korvane
