#pragma once
// The quest grid's cells, held as code page 932 bytes and turned into text only for the rows on
// screen, so that ten thousand quests fill and scroll without a pause.

#include "store/QuestTable.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <memory>

namespace korvane {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Whether the row's quest is completed: drawn quieter, its "comp" cell ticked.
    static constexpr int CompletedRole = Qt::UserRole;

    explicit GridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setTitles(const QStringList& titles);
    void setRows(std::vector<QuestRecord> rows);
    // Rows given as quest table lines, split only when a cell is first read: a search that finds
    // thousands of quests copies lines and splits the few on screen.
    void setLines(std::vector<std::string> lines);
    void resizeRows(std::size_t count);
    const QuestRecord& row(std::size_t i) const;
    // A record with the row's three flags only: a row given as a line is not split for them.
    QuestRecord flags(std::size_t i) const;
    void setCell(std::size_t column, std::size_t row, std::string value);

private:
    struct Row {
        std::string line;
        mutable std::unique_ptr<QuestRecord> record;
    };
    std::vector<Row> rows_;
    QStringList titles_;
};

} // namespace korvane
