#include "GridCellDelegate.h"

#include "GridModel.h"

#include <QPainter>

namespace korvane {
namespace {

// A quieter grey for completed quests that still reads well on white (contrast above 5:1).
const QColor kCompletedText(0x66, 0x66, 0x66);

} // namespace

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QVariant background = index.data(Qt::BackgroundRole);
    if (selected)
        painter->fillRect(option.rect, option.palette.highlight());
    else if (background.isValid())
        painter->fillRect(option.rect, background.value<QBrush>());
    painter->save();
    painter->setClipRect(option.rect);
    const bool completed = index.data(GridModel::CompletedRole).toBool();
    const bool setAside = index.data(GridModel::SetAsideRole).toBool();
    painter->setPen(selected                ? option.palette.highlightedText().color()
                    : completed || setAside ? kCompletedText
                                            : option.palette.text().color());
    if (setAside) { // struck through: set aside reads by its shape, not by a colour alone
        QFont font = option.font;
        font.setStrikeOut(true);
        font.setItalic(true);
        painter->setFont(font);
    }
    painter->drawText(option.rect.adjusted(2, 0, -1, 0),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize GridCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {option.fontMetrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 4,
            option.fontMetrics.height()};
}

} // namespace korvane
