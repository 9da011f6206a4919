#pragma once
// The one place that shows an error raised by an event handler: the message with a full stop
// added unless it has one, the title "Korvane", an error icon and OK. The program then goes on
// with the next event.

#include "store/Errors.h"

#include <QString>
#include <exception>
#include <utility>

namespace korvane {

inline const QString kApplicationTitle = QStringLiteral("Korvane");

QString withFullStop(const QString& message);
void showErrorBox(const QString& message);
// A warning that asks nothing: OK only, the message as plain text.
void showWarningBox(const QString& message, const QString& objectName);

// Runs one event handler; whatever it raises ends it and is shown. A data file changed by another
// program goes to onFileChanged, which offers to read the files again.
template <class F, class G> void runHandler(F&& handler, G&& onFileChanged) {
    try {
        handler();
    } catch (const FileChangedError& error) {
        onFileChanged(error);
    } catch (const KorvaneError& error) {
        showErrorBox(error.message());
    } catch (const std::exception& error) {
        showErrorBox(QString::fromLocal8Bit(error.what()));
    }
}

template <class F> void runHandler(F&& handler) {
    runHandler(std::forward<F>(handler),
               [](const FileChangedError& error) { showErrorBox(error.message()); });
}

} // namespace korvane
