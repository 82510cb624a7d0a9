#include "shell/CommandLine.h"
#include "shell/GlowdeckApp.h"
#include "shell/SingleInstance.h"
#include "shell/desktop/DisplayPlatform.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral("Glowdeck"));
    QApplication::setApplicationVersion(QStringLiteral(GLOWDECK_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Glowdeck"));
    QApplication::setDesktopFileName(QStringLiteral(GLOWDECK_APP_ID));
    if (const auto status = glowdeck::CommandLine::handle(argc, argv)) {
        return *status;
    }

    glowdeck::DisplayPlatform::apply();
    QApplication application(argc, argv);

    glowdeck::SingleInstance instance;
    if (!instance.problem().isEmpty()) {
        std::fprintf(stderr, "glowdeck: not looking for a running Glowdeck: %s\n",
                     qPrintable(instance.problem()));
    }
    if (instance.notifyRunning()) {
        std::printf("Glowdeck already runs on this display; its panel opens there.\n");
        return 0;
    }
    glowdeck::GlowdeckApp app(instance);
    return QApplication::exec();
}
