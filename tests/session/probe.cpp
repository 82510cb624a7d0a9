// Prints where the panel's controls sit in the panel window, for the session tests to click
// them: one line per control, "name x y" in window pixels ("brightness left right y" for the
// slider's track). The panel is built exactly as the program builds it, from the same saved
// lights (XDG_CONFIG_HOME), on a socket layer that never reaches the network.

#include "model/Lights.h"
#include "model/VirtualLoop.h"
#include "panel/Panel.h"
#include "panel/PowerButton.h"
#include "shell/PanelWindow.h"
#include "shell/SettingsStore.h"
#include "support/FakeSocketApi.h"

#include <QApplication>
#include <QSlider>
#include <QToolButton>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glowdeck"));
    QApplication::setOrganizationName(QStringLiteral("Glowdeck"));

    glowdeck::SettingsStore defaults;
    glowdeck::VirtualLoop loop;
    glowdeck::testing::FakeSocketApi sockets;
    glowdeck::Lights lights(false, defaults, loop, sockets);

    glowdeck::PanelWindow surface(new glowdeck::Panel(lights));
    surface.resize(surface.fittingSize());
    surface.show();
    QApplication::processEvents();
    if (auto* panel = surface.findChild<glowdeck::Panel*>()) {
        panel->refresh();
    }
    QApplication::processEvents();

    auto* power = surface.findChild<glowdeck::PowerButton*>();
    if (power == nullptr || !power->isVisible()) {
        std::fputs("probe: no power button\n", stderr);
        return 1;
    }
    const QPoint centre = power->mapTo(&surface, power->rect().center());
    std::printf("power %d %d\n", centre.x(), centre.y());
    for (auto* button : surface.findChildren<QToolButton*>()) {
        if (button->accessibleName() == QLatin1String("More options") && button->isVisible()) {
            const QPoint options = button->mapTo(&surface, button->rect().center());
            std::printf("options %d %d\n", options.x(), options.y());
        }
    }
    // The brightness slider's track: its left end, its right end and its middle line.
    for (auto* slider : surface.findChildren<QSlider*>()) {
        if (slider->accessibleName() == QLatin1String("Brightness") && slider->isVisible()) {
            const QPoint left = slider->mapTo(&surface, QPoint(0, slider->height() / 2));
            std::printf("brightness %d %d %d\n", left.x(), left.x() + slider->width() - 1,
                        left.y());
        }
    }
    std::printf("bulbs %zu\n", lights.bulbs().size());
    return 0;
}
