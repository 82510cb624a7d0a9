#include "DisplayPlatform.h"
#include "GlowdeckApp.h"
#include "SingleInstance.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    glowdeck::DisplayPlatform::apply();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glowdeck"));
    QApplication::setOrganizationName(QStringLiteral("Glowdeck"));
    QApplication::setDesktopFileName(QStringLiteral("glowdeck"));

    glowdeck::SingleInstance instance;
    if (instance.notifyRunning()) {
        return 0;
    }
    glowdeck::GlowdeckApp app(instance);
    return QApplication::exec();
}
