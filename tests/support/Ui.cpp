#include "Ui.h"

#include "store/UiText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

namespace korvane::test {

void clickRow(StringGrid* grid, int row) {
    const QModelIndex index = grid->model()->index(row - 1, 3);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
}

void click(QWidget* button, Qt::MouseButton mouseButton) {
    QTest::mouseClick(button, mouseButton, {}, QPoint(8, button->height() / 2));
}

void choose(DropDown* box, const QString& item) {
    const int index = box->findText(item);
    if (index < 0)
        qFatal("no item %s", qPrintable(item));
    box->showPopup();
    QAbstractItemView* view = box->view();
    if (!QTest::qWaitForWindowExposed(view->window()))
        qWarning("list not shown");
    const QModelIndex modelIndex = view->model()->index(index, 0);
    view->scrollTo(modelIndex);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(modelIndex).center());
    QTRY_VERIFY(!view->isVisible());
}

void typeInto(QWidget* field, const QString& text) {
    field->setFocus();
    QWidget* target = field;
    if (auto* combo = qobject_cast<QComboBox*>(field))
        target = combo->lineEdit();
    if (auto* line = qobject_cast<QLineEdit*>(target))
        line->selectAll();
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(target))
        edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(target, Qt::Key_Delete);
        return;
    }
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(target, &event);
}

void moveMouseOver(QWidget* widget) {
    QWidget* target = widget;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
        target = area->viewport();
    QMouseEvent move(QEvent::MouseMove, QPointF(target->width() / 2, target->height() / 2),
                     target->mapToGlobal(QPointF(target->width() / 2, target->height() / 2)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

QStringList listedNumbers(const StringGrid* grid) {
    QStringList out;
    for (int row = 1; row < grid->RowCount(); ++row)
        out << cell(grid, 0, row);
    return out;
}

QString cell(const StringGrid* grid, int column, int row) {
    return toUi(grid->Cells(column, row));
}

DetailView detailView(const QWidget& window) {
    const auto text = [&](const char* name) { return child<QLabel>(window, name)->text(); };
    const auto ticked = [&](const char* name) { return child<QCheckBox>(window, name)->isChecked(); };
    const auto lines = [&](const char* name) { return child<TextView>(window, name)->toPlainText(); };
    return {text("Label14"),     text("Label1"),     text("Label2"),      text("Label3"),
            text("Label4"),      text("Label5"),     ticked("CheckBox1"), ticked("CheckBox2"),
            ticked("CheckBox3"), lines("RichEdit1"), lines("Memo2"),      lines("Memo3")};
}

} // namespace korvane::test
