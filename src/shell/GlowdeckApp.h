#pragma once

#include "shell/AppearanceFollower.h"
#include "shell/QtEventLoop.h"
#include "shell/QuitSignals.h"
#include "shell/SettingsStore.h"
#include "shell/SingleInstance.h"
#include "shell/TrayController.h"

#include <QObject>

#include <memory>

namespace glowdeck {

class RemoteService;

// The application: no window of its own, no taskbar entry, one tray controller for the whole
// run. Construct it after the QApplication; it starts the tray controller at once and stops it
// when the application is about to quit.
class GlowdeckApp : public QObject {
public:
    // `instance` is already listening (or could not listen) for later starts of the program.
    explicit GlowdeckApp(SingleInstance& instance);
    ~GlowdeckApp() override;
    GlowdeckApp(const GlowdeckApp&) = delete;
    GlowdeckApp& operator=(const GlowdeckApp&) = delete;

    TrayController& tray() { return tray_; }

private:
    SettingsStore defaults_;
    QtEventLoop loop_;
    TrayController tray_;
    AppearanceFollower appearance_{QDBusConnection::sessionBus()};
    QuitSignals quitSignals_;
    // The verbs on the session bus; null when the bus or the name was not to be had.
    std::unique_ptr<RemoteService> remote_;
};

} // namespace glowdeck
