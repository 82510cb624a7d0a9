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
# GLOWDECK_SESSION_VARIANT=outputs: two outputs side by side, waybar on the right one only, its
# tray at the bar's left end; =bottom: waybar at the bottom, its tray at the left. Either also
# checks that the panel opens on the tray's output at the bar's edge (screenshots
# session-sway-VARIANT.png).
#
# Without a namespace it prints SKIPPED and exits 77 (1 when GLOWDECK_REQUIRE_NETNS=1).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
. "$here/session-prologue.sh"
. "$here/private-session.sh"

session_require_tools sway swaymsg waybar wayvnc grim python3 xdotool xwininfo xdpyinfo \
    dbus-daemon
glowdeck_netns_enter "$here/run-sway.sh" "$@"
if [ "$(id -u)" -eq 0 ]; then
    glowdeck_netns_require_fresh
    glowdeck_fake_lan_up
    # sway refuses to run as root. XWayland wants a /tmp/.X11-unix that it or root owns, which
    # the host's is not for a user the namespace does not map: the session has a /tmp of its own.
    private_session_enter "$here/run-sway.sh" "$@"
fi

variant=${GLOWDECK_SESSION_VARIANT:-}
DESKTOP_NAME=sway${variant:+-$variant}
# The bar's edge and its modules; the output the tray is on, and where that begins.
position=top left='"clock"' right='"tray"' bar_output="" output_x=0
case $variant in
"") ;;
outputs) left='"tray"' right='"clock"' bar_output='"output": "HEADLESS-2",' output_x=1280 ;;
bottom) position=bottom left='"tray"' right='"clock"' ;;
*) echo "GLOWDECK_SESSION_VARIANT must be outputs or bottom" >&2; exit 2 ;;
esac
DESKTOP_APP_PATH=$1
DESKTOP_PROBE=$3
DESKTOP_CONTRAST=$4
session_init
session_start sim "$2" $GLOWDECK_LAN_BULBS
DESKTOP_SIM_LOG="$SESSION_DIR/sim.log"
session_wait 50 grep -q "listening" "$DESKTOP_SIM_LOG" || { cat "$DESKTOP_SIM_LOG"; exit 1; }
desktop_session_bus

# A bar on the top edge, as dark as dark bars are, with nothing but the tray on its right (or
# where the variant puts them).
cat >"$SESSION_DIR/waybar.json" <<EOF
{ "layer": "top", "position": "$position", "height": 28, $bar_output
  "modules-left": [$left], "modules-right": [$right],
  "tray": { "icon-size": 20, "spacing": 8 } }
EOF
cat >"$SESSION_DIR/waybar.css" <<'EOF'
* { font-family: sans-serif; font-size: 13px; border: none; border-radius: 0; }
window#waybar, #tray, #clock { background: #202020; color: #eeeeee; padding: 0 8px; }
EOF
cat >"$SESSION_DIR/sway.conf" <<EOF
output HEADLESS-1 resolution 1280x800 position 0 0
output HEADLESS-2 resolution 1280x800 position 1280 0
xwayland enable
exec waybar -c $SESSION_DIR/waybar.json -s $SESSION_DIR/waybar.css
EOF
outputs=1
[ "$variant" != outputs ] || outputs=2
NO_AT_BRIDGE=1 WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS=$outputs WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman session_start sway sway -c "$SESSION_DIR/sway.conf"
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
# wayvnc shows one output, the tray's, and takes clicks in that output's pixels.
session_start wayvnc wayvnc --unix-socket --output "HEADLESS-$((1 + output_x / 1280))" \
    "$SESSION_DIR/vnc"
session_wait 100 test -S "$SESSION_DIR/vnc" || { cat "$SESSION_DIR/wayvnc.log"; exit 1; }
session_start relay python3 "$here/rfb-input.py" "$SESSION_DIR/vnc" relay "$SESSION_DIR/input"
session_wait 100 test -S "$SESSION_DIR/input" || { cat "$SESSION_DIR/relay.log"; exit 1; }
keyboard() { swaymsg -t get_inputs -r | grep -q '"type": "keyboard"'; }
session_wait 100 keyboard || { echo "no virtual keyboard"; cat "$SESSION_DIR/wayvnc.log"; exit 1; }
# A click left of the tray's output (the checks' "elsewhere") lands as far from that output's
# left edge.
desktop_click() {
    x=$(($1 - output_x))
    [ "$x" -ge 0 ] || x=$((x + 1280))
    python3 "$here/rfb-input.py" "$SESSION_DIR/input" click "$x" "$2" ${3:-}
}
desktop_key() { python3 "$here/rfb-input.py" "$SESSION_DIR/input" key "$@"; }
desktop_type() { python3 "$here/rfb-input.py" "$SESSION_DIR/input" type "$1"; }
desktop_shot() { grim "$1"; }
case $variant in
"") DESKTOP_TRAY="980 0 300 28" ;;
outputs) DESKTOP_TRAY="1280 0 300 28" ;;
bottom) DESKTOP_TRAY="0 772 300 28" ;;
esac
DESKTOP_PICKER=1

echo "clicks and keys: wayvnc's virtual pointer and keyboard, through sway"
session_start app "$DESKTOP_APP_PATH"
if [ -z "$variant" ]; then
    desktop_checks
else
    # Where the panel opens: on the tray's output, wholly, at the bar's edge (the glass 6 px
    # from the bar, give or take the icon's size where the bar says only where in the icon it
    # was clicked); then a click elsewhere hides it.
    desktop_check_icon && desktop_check_opens && {
        desktop_shot "$GLOWDECK_SESSION_SHOTS/session-$DESKTOP_NAME.png"
        desktop_check "the panel lies wholly on the tray's output (x $X..$((X + WIDTH)))" \
            test "$X" -ge "$output_x" -a $((X + WIDTH)) -le $((output_x + 1280))
        if [ "$position" = top ]; then
            desktop_check "the glass starts at the bar's edge (at $((Y + 16)), the bar ends at 28)" \
                test $((Y + 16)) -ge 28 -a $((Y + 16)) -le 40
        else
            desktop_check "the glass ends at the bar's edge (at $((Y + HEIGHT - 16)), the bar begins at 772)" \
                test $((Y + HEIGHT - 16)) -le 772 -a $((Y + HEIGHT - 16)) -ge 760
        fi
        desktop_check_hiding
    }
fi
desktop_summary || {
    echo "--- windows"
    swaymsg -t get_tree | grep -E '"(name|class|type)"' | head -40
    echo "--- app.log"
    tail -n 20 "$SESSION_DIR/app.log"
    exit 1
}
