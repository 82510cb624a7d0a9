#include "StartAtLogin.h"

#include "model/Lights.h"
#include "shell/desktop/Autostart.h"

#include <QAction>
#include <QMenu>

namespace glowdeck {

void attachStartAtLogin(QAction& entry, QMenu& menu, const Autostart& autostart, Lights& lights) {
    QObject::connect(&menu, &QMenu::aboutToShow, &entry,
                     [&entry, autostart] { entry.setChecked(autostart.enabled()); });
    QObject::connect(&entry, &QAction::triggered, &entry, [&entry, autostart, &lights](bool on) {
        if (const auto failure = autostart.setEnabled(on))
            lights.showMessage(*failure);
        entry.setChecked(autostart.enabled());
    });
}

} // namespace glowdeck
