#pragma once
// The quest grid as a string grid: row 0 holds the column titles (the header), rows 1 to
// RowCount() - 1 show lines of the quest list, through the index the filter or a search builds.
// SelectCell is sent whenever the current row is about to change; the grid's owner keeps which
// row is current and gives it with the rows.

#include "GridModel.h"

#include <QTableView>
#include <array>
#include <functional>

namespace korvane {

class StringGrid : public QTableView {
    Q_OBJECT
public:
    explicit StringGrid(QWidget* parent = nullptr);

    int RowCount() const { return model_->rowCount() + 1; }
    // A read of the cell: the field of the row's line.
    const std::string& Cells(int column, int row) const;
    // The quest list's line a data row shows; nothing for the empty row.
    std::optional<std::size_t> LineAt(int row) const;

    // The list the rows show, for the grid's life.
    void setSource(const LineList* lines) { model_->setSource(lines); }
    // The quests set aside, drawn as such, for the grid's life.
    void setSetAside(const SetAsideList* aside) { model_->setSetAside(aside); }
    // Replaces every data row at once; the current row stays where it was when it still exists.
    // The row the grid shows current (for those who look at it; the window keeps its own).
    int Row() const { return row_; }
    // The rows listed, and the row current among them (quietly: no SelectCell).
    void setRows(std::vector<std::size_t> lines, int current);
    // Lines changed in place: the rows that show them are redrawn.
    void linesChanged(std::size_t first, std::size_t count = 1) { model_->linesChanged(first, count); }

    void setRow(int row);

    int ColWidth(int column) const;
    void setColWidth(int column, int width);
    void setTitles(const QStringList& titles) { model_->setTitles(titles); }

    // Each column is at least as wide as the given width and as its title and every sample text
    // need in the grid's font; a column the user widened or narrowed keeps the user's width.
    void fitColumns(const std::array<QStringList, kQuestFieldCount>& samples,
                    const std::array<int, kQuestFieldCount>& given);
    // Shows a column at its width, or hides it.
    void showColumn(int column, bool shown);
    // The widths the user set by dragging (0: never set), to be remembered.
    const std::array<int, kQuestFieldCount>& userWidths() const { return userWidths_; }
    void setUserWidths(const std::array<int, kQuestFieldCount>& widths);
    // The width that shows every column whole.
    int wholeWidth() const;

    // Asked before the user's mouse or keys move to another row; false keeps the row on show.
    void setLeaveRowGuard(std::function<bool()> guard) { leaveRowGuard_ = std::move(guard); }
    void keyboardSearch(const QString& search) override;

signals:
    void SelectCell(int column, int row);
    void MouseMove();

protected:
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void currentRowChanged(const QModelIndex& current);
    bool mayLeaveFor(const QModelIndex& target);

    GridModel* model_;
    int row_ = 0;
    bool quiet_ = false;
    bool sizing_ = false; // the program, not the user, is resizing columns
    std::array<int, kQuestFieldCount> fitted_{};
    std::array<int, kQuestFieldCount> userWidths_{};
    std::function<bool()> leaveRowGuard_;
};

// Each column fits "0000", the longest nation and area of the vocabulary and of the table, and its
// title, at least at the widths the layout gives.
void fitQuestColumns(StringGrid& grid, const QuestTable& table);

} // namespace korvane
