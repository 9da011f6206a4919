#include "StringGrid.h"

#include "GridCellDelegate.h"
#include "store/UiText.h"
#include "store/Vocabulary.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <deque>
#include <set>

namespace korvane {

namespace {
const std::string kNoCell;
constexpr int kRowHeight = 15;
} // namespace

StringGrid::StringGrid(QWidget* parent) : QTableView(parent), model_(new GridModel(this)) {
    setModel(model_);
    setItemDelegate(new GridCellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setMouseTracking(true);
    // Tab and Shift+Tab move the focus on to the next control, not from cell to cell: walking
    // the cells would walk the rows and change the quest on show.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setStretchLastSection(false);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (!sizing_ && width > 0)
            userWidths_[static_cast<std::size_t>(column)] = width;
    });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) { currentRowChanged(current); });
}

void StringGrid::currentRowChanged(const QModelIndex& current) {
    if (quiet_)
        return;
    const int row = current.isValid() ? current.row() + 1 : 0;
    if (row == row_)
        return;
    emit SelectCell(current.isValid() ? current.column() : 1, row);
    row_ = row;
}

void StringGrid::setRows(std::vector<std::size_t> lines, int current) {
    model_->setRows(std::move(lines));
    // A reset forgets the current index; put it back without a selection event.
    quiet_ = true;
    row_ = std::clamp(current, 0, model_->rowCount());
    if (row_ > 0)
        selectionModel()->setCurrentIndex(model_->index(row_ - 1, std::max(currentIndex().column(), 1)),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    else
        selectionModel()->clear();
    quiet_ = false;
}

const std::string& StringGrid::Cells(int column, int row) const {
    if (row < 1 || row > model_->rowCount() || column < 0 || column >= static_cast<int>(kQuestFieldCount))
        return kNoCell;
    return model_->row(static_cast<std::size_t>(row - 1))[static_cast<std::size_t>(column)];
}

std::optional<std::size_t> StringGrid::LineAt(int row) const {
    return row < 1 ? std::nullopt : model_->lineAt(static_cast<std::size_t>(row - 1));
}

void StringGrid::setRow(int row) {
    if (row == row_ || row < 0 || row > model_->rowCount())
        return;
    if (row == 0) {
        emit SelectCell(1, 0);
        row_ = 0;
        quiet_ = true;
        selectionModel()->clear();
        quiet_ = false;
        return;
    }
    const int column = std::max(currentIndex().column(), 1);
    selectionModel()->setCurrentIndex(model_->index(row - 1, column),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(model_->index(row - 1, column));
}

int StringGrid::ColWidth(int column) const {
    return isColumnHidden(column) ? 0 : columnWidth(column);
}

void StringGrid::setColWidth(int column, int width) {
    // A width of 0 hides the column, as a string grid does.
    sizing_ = true;
    setColumnHidden(column, width == 0);
    if (width > 0)
        setColumnWidth(column, width);
    sizing_ = false;
}

void StringGrid::fitColumns(const std::array<QStringList, kQuestFieldCount>& samples,
                            const std::array<int, kQuestFieldCount>& given) {
    const QFontMetrics cells(font()), titles(horizontalHeader()->font());
    const int headerMargin =
        2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + 4;
    for (std::size_t c = 0; c < kQuestFieldCount; ++c) {
        int width = std::max(
            given[c],
            titles.horizontalAdvance(
                model_->headerData(static_cast<int>(c), Qt::Horizontal, Qt::DisplayRole).toString()) +
                headerMargin);
        for (const QString& sample : samples[c])
            width = std::max(width, cells.horizontalAdvance(sample) + 6); // the cell's text sits 2 px in
        fitted_[c] = width;
        if (!isColumnHidden(static_cast<int>(c)))
            showColumn(static_cast<int>(c), true);
    }
}

void StringGrid::showColumn(int column, bool shown) {
    const auto c = static_cast<std::size_t>(column);
    setColWidth(column, shown ? (userWidths_[c] > 0 ? userWidths_[c] : fitted_[c]) : 0);
}

void StringGrid::setUserWidths(const std::array<int, kQuestFieldCount>& widths) {
    userWidths_ = widths;
    for (int c = 0; c < static_cast<int>(kQuestFieldCount); ++c)
        if (!isColumnHidden(c))
            showColumn(c, true);
}

int StringGrid::wholeWidth() const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < static_cast<int>(kQuestFieldCount); ++c)
        width += isColumnHidden(c) ? 0 : columnWidth(c);
    return width;
}

bool StringGrid::mayLeaveFor(const QModelIndex& target) {
    return !target.isValid() || target.row() + 1 == row_ || !leaveRowGuard_ || leaveRowGuard_();
}

// The guard is asked before the row changes, so that nothing moves when the answer is no.
void StringGrid::mousePressEvent(QMouseEvent* event) {
    if (!mayLeaveFor(indexAt(event->position().toPoint()))) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void StringGrid::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() != Qt::NoButton && !mayLeaveFor(indexAt(event->position().toPoint()))) {
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    static const std::pair<int, CursorAction> moves[] = {
        {Qt::Key_Up, MoveUp},   {Qt::Key_Down, MoveDown},     {Qt::Key_Home, MoveHome},
        {Qt::Key_End, MoveEnd}, {Qt::Key_PageUp, MovePageUp}, {Qt::Key_PageDown, MovePageDown}};
    for (const auto& [key, action] : moves)
        if (event->key() == key && !mayLeaveFor(moveCursor(action, event->modifiers()))) {
            event->accept();
            return;
        }
    QTableView::keyPressEvent(event);
}

void StringGrid::keyboardSearch(const QString& search) {
    if (leaveRowGuard_ && !leaveRowGuard_())
        return;
    QTableView::keyboardSearch(search);
}

bool StringGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::MouseMove)
        emit MouseMove();
    return QTableView::viewportEvent(event);
}

void fitQuestColumns(StringGrid& grid, const QuestTable& table) {
    // Views into the table and the vocabulary; a quoted line's fields are kept beside.
    std::set<std::string_view> nations, areas;
    std::deque<std::string> unquoted;
    for (const std::string& nation : vocabulary::nations()) {
        nations.insert(nation);
        for (std::string& area : vocabulary::areasOf(nation))
            areas.insert(unquoted.emplace_back(std::move(area)));
    }
    std::vector<std::string_view> plain;
    for (const std::string& line : table.lines().lines()) {
        if (splitPlainFields(line, plain)) {
            nations.insert(plain.size() > kNation ? plain[kNation] : std::string_view());
            areas.insert(plain.size() > kArea ? plain[kArea] : std::string_view());
        } else {
            QuestRecord row = splitQuestRecord(line);
            nations.insert(unquoted.emplace_back(std::move(row[kNation])));
            areas.insert(unquoted.emplace_back(std::move(row[kArea])));
        }
    }
    std::array<QStringList, kQuestFieldCount> samples;
    samples[kNumber] << QStringLiteral("0000");
    for (const std::string_view nation : nations)
        samples[kNation] << toUi(nation);
    for (const std::string_view area : areas)
        samples[kArea] << toUi(area);
    for (const QuestField flag : kFlagFields)
        samples[flag] << QStringLiteral("✓");
    std::array<int, kQuestFieldCount> widths{};
    for (const FieldInfo& info : kQuestFields)
        widths[static_cast<std::size_t>(info.field)] = info.gridWidth;
    grid.fitColumns(samples, widths);
}

} // namespace korvane
