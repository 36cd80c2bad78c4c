#include "app/ExitSignals.h"

#include <QLoggingCategory>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#endif

namespace orvane {

namespace {

Q_LOGGING_CATEGORY(lcSignals, "orvane.signals")

#ifdef Q_OS_UNIX
constexpr std::array<int, 3> HandledSignals{SIGTERM, SIGHUP, SIGINT};
// [0] written by the handler, [1] read by the event loop.
int pipeEnds[2] = {-1, -1};

void OnSignal(int number) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    // A full pipe already holds a request, so a lost byte loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
    errno = savedErrno;
}

bool MakePipe() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, pipeEnds) != 0) {
        return false;
    }
    for (const int end : pipeEnds) {
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    }
    return true;
}

void ClosePipe() {
    for (int& end : pipeEnds) {
        if (end >= 0) {
            ::close(end);
            end = -1;
        }
    }
}

void SetHandler(int number, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(number, &action, nullptr);
}

void SetHandlers(void (*handler)(int)) {
    for (const int number : HandledSignals) {
        SetHandler(number, handler);
    }
}
#endif

}  // namespace

ExitSignals::ExitSignals(QObject* parent) : QObject(parent) {
#ifdef Q_OS_UNIX
    if (!MakePipe()) {
        qCWarning(lcSignals) << "no pipe for the stop signals; they end the game at once";
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &ExitSignals::ReadPipe);
    SetHandlers(OnSignal);
#endif
}

ExitSignals::~ExitSignals() {
#ifdef Q_OS_UNIX
    if (notifier_) {
        SetHandlers(SIG_DFL);
        notifier_.reset();
        ClosePipe();
    }
#endif
}

void ExitSignals::ReadPipe() {
#ifdef Q_OS_UNIX
    char bytes[16];
    ssize_t count = 0;
    while ((count = ::read(pipeEnds[1], bytes, sizeof bytes)) > 0) {
        for (ssize_t i = 0; i < count; ++i) {
            const int number = static_cast<unsigned char>(bytes[i]);
            qCInfo(lcSignals) << "stop signal" << number << "- closing the game";
            // The same signal once more ends the program at once, should the close hang.
            SetHandler(number, SIG_DFL);
            emit ExitRequested(number);
        }
    }
#endif
}

}  // namespace orvane
