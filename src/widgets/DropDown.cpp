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

int DropDown::itemWithValue(const QByteArray& value, const QString& text) {
    for (int i = 0; i < count(); ++i) {
        const QVariant own = itemData(i);
        if (own.isValid() ? own.toByteArray() == value : itemText(i) == text)
            return i;
    }
    const QSignalBlocker blocker(this);
    addItem(text, value);
    return count() - 1;
}

std::optional<QByteArray> DropDown::ItemValue() const {
    const QVariant value = itemIndex_ >= 0 ? itemData(itemIndex_) : QVariant();
    if (!value.isValid())
        return std::nullopt;
    return value.toByteArray();
}

void DropDown::dropValueItemsButChosen() {
    const QSignalBlocker blocker(this);
    for (int i = count() - 1; i >= 0; --i)
        if (i != itemIndex_ && itemData(i).isValid()) {
            removeItem(i);
            if (i < itemIndex_)
                --itemIndex_;
        }
    if (itemIndex_ >= 0)
        setCurrentIndex(itemIndex_);
}

DropDown::State DropDown::state() const {
    State state{{}, {}, itemIndex_, currentText()};
    for (int i = 0; i < count(); ++i) {
        state.texts << itemText(i);
        state.values << itemData(i);
    }
    return state;
}

void DropDown::restore(const State& state) {
    const QSignalBlocker blocker(this);
    clear();
    for (qsizetype i = 0; i < state.texts.size(); ++i)
        addItem(state.texts[i], state.values.value(i));
    if (state.itemIndex >= 0)
        setItemIndex(state.itemIndex);
    else
        setText(state.text);
}

} // namespace korvane
