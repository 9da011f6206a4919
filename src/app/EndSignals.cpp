#include "EndSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#ifndef _WIN32
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace korvane {

#ifndef _WIN32
namespace {

int pipeEnds[2] = {-1, -1};

// Only what is safe in a signal handler: a byte written to the notifier's socket.
void onSignal(int signal) {
    const char byte = static_cast<char>(signal);
    static_cast<void>(::write(pipeEnds[0], &byte, 1));
}

} // namespace

void endOnSignals(std::function<void()> end) {
    if (pipeEnds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0)
        return;
    auto* notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier, end = std::move(end)] {
        char byte = 0;
        static_cast<void>(::read(pipeEnds[1], &byte, 1));
        notifier->setEnabled(false);
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) // a second one ends at once
            std::signal(signal, SIG_DFL);
        end();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}
#else
void endOnSignals(std::function<void()>) {
    // Windows ends a program's windows with messages, which Qt turns into a close.
}
#endif

} // namespace korvane
