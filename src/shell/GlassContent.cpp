#include "GlassContent.h"

#include "GlassView.h"
#include "panel/Panel.h"

namespace glowdeck {

GlassView* makeGlassContent(Lights& lights) {
    auto* glass = new GlassView;
    auto* panel = new Panel(lights);
    glass->setContentView(panel);
    glass->resize(panel->sizeHint());
    return glass;
}

} // namespace glowdeck
