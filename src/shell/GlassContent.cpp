#include "GlassContent.h"

#include "GlassView.h"

#ifdef GLOWDECK_WITH_PANEL
#include "panel/Panel.h"
#else
#include <QLabel>
#endif

namespace glowdeck {

namespace {

QWidget* makePanel(Lights& lights) {
#ifdef GLOWDECK_WITH_PANEL
    return new Panel(lights);
#else
    // Built without the panel library: a placeholder of the panel's width.
    (void)lights;
    auto* label = new QLabel(QStringLiteral("Glowdeck"));
    label->setAlignment(Qt::AlignCenter);
    label->setFixedWidth(324);
    label->setMinimumHeight(120);
    return label;
#endif
}

} // namespace

GlassView* makeGlassContent(Lights& lights) {
    auto* glass = new GlassView;
    QWidget* panel = makePanel(lights);
    glass->setContentView(panel);
    glass->resize(panel->sizeHint());
    return glass;
}

} // namespace glowdeck
