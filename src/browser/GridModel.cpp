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
    const QuestRecord& record = row(static_cast<std::size_t>(index.row()));
    switch (role) {
    case Qt::DisplayRole:
        // A set flag shows as a tick and a clear one as nothing, so that progress reads at a
        // glance (and not by colour alone); any other value shows as it stands.
        if (column >= kOffered && (record[column] == "1" || record[column] == "0"))
            return record[column] == "1" ? QStringLiteral("✓") : QString();
        return toUi(record[column]);
    case CompletedRole:
        return record[kCompleted] == "1";
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
    rows_.clear();
    rows_.reserve(rows.size());
    for (QuestRecord& record : rows)
        rows_.push_back({{}, std::make_unique<QuestRecord>(std::move(record))});
    endResetModel();
}

void GridModel::setLines(std::vector<std::string> lines) {
    beginResetModel();
    rows_.clear();
    rows_.reserve(lines.size());
    for (std::string& line : lines)
        rows_.push_back({std::move(line), nullptr});
    endResetModel();
}

void GridModel::resizeRows(std::size_t count) {
    if (count == rows_.size())
        return;
    beginResetModel();
    rows_.resize(count);
    endResetModel();
}

const QuestRecord& GridModel::row(std::size_t i) const {
    const Row& r = rows_[i];
    if (!r.record)
        r.record = std::make_unique<QuestRecord>(splitQuestRecord(r.line));
    return *r.record;
}

QuestRecord GridModel::flags(std::size_t i) const {
    const Row& r = rows_[i];
    QuestRecord record;
    if (r.record) {
        for (const QuestField flag : {kOffered, kCompleted, kRepeatable})
            record[flag] = (*r.record)[flag];
        return record;
    }
    Fields found = fieldsFrom(r.line, kOffered, 3);
    for (std::size_t k = 0; k < found.size(); ++k)
        record[kOffered + k] = std::move(found[k]);
    return record;
}

void GridModel::setCell(std::size_t column, std::size_t row, std::string value) {
    this->row(row); // split first, so that the record holds every cell
    (*rows_[row].record)[column] = std::move(value);
    const QModelIndex changed = index(static_cast<int>(row), static_cast<int>(column));
    emit dataChanged(changed, changed);
}

} // namespace korvane
