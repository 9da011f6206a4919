#pragma once
// The quest grid as a string grid: row 0 holds the column titles (the header), rows 1 to
// RowCount() - 1 hold quests. Row() is the current row; SelectCell is sent whenever it is about to
// change, with Row() still giving the row that was current before.

#include "GridModel.h"

#include <QTableView>

namespace korvane {

class StringGrid : public QTableView {
    Q_OBJECT
public:
    explicit StringGrid(QWidget* parent = nullptr);

    int RowCount() const { return model_->rowCount() + 1; }
    void setRowCount(int count);
    const std::string& Cells(int column, int row) const;
    void setCells(int column, int row, std::string value);

    // Replaces every data row at once; the current row stays where it was when it still exists.
    void setRows(std::vector<QuestRecord> rows);
    // The same, from quest table lines: each row holds the fields of its line.
    void setLines(std::vector<std::string> lines);

    int Row() const { return row_; }
    void setRow(int row);

    int ColWidth(int column) const;
    void setColWidth(int column, int width);
    void setTitles(const QStringList& titles) { model_->setTitles(titles); }

signals:
    void SelectCell(int column, int row);
    void MouseMove();

protected:
    bool viewportEvent(QEvent* event) override;

private:
    void currentRowChanged(const QModelIndex& current);
    void restoreCurrentRow();

    GridModel* model_;
    int row_ = 0;
    bool quiet_ = false;
};

} // namespace korvane
