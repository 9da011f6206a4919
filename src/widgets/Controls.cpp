#include "Controls.h"

namespace korvane {

QLabel* textLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QLabel* titleTile(const QString& caption, QWidget* parent) {
    auto* tile = textLabel(caption, parent);
    tile->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    tile->setLineWidth(1);
    tile->setMargin(1);
    return tile;
}

void fillBackground(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setPixelFont(QWidget* widget, int pixels, bool bold, bool underline) {
    QFont font = widget->font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    widget->setFont(font);
}

} // namespace korvane
