#pragma once
// A drop-down list whose edit field also accepts typed text (or, for a pick-only list, does not).
// ItemIndex() tells an item chosen from the list from typed text: typing selects no item.
// Change is sent for the user's choosing and typing only, never for the program's own changes.

#include <QComboBox>

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

signals:
    void Change();

private:
    int itemIndex_ = -1;
};

} // namespace korvane
