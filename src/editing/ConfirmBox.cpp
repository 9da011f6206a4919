#include "ConfirmBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace korvane {

bool confirm(const QString& question, QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("確認"), question, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("ConfirmBox"));
    box.setTextFormat(Qt::PlainText); // the question names a quest as stored: text, never markup
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace korvane
