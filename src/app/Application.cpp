#include "Application.h"

#include "ErrorBox.h"

namespace korvane {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const KorvaneError& error) {
        message = error.message();
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    } catch (...) {
        message = QStringLiteral("予期しないエラーが発生しました");
    }
    ++escapes_;
    qWarning("korvane: an error escaped its handler: %s", qUtf8Printable(message));
    showErrorBox(message);
    return false;
}

int Application::takeEscapes() {
    return std::exchange(escapes_, 0);
}

} // namespace korvane
