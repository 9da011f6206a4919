#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

namespace korvane::test {

ModalAnswerer::ModalAnswerer(QString answer) : answer_(std::move(answer)) {
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer_.start(10);
}

QStringList ModalAnswerer::texts() const {
    QStringList out;
    for (const SeenBox& box : seen_)
        out << box.text;
    return out;
}

void ModalAnswerer::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    SeenBox seen{box->windowTitle(), box->text(), box->icon(), {}, box->textFormat(), {}, {}};
    const QString wanted = queued_.isEmpty() ? answer_ : queued_.takeFirst();
    QAbstractButton* answer = box->defaultButton();
    for (QAbstractButton* button : box->buttons()) {
        seen.buttons << button->text();
        if (!wanted.isEmpty() && button->text() == wanted)
            answer = button;
    }
    if (box->defaultButton())
        seen.defaultButton = box->defaultButton()->text();
    if (box->escapeButton())
        seen.escapeButton = box->escapeButton()->text();
    if (!answer && !box->buttons().isEmpty())
        answer = box->buttons().first();
    seen_ << seen;
    answer->click();
}

} // namespace korvane::test
