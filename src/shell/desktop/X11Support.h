#pragma once

#include <QRect>

#include <optional>

class QWindow;

namespace glowdeck {

// What the panel window needs from an X server and Qt offers no call for. On any other
// platform every call does nothing and reports failure.
class X11Support {
public:
    // Whether the program talks to an X server.
    static bool available();

    // Asks the window manager to leave `window` out of task bars, window lists and pagers
    // (_NET_WM_STATE_SKIP_TASKBAR and _NET_WM_STATE_SKIP_PAGER). For a window that is not
    // shown: managers drop a window's state when it is hidden, and Qt keeps the state it finds
    // when it shows one.
    static void skipTaskbarAndPager(QWindow* window);

    // Asks the window manager to give `window` the keyboard, as a task bar would for the user
    // (_NET_ACTIVE_WINDOW from a pager, without a timestamp). Qt's own request carries the time
    // of the last X event this program saw, which is older than the click on a tray icon that
    // another program drew: a manager that prevents focus stealing (mutter) then refuses it.
    static void activate(QWindow* window);

    // Asks the window manager to give `window` the frame `logicalFrame` as it is, as a pager would
    // (_NET_MOVERESIZE_WINDOW from a pager). Some managers keep a window that its own program
    // places out of the area a bar reserves (KWin does as it maps one), which pushes the
    // panel, whose transparent margin overlaps the bar, away from the icon; a pager's request
    // they carry out as asked. The frame is in Qt's logical pixels; the server gets device ones.
    static void moveResize(QWindow* window, const QRect& logicalFrame);

    // Where `window` lies on the screen and how large it is, as the server has it now. Qt
    // follows the moves of its top-level windows, but not every move or resize of a window
    // another program has taken in (an icon in an XEmbed tray). In Qt's logical pixels.
    static std::optional<QRect> rootGeometry(QWindow* window);
};

} // namespace glowdeck
