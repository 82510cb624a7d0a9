#include "GlowdeckApp.h"

#include "remote/RemoteService.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace glowdeck {

namespace {

// With GLOWDECK_TRACE_STARTUP=1 the program says on stderr when its event loop first runs,
// as wall-clock seconds, for start-up measurements.
void traceStartup() {
    if (qEnvironmentVariableIntValue("GLOWDECK_TRACE_STARTUP") != 1) {
        return;
    }
    QTimer::singleShot(0, [] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const auto us = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
        std::fprintf(stderr, "glowdeck: idle at %lld.%06lld\n",
                     static_cast<long long>(us / 1000000), static_cast<long long>(us % 1000000));
        std::fflush(stderr);
    });
}

} // namespace

GlowdeckApp::GlowdeckApp(SingleInstance& instance) : tray_(defaults_, loop_) {
    QApplication::setQuitOnLastWindowClosed(false);
    tray_.start();
    appearance_.start();
    instance.listen([this] { tray_.showPanel(); });
    if (tray_.lights() != nullptr) {
        remote_ = std::make_unique<RemoteService>(*tray_.lights(), loop_,
                                                  [this] { tray_.togglePanel(); });
        if (!remote_->publish(QDBusConnection::sessionBus()))
            remote_.reset();
    }
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { tray_.stop(); });
    traceStartup();
}

GlowdeckApp::~GlowdeckApp() {
    remote_.reset();
    tray_.stop();
}

} // namespace glowdeck
