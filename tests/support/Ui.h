#pragma once
// Acting on the real window as a user does: clicking rows and buttons, choosing list items,
// typing text (Japanese through the input method), and reading back what the window shows.

#include "browser/StringGrid.h"
#include "browser/TextView.h"
#include "widgets/DropDown.h"
#include "widgets/RadioGroup.h"

#include <QLabel>
#include <QWidget>

namespace korvane::test {

template <class W> W* child(const QWidget& window, const char* name) {
    auto* widget = window.findChild<W*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

void clickRow(StringGrid* grid, int row);
void click(QWidget* button, Qt::MouseButton mouseButton = Qt::LeftButton);
// Opens the drop-down list and clicks the item with this text.
void choose(DropDown* box, const QString& item);
// Replaces a field's text the way typing does (select all, then the input method's commit).
void typeInto(QWidget* field, const QString& text);
void moveMouseOver(QWidget* widget);

// Column 0 of every data row: the quest numbers the grid lists, in order.
QStringList listedNumbers(const StringGrid* grid);
QString cell(const StringGrid* grid, int column, int row);

struct DetailView {
    QString number, nation, area, name, place, condition;
    bool offered, completed, repeatable;
    QString content, reward, memo;
};
DetailView detailView(const QWidget& window);

} // namespace korvane::test
