#pragma once
// A check box that reports the release of any mouse button over it, after a left click has
// already toggled it. Toggling with the space bar sends no MouseUp.

#include <QCheckBox>

namespace korvane {

class FlagBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

signals:
    void MouseUp();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace korvane
