#include "ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

namespace korvane {

QString withFullStop(const QString& message) {
    return message.endsWith(QLatin1Char('.')) ? message : message + QLatin1Char('.');
}

void showErrorBox(const QString& message) {
    QMessageBox box(QMessageBox::Critical, kApplicationTitle, withFullStop(message), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.setTextFormat(Qt::PlainText); // messages carry paths and quest fields: text, never markup
    box.exec();
}

void showWarningBox(const QString& message, const QString& objectName) {
    QMessageBox box(QMessageBox::Warning, kApplicationTitle, message, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(objectName);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace korvane
