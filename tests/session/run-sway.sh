#!/bin/sh
# The whole program on Wayland: a headless sway with waybar's tray (a StatusNotifierItem host)
# on a dark bar, the program on XWayland, simulated bulbs on a fake LAN, all inside a private
# network namespace this script makes. Clicks and keys come from wayvnc's virtual pointer and
# keyboard, so they reach the bar and the panel through the compositor as a mouse's do. The
# checks are those of desktop-lib.sh; the screenshot goes to $GLOWDECK_SESSION_SHOTS (default:
# docs/ of the source tree) as session-sway.png.
#
#   run-sway.sh path/to/glowdeck path/to/glowdeck-sim path/to/glowdeck_session_probe \
#       path/to/glowdeck_tray_icon_contrast
#
# Without a namespace it prints SKIPPED and exits 77 (1 when GLOWDECK_REQUIRE_NETNS=1).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
. "$here/session-prologue.sh"

session_require_tools sway swaymsg waybar wayvnc grim python3 xdotool xwininfo xdpyinfo \
    dbus-daemon
glowdeck_netns_enter "$here/run-sway.sh" "$@"
if [ "$(id -u)" -eq 0 ]; then
    glowdeck_netns_require_fresh
    glowdeck_fake_lan_up
    # sway refuses to run as root.
    desktop_enter_user "$here/run-sway.sh" "$@"
fi

DESKTOP_NAME=sway
DESKTOP_APP_PATH=$1
DESKTOP_PROBE=$3
DESKTOP_CONTRAST=$4
session_init
session_start sim "$2" $GLOWDECK_LAN_BULBS
DESKTOP_SIM_LOG="$SESSION_DIR/sim.log"
session_wait 50 grep -q "listening" "$DESKTOP_SIM_LOG" || { cat "$DESKTOP_SIM_LOG"; exit 1; }
desktop_session_bus

# A bar on the top edge, as dark as dark bars are, with nothing but the tray on its right.
cat >"$SESSION_DIR/waybar.json" <<'EOF'
{ "layer": "top", "position": "top", "height": 28,
  "modules-left": ["clock"], "modules-right": ["tray"],
  "tray": { "icon-size": 20, "spacing": 8 } }
EOF
cat >"$SESSION_DIR/waybar.css" <<'EOF'
* { font-family: sans-serif; font-size: 13px; border: none; border-radius: 0; }
window#waybar, #tray, #clock { background: #202020; color: #eeeeee; padding: 0 8px; }
EOF
cat >"$SESSION_DIR/sway.conf" <<EOF
output HEADLESS-1 resolution 1280x800 position 0 0
xwayland enable
exec waybar -c $SESSION_DIR/waybar.json -s $SESSION_DIR/waybar.css
EOF
NO_AT_BRIDGE=1 WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    session_start sway sway -c "$SESSION_DIR/sway.conf"
sway_up() {
    SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -n 1)
    [ -n "$SWAYSOCK" ] && WAYLAND_DISPLAY=$(cd "$XDG_RUNTIME_DIR" && ls wayland-? | head -n 1)
}
session_wait 100 sway_up || { echo "sway did not start"; cat "$SESSION_DIR/sway.log"; exit 1; }
export SWAYSOCK WAYLAND_DISPLAY XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=sway
# XWayland's display, as programs that sway starts see it.
swaymsg -q exec "echo \$DISPLAY >$SESSION_DIR/xdisplay"
session_wait 100 grep -q : "$SESSION_DIR/xdisplay" || { echo "no XWayland"; exit 1; }
DISPLAY=$(cat "$SESSION_DIR/xdisplay")
export DISPLAY
session_wait 100 xdpyinfo || { echo "XWayland does not answer"; exit 1; }
watcher() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.ListNames | grep -q org.kde.StatusNotifierWatcher
}
session_wait 100 watcher || { echo "waybar's tray did not start"; cat "$SESSION_DIR/sway.log"; exit 1; }

# wayvnc adds a virtual pointer and keyboard to the seat; rfb-input.py drives them, through
# one connection that lasts the session: wayvnc 0.9 makes a keyboard for each connection, and
# XWayland drops a key pressed before it has taken a new keyboard's keymap in (see
# rfb-input.py). The keyboard is there once sway lists it, well before the first key.
session_start wayvnc wayvnc --unix-socket "$SESSION_DIR/vnc"
session_wait 100 test -S "$SESSION_DIR/vnc" || { cat "$SESSION_DIR/wayvnc.log"; exit 1; }
session_start relay python3 "$here/rfb-input.py" "$SESSION_DIR/vnc" relay "$SESSION_DIR/input"
session_wait 100 test -S "$SESSION_DIR/input" || { cat "$SESSION_DIR/relay.log"; exit 1; }
keyboard() { swaymsg -t get_inputs -r | grep -q '"type": "keyboard"'; }
session_wait 100 keyboard || { echo "no virtual keyboard"; cat "$SESSION_DIR/wayvnc.log"; exit 1; }
desktop_click() { python3 "$here/rfb-input.py" "$SESSION_DIR/input" click "$@"; }
desktop_key() { python3 "$here/rfb-input.py" "$SESSION_DIR/input" key "$@"; }
desktop_type() { python3 "$here/rfb-input.py" "$SESSION_DIR/input" type "$1"; }
desktop_shot() { grim "$1"; }
DESKTOP_TRAY="980 0 300 28"
DESKTOP_PICKER=1

echo "clicks and keys: wayvnc's virtual pointer and keyboard, through sway"
session_start app "$DESKTOP_APP_PATH"
desktop_checks
desktop_summary || {
    echo "--- windows"
    swaymsg -t get_tree | grep -E '"(name|class|type)"' | head -40
    echo "--- app.log"
    tail -n 20 "$SESSION_DIR/app.log"
    exit 1
}
