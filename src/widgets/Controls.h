#pragma once
// Small helpers for building the window's controls: every control that carries behaviour or text
// is named as the code names it (object name and accessible description) and gets an accessible
// name a person would understand.

#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <type_traits>

namespace korvane {

template <class W> W* named(W* widget, const char* name, const QString& accessibleName = {}) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleDescription(QString::fromLatin1(name));
    if (!accessibleName.isEmpty())
        widget->setAccessibleName(accessibleName);
    // The focus of a box that can be typed in is its line edit: a screen reader reads that one.
    if constexpr (std::is_base_of_v<QComboBox, W>)
        if (QLineEdit* edit = widget->lineEdit()) {
            edit->setAccessibleName(widget->accessibleName());
            edit->setAccessibleDescription(widget->accessibleDescription());
        }
    return widget;
}

// Places a child at a fixed position, as the window's layout gives it.
template <class W> W* placed(W* widget, int x, int y, int width = -1, int height = -1) {
    if (width < 0 || height < 0) {
        widget->adjustSize();
        widget->move(x, y);
    } else {
        widget->setGeometry(x, y, width, height);
    }
    return widget;
}

// A label that shows its text as it stands: never as markup, so that a quest field or a path that
// looks like HTML is shown, not rendered, and nothing is ever loaded because a text names it.
QLabel* textLabel(const QString& text, QWidget* parent);

// A sunken caption tile, such as the "国" in front of a field.
QLabel* titleTile(const QString& caption, QWidget* parent);

void fillBackground(QWidget* widget, const QColor& color);

// Pixel heights: the window's fonts are given in pixels, not points.
void setPixelFont(QWidget* widget, int pixels, bool bold = false, bool underline = false);

} // namespace korvane
