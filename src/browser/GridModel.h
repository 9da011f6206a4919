#pragma once
// The quest grid's cells, held as code page 932 bytes and turned into text only for the rows on
// screen, so that ten thousand quests fill and scroll without a pause.

#include "store/QuestTable.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace korvane {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setTitles(const QStringList& titles);
    void setRows(std::vector<QuestRecord> rows);
    void resizeRows(std::size_t count);
    const QuestRecord& row(std::size_t i) const { return rows_[i]; }
    void setCell(std::size_t column, std::size_t row, std::string value);

private:
    std::vector<QuestRecord> rows_;
    QStringList titles_;
};

} // namespace korvane
