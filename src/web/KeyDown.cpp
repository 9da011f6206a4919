#include "KeyDown.h"

#include <QKeyEvent>

namespace korvane {

KeyDown::KeyDown(QObject* watched) : QObject(watched) {
    watched->installEventFilter(this);
}

bool KeyDown::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        emit pressed(static_cast<QKeyEvent*>(event)->key());
    return QObject::eventFilter(watched, event);
}

} // namespace korvane
