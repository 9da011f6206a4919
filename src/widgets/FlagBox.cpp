#include "FlagBox.h"

#include <QMouseEvent>

namespace korvane {

FlagBox::FlagBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
    connect(this, &QCheckBox::toggled, this, [this] {
        if (!showing_ && !releasing_)
            emit changedByPlayer(false);
    });
}

void FlagBox::showTicked(bool ticked) {
    showing_ = true;
    setChecked(ticked);
    showing_ = false;
}

void FlagBox::mousePressEvent(QMouseEvent* event) {
    QCheckBox::mousePressEvent(event);
    // Keep every press, so that the release of a right or middle button also comes here.
    event->accept();
}

void FlagBox::mouseReleaseEvent(QMouseEvent* event) {
    releasing_ = true;
    QCheckBox::mouseReleaseEvent(event);
    releasing_ = false;
    emit MouseUp();
    emit changedByPlayer(true);
}

} // namespace korvane
