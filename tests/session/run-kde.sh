#!/bin/sh
# The whole program on KDE Plasma on Wayland (5.27 with kded5, or 6 with kded6): KWin with
# XWayland, plasmashell with a panel at the bottom (the task manager, the system tray and the
# clock), the program on XWayland, simulated bulbs on a fake LAN, all inside a private network
# namespace this script makes. Clicks and key presses go through KWin's fake-input protocol,
# which KWin handles as it does a mouse's and a keyboard's events (kwin-fake-input.py). Besides
# the checks of desktop-lib.sh: the panel is where the program placed it and stands on the
# bottom panel at the icon, a click on the clock hides it, and KWin lists it for neither the
# task manager, the pager nor the window switcher. The screenshot goes to
# $GLOWDECK_SESSION_SHOTS (default: docs/ of the source tree) as session-kde.png.
#
# KWin draws on a virtual output and hands out screenshots through its ScreenShot2 interface
# while it composites with OpenGL. KWin 6 does that only on a DRM render node; without one it
# draws with QPainter and offers no screenshots, so it runs in a window that fills the screen of
# an Xvfb of its own instead, and the screenshots are taken of that screen.
#
#   run-kde.sh path/to/glowdeck path/to/glowdeck-sim path/to/glowdeck_session_probe \
#       path/to/glowdeck_tray_icon_contrast path/to/glowdeck_kwin_screenshot
#
# Without a namespace it prints SKIPPED and exits 77 (1 when GLOWDECK_REQUIRE_NETNS=1).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
session_usage="glowdeck glowdeck-sim glowdeck_session_probe glowdeck_tray_icon_contrast \
glowdeck_kwin_screenshot"
. "$here/session-prologue.sh"
. "$here/private-session.sh"

