#pragma once

#include "MenuBarDelegate.h"
#include "QtEventLoop.h"
#include "QuitSignals.h"
#include "SettingsStore.h"
#include "SingleInstance.h"

#include <QObject>

namespace glowdeck {

// The application: no window of its own, no taskbar entry, one delegate for the whole run.
// Construct it after the QApplication; it launches the delegate at once and ends it when the
// application is about to quit.
class LumidexApp : public QObject {
public:
    // `instance` is already listening (or could not listen) for later starts of the program.
    explicit LumidexApp(SingleInstance& instance);
    ~LumidexApp() override;
    LumidexApp(const LumidexApp&) = delete;
    LumidexApp& operator=(const LumidexApp&) = delete;

    MenuBarDelegate& delegate() { return delegate_; }

private:
    SettingsStore defaults_;
    QtEventLoop loop_;
    MenuBarDelegate delegate_;
    QuitSignals quitSignals_;
};

} // namespace glowdeck
