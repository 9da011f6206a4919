#pragma once
// The one place that shows an error raised by an event handler: the message with a full stop
// added unless it has one, the title "Korvane", an error icon and OK. The program then goes on
// with the next event.

#include "store/Errors.h"

#include <QString>
#include <exception>

namespace korvane {

inline const QString kApplicationTitle = QStringLiteral("Korvane");

QString withFullStop(const QString& message);
void showErrorBox(const QString& message);

// Runs one event handler; whatever it raises ends it and is shown.
template <class F> void runHandler(F&& handler) {
    try {
        handler();
    } catch (const KorvaneError& error) {
        showErrorBox(error.message());
    } catch (const std::exception& error) {
        showErrorBox(QString::fromLocal8Bit(error.what()));
    }
}

} // namespace korvane
