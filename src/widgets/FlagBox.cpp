#include "FlagBox.h"

#include <QMouseEvent>

namespace korvane {

void FlagBox::mousePressEvent(QMouseEvent* event) {
    QCheckBox::mousePressEvent(event);
    // Keep every press, so that the release of a right or middle button also comes here.
    event->accept();
}

void FlagBox::mouseReleaseEvent(QMouseEvent* event) {
    QCheckBox::mouseReleaseEvent(event);
    emit MouseUp();
}

} // namespace korvane
