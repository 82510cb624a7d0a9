#include "QuitSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace glowdeck {

namespace {

int pipeFDs[2] = {-1, -1};
constexpr std::array quitSignals{SIGTERM, SIGINT};

extern "C" void onQuitSignal(int) {
    const int saved = errno;
    const char byte = 'q';
    // A full pipe already holds a pending quit.
    [[maybe_unused]] ssize_t written = ::write(pipeFDs[1], &byte, 1);
    errno = saved;
}

void closePipe() {
    for (int& fd : pipeFDs) {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
}

} // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
    if (pipeFDs[0] >= 0 || ::pipe2(pipeFDs, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : quitSignals) {
        if (::sigaction(signal, &action, nullptr) != 0) {
            closePipe();
            return;
        }
    }
    notifier_ = new QSocketNotifier(pipeFDs[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { drain(); });
}

QuitSignals::~QuitSignals() {
    if (notifier_ == nullptr) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signal : quitSignals) {
        ::sigaction(signal, &action, nullptr);
    }
    delete notifier_;
    notifier_ = nullptr;
    closePipe();
}

void QuitSignals::drain() {
    char buffer[64];
    while (::read(pipeFDs[0], buffer, sizeof buffer) > 0) {
    }
    QCoreApplication::quit();
}

} // namespace glowdeck
