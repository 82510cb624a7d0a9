// Prints where the panel's controls sit in the panel window, for the session tests to click
// them: one line per control, "name x y" in window pixels ("brightness left right y" for the
// slider's track). The panel is built exactly as the program builds it, from the same saved
// lights (XDG_CONFIG_HOME), on a socket layer that never reaches the network. The colour-mode
// lines are measured in colour mode, and "picker x y width height r g b" says where in the
// colour picker a click picks a basic colour, which one, and how large the picker is then.

#include "model/Lights.h"
#include "model/VirtualLoop.h"
#include "panel/Panel.h"
#include "panel/PowerButton.h"
#include "shell/SettingsStore.h"
#include "shell/Translations.h"
#include "shell/window/PanelWindow.h"
#include "support/FakeSocketApi.h"

#include "panel/AppearanceSection.h"
#include "panel/PanelHeader.h"
#include "panel/ReleaseSlider.h"
#include "panel/SegmentedControl.h"
#include "panel/TrackingSlider.h"

#include <QApplication>
#include <QColorDialog>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

#include <cstdio>

namespace {

void print(const char* name, const QWidget& window, const QWidget* control) {
    const QPoint centre = control->mapTo(&window, control->rect().center());
    std::printf("%s %d %d\n", name, centre.x(), centre.y());
}

// Opens the panel's colour picker, clicks a basic colour in it as the user would, and prints
// where that was and which colour the picker took.
bool printPicker(glowdeck::Panel& panel) {
    panel.showColors();
    QApplication::processEvents();
    QColorDialog* dialog = panel.colors().dialog();
    QWidget* basic = nullptr;
    for (auto* child : dialog->findChildren<QWidget*>()) {
        // The basic colours come first, the custom ones after. Qt 6.8 moved the class into
        // a namespace.
        if ((child->inherits("QWellArray") || child->inherits("QtPrivate::QWellArray")) &&
            child->isVisible()) {
            basic = child;
            break;
        }
    }
    if (basic == nullptr) {
        std::fputs("probe: no basic colours in the colour picker\n", stderr);
        return false;
    }
    // Eight columns of six colours: the third column's second colour, a saturated one.
    const QPoint cell(basic->width() * 5 / 16, basic->height() * 3 / 12);
    const QPointF global = basic->mapToGlobal(QPointF(cell));
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, QPointF(cell), global, Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(basic, &click);
    }
    const QColor picked = dialog->currentColor();
    const QPoint at = basic->mapTo(dialog, cell);
    std::printf("picker %d %d %d %d %d %d %d\n", at.x(), at.y(), dialog->width(), dialog->height(),
                picked.red(), picked.green(), picked.blue());
    std::printf("pickertitle %s\n", qPrintable(dialog->windowTitle()));
    panel.colors().dismiss();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glowdeck"));
    QApplication::setOrganizationName(QStringLiteral("Glowdeck"));
    // Laid out in the session's language, as the program is: mirrored in Arabic.
    glowdeck::Translations::install();
    QApplication::processEvents();

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
    auto* shown = surface.findChild<glowdeck::Panel*>();
    if (QToolButton* button = shown ? shown->header()->optionsButton() : nullptr;
        button && button->isVisible()) {
        const QPoint options = button->mapTo(&surface, button->rect().center());
        std::printf("options %d %d\n", options.x(), options.y());
    }
    // The brightness slider's track: the end where it starts (the left, the right in a language
    // read from right to left), its other end and its middle line.
    if (QSlider* slider = shown ? shown->appearance()->brightnessSlider()->slider() : nullptr;
        slider && slider->isVisible()) {
        const QPoint left = slider->mapTo(&surface, QPoint(0, slider->height() / 2));
        const int right = left.x() + slider->width() - 1;
        if (slider->isRightToLeft())
            std::printf("brightness %d %d %d\n", right, left.x(), left.y());
        else
            std::printf("brightness %d %d %d\n", left.x(), right, left.y());
    }
    std::printf("bulbs %zu\n", lights.bulbs().size());

    auto* panel = surface.findChild<glowdeck::Panel*>();
    if (panel == nullptr || lights.bulbs().empty()) {
        return 0;
    }
    print("colormode", surface, panel->appearance()->modeControl()->segment(1));
    panel->appearance()->modeControl()->segment(1)->click();
    QApplication::processEvents();
    surface.resize(surface.fittingSize());
    QApplication::processEvents();
    print("morecolors", surface, panel->appearance()->moreColorsButton());
    return printPicker(*panel) ? 0 : 1;
}
