#pragma once
// The application object. Qt does not carry an exception through its event loop: whatever a
// handler lets escape would end the program. Every handler goes through the one error path, and
// this is the last line behind it: an exception that still reaches the loop is shown in the error
// box, the window stays, and the count of such escapes makes the tests fail.

#include <QApplication>

namespace korvane {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // How many exceptions reached the event loop since the last call.
    int takeEscapes();

private:
    int escapes_ = 0;
};

} // namespace korvane
