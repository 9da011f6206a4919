#pragma once
// The quest grid's model: it shows lines of the quest list through an index (grid row to list
// line) that the filter or a search builds. It keeps no copy of the quests: a row is split from its
// line when first read, and an edit that changes a line in place redraws the rows that show it.

#include "ViewState.h"
#include "store/LineList.h"
#include "store/QuestTable.h"
#include "store/SetAside.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <memory>
#include <optional>

namespace korvane {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Whether the row's quest is completed: drawn quieter, its "comp" cell ticked.
    static constexpr int CompletedRole = Qt::UserRole;
    // Whether the row's quest is set aside: drawn struck through, and said so.
    static constexpr int SetAsideRole = Qt::UserRole + 1;
    // A row that shows no line: the empty row a filter that admits nothing leaves.
    static constexpr std::size_t kNoLine = korvane::kNoLine;

    explicit GridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setTitles(const QStringList& titles);
    // The list the rows show; it outlives the model.
    void setSource(const LineList* lines) { source_ = lines; }
    // The quests set aside; it outlives the model.
    void setSetAside(const SetAsideList* aside) { aside_ = aside; }
    // Row i shows line lines[i] of the list.
    void setRows(std::vector<std::size_t> lines);
    const std::vector<std::size_t>& rows() const { return rows_; }
    std::optional<std::size_t> lineAt(std::size_t i) const;
    // The row's fields; an empty record for a row that shows no line.
    const QuestRecord& row(std::size_t i) const;
    // Lines [first, first + count) changed in place: the rows that show them are split again and
    // redrawn.
    void linesChanged(std::size_t first, std::size_t count = 1);

private:
    bool setAside(const QuestRecord& record) const;

    const LineList* source_ = nullptr;
    const SetAsideList* aside_ = nullptr;
    std::vector<std::size_t> rows_;
    mutable std::vector<std::unique_ptr<QuestRecord>> records_; // split when first read
    QStringList titles_;
};

} // namespace korvane
