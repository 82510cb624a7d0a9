#pragma once

class QAction;
class QMenu;

namespace glowdeck {

class Autostart;
class Lights;

// Drives the options menu's "Start at Login" entry: its check mark is read from `autostart`
// each time `menu` opens, choosing it writes or removes the autostart entry, and a failure shows
// on `lights`' status line. `lights` must outlive `entry`.
void attachStartAtLogin(QAction& entry, QMenu& menu, const Autostart& autostart, Lights& lights);

} // namespace glowdeck
