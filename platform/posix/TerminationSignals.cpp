#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};
bool quitBySignal = false;

// Only async-signal-safe work here: one byte down the pipe, read in the event loop.
void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

} // namespace

QObject* QuitOnTerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return nullptr;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char byte;
        [[maybe_unused]] const auto read = ::read(signalPipe[1], &byte, 1);
        quitBySignal = true;
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
    // A file-size limit then fails the write, which the program reports, instead of ending it.
    ::signal(SIGXFSZ, SIG_IGN);
    // So does a peer gone: the X server at the session's end fails the screen reader's next request,
    // and the program ends through Qt's own check, saving, rather than silently on the signal.
    ::signal(SIGPIPE, SIG_IGN);
    return notifier;
}

bool QuitBySignal() { return quitBySignal; }
