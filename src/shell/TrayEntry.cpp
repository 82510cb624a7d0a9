#include "TrayEntry.h"

#include "shell/GlowdeckApp.h"
#include "shell/SingleInstance.h"
#include "shell/Translations.h"
#include "shell/desktop/DisplayPlatform.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <type_traits>

// The entry's type and name are what the program looks for.
static_assert(std::is_same_v<decltype(&glowdeck_tray_main), glowdeck::TrayEntry>);

extern "C" int glowdeck_tray_main(int argc, char** argv, int showPanel) {
    QApplication::setDesktopFileName(QStringLiteral(GLOWDECK_APP_ID));
    glowdeck::DisplayPlatform::apply();
    QApplication application(argc, argv);
    glowdeck::Translations::install();

    glowdeck::SingleInstance instance;
    if (!instance.problem().isEmpty()) {
        std::fprintf(stderr, "glowdeck: not looking for a running Glowdeck: %s\n",
                     qPrintable(instance.problem()));
    }
    if (instance.notifyRunning()) {
        std::printf("%s\n", qPrintable(QCoreApplication::translate(
                                "glowdeck::main",
                                "Glowdeck already runs on this display; its panel opens there.")));
        return 0;
    }
    glowdeck::GlowdeckApp app(instance);
    if (showPanel != 0)
        QTimer::singleShot(0, &app, [&app] { app.tray().showPanel(); });
    return QApplication::exec();
}