kactivitymanagerd=$(ls /usr/lib/*/libexec/kactivitymanagerd /usr/libexec/kactivitymanagerd \
    2>/dev/null | head -n 1)
[ -n "$kactivitymanagerd" ] || glowdeck_netns_skip "kactivitymanagerd is not installed"
# Plasma 6 keeps the tray's status notifier watcher in kded6, Plasma 5 in kded5.
kded=$(command -v kded6 || command -v kded5 || true)
[ -n "$kded" ] || glowdeck_netns_skip "kded6 or kded5 is not installed"
session_require_tools kwin_wayland plasmashell gdbus dbus-daemon python3 xdotool xwininfo xdpyinfo \
    xprop
glowdeck_netns_enter "$here/run-kde.sh" "$@"
if [ "$(id -u)" -eq 0 ]; then
    glowdeck_netns_require_fresh
    glowdeck_fake_lan_up
    private_session_enter "$here/run-kde.sh" "$@"
fi

DESKTOP_NAME=kde
DESKTOP_APP_PATH=$1
DESKTOP_PROBE=$3
DESKTOP_CONTRAST=$4
screenshot=$5
session_started=$(date +%s)
session_init
session_start sim "$2" $GLOWDECK_LAN_BULBS
DESKTOP_SIM_LOG="$SESSION_DIR/sim.log"
session_wait 50 grep -q "listening" "$DESKTOP_SIM_LOG" || { cat "$DESKTOP_SIM_LOG"; exit 1; }
desktop_session_bus
session_start systembus dbus-daemon --session --nofork --address="unix:path=$SESSION_DIR/system-bus"
session_wait 50 test -S "$SESSION_DIR/system-bus" || { echo "no system bus"; exit 1; }
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$SESSION_DIR/system-bus"
# No crash dialogs, and no session manager to register with.
export KDE_DEBUG=1 NO_AT_BRIDGE=1

# The panel: the clock on the left, the task manager without launchers, then the system tray
# at the right end, holding nothing but status notifier items (no plasmoids, so no expander).
cat >"$XDG_CONFIG_HOME/plasma-org.kde.plasma.desktop-appletsrc" <<'EOF'
[Containments][2]
activityId=
formfactor=2
immutability=1
lastScreen=0
location=4
plugin=org.kde.panel
wallpaperplugin=org.kde.image

[Containments][2][Applets][3]
immutability=1
plugin=org.kde.plasma.digitalclock

[Containments][2][Applets][4]
immutability=1
plugin=org.kde.plasma.icontasks

[Containments][2][Applets][4][Configuration][General]
launchers=

[Containments][2][Applets][5]
immutability=1
plugin=org.kde.plasma.systemtray

[Containments][2][Applets][5][Configuration]
SystrayContainmentId=6

[Containments][2][General]
AppletOrder=3;4;5

[Containments][6]
activityId=
formfactor=2
immutability=1
lastScreen=0
location=4
plugin=org.kde.plasma.private.systemtray
wallpaperplugin=org.kde.image

[Containments][6][General]
extraItems=
knownItems=org.kde.plasma.battery,org.kde.plasma.keyboardlayout,org.kde.plasma.manage-inputmethod,org.kde.plasma.mediacontroller,org.kde.plasma.devicenotifier,org.kde.plasma.clipboard,org.kde.plasma.notifications
EOF

# KWin starts the given program once XWayland is up, with XWayland's display.
cat >"$SESSION_DIR/report-display.sh" <<EOF
#!/bin/sh
echo "\$DISPLAY" >"$SESSION_DIR/xdisplay"
exec sleep 1000
EOF
chmod +x "$SESSION_DIR/report-display.sh"
# Where KWin draws: its virtual output, or (KWin 6 without a render node) a window filling the
# screen of an Xvfb of its own, whose display the screenshots are taken on.
kwin_major=$(kwin_wayland --version 2>/dev/null | awk '$1 == "kwin" { print int($2) }')
kwin_output="--virtual"
shot_display=""
if [ "${kwin_major:-0}" -ge 6 ] && ! ls /dev/dri/renderD* >/dev/null 2>&1; then
    session_start xvfb sh -c 'exec Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$1"' \
        xvfb "$SESSION_DIR/shot-display"
    session_wait 100 grep -q '[0-9]' "$SESSION_DIR/shot-display" ||
        { echo "Xvfb did not start"; exit 1; }
    shot_display=":$(head -n 1 "$SESSION_DIR/shot-display")"
    kwin_output="--x11-display $shot_display"
fi
echo "KWin ${kwin_major:-?} draws with $kwin_output"
# Every client may take screenshots and use fake input; scripts' output goes to the log.
# shellcheck disable=SC2086 # the backend option and its display are two words
session_start kwin env KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 \
    KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 LIBGL_ALWAYS_SOFTWARE=1 \
    QT_LOGGING_RULES="kwin_scripting.debug=true" \
    kwin_wayland $kwin_output --xwayland --width 1280 --height 800 --socket wayland-0 \
    --no-lockscreen --no-global-shortcuts "$SESSION_DIR/report-display.sh"
session_wait 300 grep -q : "$SESSION_DIR/xdisplay" ||
    { echo "KWin did not start"; tail -n 30 "$SESSION_DIR/kwin.log"; exit 1; }
DISPLAY=$(cat "$SESSION_DIR/xdisplay")
export DISPLAY WAYLAND_DISPLAY=wayland-0
session_wait 100 xdpyinfo || { echo "XWayland does not answer"; exit 1; }
echo "KWin is up after $(($(date +%s) - session_started)) s"

kde_version=${kded##*kded}
QT_QPA_PLATFORM=wayland XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true \
    KDE_SESSION_VERSION=$kde_version sh -c "
    '$kactivitymanagerd' >'$SESSION_DIR/kamd.log' 2>&1 &
    '$kded' >'$SESSION_DIR/kded.log' 2>&1 &
    exec plasmashell --no-respawn >'$SESSION_DIR/plasma.log' 2>&1" &
SESSION_PIDS="$! $SESSION_PIDS"
export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true \
    KDE_SESSION_VERSION="$kde_version"

# Runs a KWin script in which @QUERY@ stands for its name; prints what the script prints after
# its name (KWin logs it as "js: ...").
kwin_scripts=0
kwin_query() {
    kwin_scripts=$((kwin_scripts + 1))
    name="glowdeck_query_$kwin_scripts"
    printf '%s\n' "$1" | sed "s/@QUERY@/$name/g" >"$SESSION_DIR/$name.js"
    mark=$(wc -l <"$SESSION_DIR/kwin.log")
    gdbus call --session --dest org.kde.KWin --object-path /Scripting \
        --method org.kde.kwin.Scripting.loadScript "$SESSION_DIR/$name.js" "$name" >/dev/null &&
        gdbus call --session --dest org.kde.KWin --object-path /Scripting \
            --method org.kde.kwin.Scripting.start >/dev/null || return 1
    session_wait 30 sh -c "tail -n +$((mark + 1)) '$SESSION_DIR/kwin.log' | grep -q '^js: $name'"
    tail -n "+$((mark + 1))" "$SESSION_DIR/kwin.log" | sed -n "s/^js: $name //p"
    gdbus call --session --dest org.kde.KWin --object-path /Scripting \
        --method org.kde.kwin.Scripting.unloadScript "$name" >/dev/null || true
}
# The managed windows: class, frame, and whether task managers, pagers and the window switcher
# leave them out. The switcher takes normal windows and dialogs that take input. KWin 6 lists
# them with windowList(), KWin 5 with clientList().
kwin_windows() {
    kwin_query "
var windows = workspace.windowList ? workspace.windowList() : workspace.clientList();
var lines = windows.map(function (w) {
    var g = w.frameGeometry;
    var switched = (w.normalWindow || w.dialog) && w.wantsInput && !w.skipSwitcher;
    return [w.resourceClass, g.x, g.y, g.width, g.height, 'skipTaskbar=' + w.skipTaskbar,
            'skipPager=' + w.skipPager, 'skipSwitcher=' + !switched].join(' ');
});
print('@QUERY@ ' + lines.join(' | ') + ' |');"
}

# The panel is up once it is a window of its own at the bottom of the screen, and the tray is
# up once a host has registered with the status notifier watcher. Plasma 5's windows have the
# class org.kde.plasmashell, Plasma 6's plasmashell.
plasma_class='^(org[.]kde[.])?plasmashell$'
plasma_panel() {
    kwin_windows | tr '|' '\n' | awk -v class="$plasma_class" \
        '$1 ~ class && $4 > 600 && $5 < 100 { print $2, $3, $4, $5; exit }'
}
panel_up() { [ -n "$(plasma_panel)" ]; }
tray_up() {
    gdbus call --session --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher \
        --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
        IsStatusNotifierHostRegistered 2>/dev/null | grep -q true
}
session_wait 900 tray_up && session_wait 60 panel_up || {
    echo "Plasma did not start"
    tail -n 30 "$SESSION_DIR/plasma.log"
    exit 1
}
echo "Plasma is up after $(($(date +%s) - session_started)) s"
set -- $(plasma_panel)
panel_x=$1 panel_y=$2 panel_w=$3 panel_h=$4
# The tray sits at the right end of the panel. A floating panel (Plasma 6's default) draws the
# bar inset in its window by the gap it floats at, and KWin reserves as much of the screen's
# edge as the bar is thick: the screen below the work area.
desktop_screen_size
bar_reserved() {
    bar_thickness=$((SCREEN_H - $(xprop -root -notype _NET_WORKAREA |
        awk -F '[=,]' '{ print $3 + $5 }')))
    [ "$bar_thickness" -gt 0 ] && [ "$bar_thickness" -le "$panel_h" ]
}
session_wait 50 bar_reserved ||
    { echo "the bar reserves no room: $(xprop -root _NET_WORKAREA)"; exit 1; }
bar_reserved
gap=$(((panel_h - bar_thickness) / 2))
echo "the bar: a window at $panel_x,$panel_y ${panel_w}x$panel_h; $bar_thickness px thick," \
    "floating $gap px off its edges"
DESKTOP_TRAY="$((panel_x + panel_w - gap - 200)) $((panel_y + gap)) 200 $((panel_h - 2 * gap))"

desktop_click() { python3 "$here/kwin-fake-input.py" click "$@"; }
desktop_key() { python3 "$here/kwin-fake-input.py" key "$@"; }
desktop_type() { python3 "$here/kwin-fake-input.py" type "$1"; }
if [ -n "$shot_display" ]; then
    desktop_shot() { DISPLAY=$shot_display "$screenshot" --x11 "$1"; }
else
    desktop_shot() { "$screenshot" "$1"; }
fi

session_start app "$DESKTOP_APP_PATH"
DESKTOP_APP=$SESSION_PID_app
desktop_checks || {
    echo "--- app.log"
    tail -n 30 "$SESSION_DIR/app.log"
    echo "--- kded.log"
    tail -n 10 "$SESSION_DIR/kded.log"
    echo "--- the tray on a last screenshot"
    # shellcheck disable=SC2086 # the region's four numbers
    desktop_shot "$SESSION_DIR/last.png" &&
        "$DESKTOP_CONTRAST" "$SESSION_DIR/last.png" $DESKTOP_TRAY || true
    exit 1
}

# The panel, shown: opened by a click on the icon unless it is shown already.
panel_shown() {
    desktop_find_panel && return 0
    desktop_click_icon
    session_wait 50 desktop_find_panel
}

# The panel opens against the bar where the program placed it (the last frame its log says it
# opened at, whose left and bottom edges stay as the panel fits its content): KWin leaves the
# transparent margin overlapping the bar, and the sheet ends on the bar, above the icon and
# within the margin of the icon's top edge.
if panel_shown; then
    session_geometry "$PANEL"
    number='\([-0-9]*\)'
    placed=$(sed -n "s/.*opened at QRect($number,$number $number[x]$number).*/\\1 \\2 \\3 \\4/p" \
        "$SESSION_DIR/app.log" | tail -n 1)
    # shellcheck disable=SC2086 # the frame's four numbers
    set -- ${placed:-0 0 0 0}
    bottom=$((Y + HEIGHT))
    what="left $X, bottom $bottom; placed at $1, $(($2 + $4))"
    desktop_check "the panel is where the program placed it ($what)" \
        test -n "$placed" -a "$X" -eq "$1" -a "$bottom" -eq $(($2 + $4))
    sheet_end=$((bottom - 16)) bar_top=$((panel_y + gap))
    what="sheet ends at $sheet_end, bar at $bar_top, icon at $ICON_Y"
    desktop_check "the panel stands on the bar at the icon ($what)" \
        test "$sheet_end" -le "$bar_top" -a "$sheet_end" -le "$ICON_Y" -a "$sheet_end" -ge $((ICON_Y - 16))
fi

# The clock opens its calendar, a window of plasmashell's; a click on the clock again closes it.
if panel_shown; then
    desktop_click $((panel_x + 40)) $((panel_y + panel_h / 2))
    desktop_check "a click on the clock hides the panel" session_wait 30 desktop_panel_hidden
    sleep 0.5
    desktop_click $((panel_x + 40)) $((panel_y + panel_h / 2))
    sleep 0.5
    desktop_panel_hidden || { desktop_key Escape; session_wait 30 desktop_panel_hidden || true; }
else
    desktop_check "the panel opens for the click on the clock" false
fi

# KWin tells task managers, pagers and the window switcher which windows to leave out; a panel
# that KWin does not manage at all is in none of them.
if panel_shown; then
    windows=$(kwin_windows)
    echo "windows KWin manages: $windows"
    not_listed() {
        ! echo "$windows" | tr '|' '\n' | grep -i '^ *glowdeck ' | grep -q "skip$1=false"
    }
    plasma_listed() {
        echo "$windows" | tr '|' '\n' |
            awk -v class="$plasma_class" '$1 ~ class { found = 1 } END { exit !found }'
    }
    desktop_check "KWin's window list holds the desktop's own panel" plasma_listed
    desktop_check "the panel is not in the task manager" not_listed Taskbar
    desktop_check "the panel is not in the pager" not_listed Pager
    desktop_check "the panel is not in the window switcher" not_listed Switcher
else
    desktop_check "the panel opens for the window list" false
fi

echo "the session took $(($(date +%s) - session_started)) s"
desktop_summary || {
    echo "--- app.log"
    tail -n 20 "$SESSION_DIR/app.log"
    exit 1
}
