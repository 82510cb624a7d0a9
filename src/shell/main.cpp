#include "LumidexApp.h"
#include "SingleInstance.h"

#include <QApplication>

namespace {

// Tray icons and window placement need X11: under Wayland run through XWayland, unless the
// user chose a platform.
void preferX11() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY")) {
        return;
    }
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        qEnvironmentVariable("XDG_SESSION_TYPE") == QStringLiteral("wayland")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

} // namespace

int main(int argc, char* argv[]) {
    preferX11();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glowdeck"));
    QApplication::setOrganizationName(QStringLiteral("Glowdeck"));
    QApplication::setDesktopFileName(QStringLiteral("glowdeck"));

    glowdeck::SingleInstance instance;
    if (instance.notifyRunning()) {
        return 0;
    }
    glowdeck::LumidexApp app(instance);
    return QApplication::exec();
}
