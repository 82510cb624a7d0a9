#pragma once

namespace glowdeck {

class GlassView;
class Lights;

// A new glass sheet hosting the control panel for `lights`, sized to the panel's content.
GlassView* makeGlassContent(Lights& lights);

} // namespace glowdeck
