#pragma once
// A group of radio buttons laid out column by column. ItemIndex() is -1 when none is selected;
// Click is sent when the user picks an option, not when the program changes the selection.

#include <QButtonGroup>
#include <QGroupBox>

namespace korvane {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QStringList& items, int columns, QWidget* parent = nullptr);

    int ItemIndex() const { return buttons_->checkedId(); }
    void setItemIndex(int index);
    QAbstractButton* button(int index) const { return buttons_->button(index); }

signals:
    void Click();

private:
    QButtonGroup* buttons_;
};

} // namespace korvane
