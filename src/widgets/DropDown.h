#pragma once
// A drop-down list whose edit field also accepts typed text (or, for a pick-only list, does not).
// ItemIndex() tells an item chosen from the list from typed text: typing selects no item.
// Change is sent for the user's choosing and typing only, never for the program's own changes.
// An item may carry a value of its own (the stored bytes behind a text shown in its place).

#include <QComboBox>
#include <optional>

namespace korvane {

class DropDown : public QComboBox {
    Q_OBJECT
public:
    explicit DropDown(bool editable, QWidget* parent = nullptr);

    int ItemIndex() const { return itemIndex_; }
    void setItemIndex(int index);
    QString Text() const { return currentText(); }
    void setText(const QString& text);
    void setItems(const QStringList& items);
    // The index of the item with this value (or, for an item without one, this text), added as text
    // with its value when there is none.
    int itemWithValue(const QByteArray& value, const QString& text);
    // The chosen item's own value; nothing for an item without one or for typed text.
    std::optional<QByteArray> ItemValue() const;
    // Removes the items with values of their own, but the chosen one.
    void dropValueItemsButChosen();

    // Everything the user can change, to put back as it was.
    struct State {
        QStringList texts;
        QVariantList values;
        int itemIndex = -1;
        QString text;
    };
    State state() const;
    void restore(const State& state);

signals:
    void Change();

private:
    int itemIndex_ = -1;
};

} // namespace korvane
