#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>

namespace glowdeck::testing {

// Runs the Qt event loop until `done` holds or `timeoutMs` has passed; returns `done()`.
inline bool spinUntil(const std::function<bool()>& done, int timeoutMs = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return done();
}

// Runs the Qt event loop for `ms`.
inline void spinFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

} // namespace glowdeck::testing
