#pragma once
// Reports the keys pressed in a control before the control handles them.

#include <QObject>

namespace korvane {

class KeyDown : public QObject {
    Q_OBJECT
public:
    explicit KeyDown(QObject* watched);

signals:
    void pressed(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace korvane
