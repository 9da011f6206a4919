#include "DropDown.h"

#include <QLineEdit>

namespace korvane {

DropDown::DropDown(bool editable, QWidget* parent) : QComboBox(parent) {
    setEditable(editable);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(16);
    if (editable) {
        setCompleter(nullptr); // no completion: a typed text stays what was typed
        connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
            itemIndex_ = -1;
            emit Change();
        });
    }
    connect(this, &QComboBox::activated, this, [this](int index) {
        itemIndex_ = index;
        emit Change();
    });
}

void DropDown::setItemIndex(int index) {
    itemIndex_ = index >= 0 && index < count() ? index : -1;
    if (itemIndex_ >= 0)
        setCurrentIndex(itemIndex_);
}

void DropDown::setText(const QString& text) {
    itemIndex_ = -1;
    if (isEditable())
        setEditText(text);
    else
        setCurrentIndex(findText(text));
}

void DropDown::setItems(const QStringList& items) {
    const QSignalBlocker blocker(this);
    clear();
    addItems(items);
    itemIndex_ = -1;
    if (isEditable())
        setEditText(QString());
    else
        setCurrentIndex(-1);
}

} // namespace korvane
