#include "GlassContent.h"

#include "Autostart.h"
#include "GlassView.h"
#include "StartAtLogin.h"
#include "panel/Panel.h"
#include "panel/PanelHeader.h"

namespace glowdeck {

GlassView* makeGlassContent(Lights& lights) {
    auto* glass = new GlassView;
    auto* panel = new Panel(lights);
    PanelHeader* header = panel->header();
    attachStartAtLogin(*header->startAtLoginAction(), *header->optionsMenu(),
                       Autostart::forThisProgram(), lights);
    glass->setContentView(panel);
    glass->resize(panel->sizeHint());
    return glass;
}

} // namespace glowdeck
