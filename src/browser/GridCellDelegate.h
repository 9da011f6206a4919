#pragma once
// Draws a grid cell as a string grid does: the text two pixels in, clipped at the cell's edge
// rather than shortened with an ellipsis.

#include <QAbstractItemDelegate>

namespace korvane {

class GridCellDelegate : public QAbstractItemDelegate {
public:
    using QAbstractItemDelegate::QAbstractItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace korvane
