#!/bin/sh
# The whole program on a real X server: an XEmbed tray, a compositor, a window manager if one is
# named, simulated bulbs on a fake LAN, all inside a private network namespace this script
# makes. It clicks the tray icon, checks that the icon stands out from the tray, where the
# panel opens, that discovery found the bulbs, that the power button and the brightness slider
# send their commands, that a second click, Escape and a click elsewhere hide the panel, that a
# second opening only refreshes, that the open panel holds nothing other programs need (their
# grabs, a screen locker, clicks while the program is stopped), that the screen saver and a
# second start behave, and that SIGTERM ends the program. Screenshots go to
# $GLOWDECK_SESSION_SHOTS (default: docs/ of the source tree).
#
#   run-session.sh path/to/glowdeck path/to/glowdeck-sim path/to/glowdeck_session_probe \
#       path/to/glowdeck_tray_icon_contrast path/to/glowdeck_input_probe
#
# With GLOWDECK_SESSION_EDGE=bottom the tray sits at the bottom of the screen, on a light bar,
# and the panel must open above it; at the top the bar is dark. GLOWDECK_SESSION_WM names a
# window manager to run (openbox, xfwm4). Without a namespace it prints SKIPPED and exits 77
# (1 when GLOWDECK_REQUIRE_NETNS=1).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
session_usage="glowdeck glowdeck-sim glowdeck_session_probe glowdeck_tray_icon_contrast glowdeck_input_probe"
. "$here/session-prologue.sh"
app=$1
sim=$2
probe=$3
contrast=$4
DESKTOP_INPUT_PROBE=$5

session_require_tools Xvfb xdotool trayer xcompmgr xwininfo xdpyinfo xprop import i3lock \
    ${GLOWDECK_SESSION_WM:-}

glowdeck_netns_enter "$here/run-session.sh" "$@"
glowdeck_netns_require_fresh
glowdeck_fake_lan_up

check() { desktop_check "$@"; }

# GLOWDECK_SESSION_VARIANT=hidpi: a 2560x1600 screen at Xft.dpi 192 (Qt scales by 2), the
# tray's icons at the centre of its bar; =monitors: two RandR monitors side by side, the tray on
# the left end of the right one. Either checks where the panel opens, and ends there.
variant=${GLOWDECK_SESSION_VARIANT:-}
scale=1
# Where the tray's monitor begins.
monitor_x=0
case $variant in
"") ;;
hidpi)
    # Xft.dpi lives in a property of the root window, which Xvfb drops when it resets after its
    # last client leaves: without -noreset it would go with xrdb itself unless the compositor
    # happened to be connected already.
    SESSION_SCREEN=2560x1600x24 SESSION_TRAY_ALIGN=center SESSION_TRAY_HEIGHT=56 scale=2
    SESSION_XVFB_ARGS=-noreset
    ;;
monitors)
    SESSION_SCREEN=2560x800x24 SESSION_TRAY_MONITOR=1 SESSION_TRAY_ALIGN=left
    SESSION_XVFB_ARGS=-noreset monitor_x=1280
    ;;
*) echo "GLOWDECK_SESSION_VARIANT must be hidpi or monitors" >&2; exit 2 ;;
esac
slack=$((3 * (scale - 1)))

session_init
session_display
case $variant in
hidpi) echo "Xft.dpi: 192" | xrdb -merge ;;
monitors)
    # A monitor for each half of Xvfb's one output; without -noreset they would go with the
    # last client.
    xrandr --setmonitor glowdeck-left 1280/338x800/211+0+0 screen
    xrandr --setmonitor glowdeck-right 1280/338x800/211+1280+0 none
    ;;
esac
if [ -n "${GLOWDECK_SESSION_WM:-}" ]; then
    session_start wm "$GLOWDECK_SESSION_WM"
    managed() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }
    session_wait 100 managed || { echo "$GLOWDECK_SESSION_WM did not start"; exit 1; }
fi

bulbs=$GLOWDECK_LAN_BULBS
session_start sim "$sim" $bulbs
simlog="$SESSION_DIR/sim.log"
session_wait 50 grep -q "listening" "$simlog" || { cat "$simlog"; exit 1; }

# Requests the simulator logged after line $1 whose method is $2 and destination $3.
requests() {
    tail -n "+$(($1 + 1))" "$simlog" | grep "\"method\":\"$2\"" | grep -c "\"to\":\"$3\"" || true
}
lines() { wc -l <"$simlog"; }
broadcasts() {
    tail -n "+$(($1 + 1))" "$simlog" | grep '"method":"getPilot"' |
        grep -c -e '"to":"255.255.255.255"' -e '"to":"10.77.0.255"' || true
}
SESSION_TRAY_EDGE=${GLOWDECK_SESSION_EDGE:-top}
case $SESSION_TRAY_EDGE in
top) suffix="" SESSION_TRAY_TINT=0x202020 ;;
bottom) suffix="-bottom" SESSION_TRAY_TINT=0xeeeeee ;;
*) echo "GLOWDECK_SESSION_EDGE must be top or bottom" >&2; exit 2 ;;
esac
[ -z "$variant" ] || suffix="$suffix-$variant"
shot() {
    import -window root "$GLOWDECK_SESSION_SHOTS/session-$1$suffix.png" 2>/dev/null || true
}

# The program starts before the tray: it says so and waits for one.
GLOWDECK_TRACE_STARTUP=1 session_start app "$app"
session_wait 100 grep -q "idle at" "$SESSION_DIR/app.log" ||
    { echo "the program did not start"; cat "$SESSION_DIR/app.log"; exit 1; }
check "without a tray the program says so and keeps running" \
    sh -c "grep -q 'no system tray' '$SESSION_DIR/app.log' && kill -0 $SESSION_PID_app"
session_tray

# The tray icon: the program's only visible window so far, embedded in the tray.
icon=""
find_icon() {
    icon=$(xdotool search --onlyvisible --class glowdeck 2>/dev/null | head -n 1)
    [ -n "$icon" ]
}
check "the tray icon is embedded" session_wait 100 find_icon
session_geometry "$icon"
IX=$X IY=$Y IW=$WIDTH IH=$HEIGHT
echo "tray icon $icon at ${IX},${IY} ${IW}x${IH}"
# The icon stands out from the tray's background.
tray_window=$(xdotool search --class trayer 2>/dev/null | while read -r w; do
    session_viewable "$w" && echo "$w"
done | head -n 1)
session_geometry "$tray_window"
DESKTOP_TRAY="$X $Y $WIDTH $HEIGHT"
DESKTOP_CONTRAST=$contrast
DESKTOP_ICON_WINDOW=$icon
desktop_shot() { import -window root "$1"; }
desktop_click() { xdotool mousemove "$1" "$2" sleep 0.1 click "${3:-1}"; }
desktop_key() { xdotool key "$@"; }
desktop_type() { xdotool type --delay 50 "$1"; }
desktop_check_icon
check "nothing is sent before the panel opens" sh -c "! grep -q '\"method\"' '$simlog'"

panel=""
find_panel() {
    panel=$(xdotool search --onlyvisible --class glowdeck 2>/dev/null | grep -v -x "$icon" |
        head -n 1)
    [ -n "$panel" ]
}
# Measures the icon where the tray has it now (a window manager may still be moving the tray)
# and clicks its middle.
click_icon() {
    session_geometry "$icon"
    IX=$X IY=$Y IW=$WIDTH IH=$HEIGHT
    xdotool mousemove $((IX + IW / 2)) $((IY + IH / 2)) sleep 0.1 click 1
}

click_icon
echo "clicked the icon at ${IX},${IY} ${IW}x${IH}"
check "a click on the icon opens the panel" session_wait 50 find_panel
screen_width=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1] }')
screen_height=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[2] }')

# Discovery: a broadcast, and every bulb found and stored.
stored() {
    for ip in $bulbs; do
        grep -q "$ip" "$XDG_CONFIG_HOME/Glowdeck/Glowdeck.conf" 2>/dev/null || return 1
    done
}
check "the first opening broadcasts getPilot" test "$(broadcasts 0)" -ge 1
check "discovery finds and stores every bulb" session_wait 60 stored
sleep 3.5 # the scan ends; the panel settles to its content
shot panel

session_geometry "$panel"
echo "panel $panel at ${X},${Y} ${WIDTH}x${HEIGHT}"
# The X server counts in device pixels: at scale 2 every length doubles, and the icon's place
# halved and doubled again may be off by a few pixels.
centred=$((IX + IW / 2 - WIDTH / 2))
right_limit=$((screen_width - WIDTH - 8 * scale))
want_x=$centred
[ "$want_x" -ge $((monitor_x + 8 * scale)) ] || want_x=$((monitor_x + 8 * scale))
[ "$want_x" -le "$right_limit" ] || want_x=$right_limit
about() { [ "$1" -ge $(($2 - slack)) ] && [ "$1" -le $(($2 + slack)) ]; }
check "the panel is centred under the icon, $((8 * scale)) px inside the monitor (x $X, want $want_x)" \
    about "$X" "$want_x"
if [ "$SESSION_TRAY_EDGE" = top ]; then
    want_y=$((IY + IH + (6 - 16) * scale))
    check "the glass starts $((6 * scale)) px below the icon (y $Y, want $want_y)" about "$Y" "$want_y"
else
    want_y=$((IY + (16 - 6) * scale))
    check "the glass ends $((6 * scale)) px above the icon (bottom $((Y + HEIGHT)), want $want_y)" \
        about $((Y + HEIGHT)) "$want_y"
fi
check "the panel is $((356 * scale)) px wide" test "$WIDTH" -eq $((356 * scale))
check "the panel lies wholly on the screen" \
    test "$X" -ge 0 -a "$Y" -ge 0 -a $((X + WIDTH)) -le "$screen_width" -a $((Y + HEIGHT)) -le "$screen_height"
if [ -n "$variant" ]; then
    [ "$variant" != monitors ] ||
        check "the panel lies wholly on the right monitor, with the tray (x $X..$((X + WIDTH)))" \
            test "$X" -ge 1280 -a $((X + WIDTH)) -le 2560
    xdotool key Escape
    check "Escape hides the panel" session_wait 30 sh -c "! xwininfo -id $panel | grep -q IsViewable"
    desktop_summary
    exit
fi
# What taskbars go by to leave a window out: a utility window, transient for the application.
check "the panel is a utility window kept out of taskbars" sh -c \
    "xprop -id $panel _NET_WM_WINDOW_TYPE | grep -q UTILITY && xprop -id $panel WM_TRANSIENT_FOR | grep -q 'window id'"

# The power button of the selected light (the first one stored).
first=$(grep -o '10\.77\.0\.[0-9]*' "$XDG_CONFIG_HOME/Glowdeck/Glowdeck.conf" | head -n 1)
where=$("$probe" | awk '/^power / { print $2, $3 }')
echo "power button at +$where in the panel; selected light $first"
before=$(lines)
set -- $where
xdotool mousemove $((X + $1)) $((Y + $2)) sleep 0.1 click 1
followed_up() { [ "$(requests "$before" getPilot "$first")" -ge 1 ]; }
check "the power button sends setPilot to the selected light" \
    session_wait 30 sh -c "tail -n +$((before + 1)) '$simlog' | grep '\"method\":\"setPilot\"' | grep -q '\"to\":\"$first\"'"
check "and reads it back with getPilot" session_wait 30 followed_up
setpilot=$(tail -n "+$((before + 1))" "$simlog" | grep '"method":"setPilot"' | head -n 1)
echo "$setpilot"
check "the command carries the power state" sh -c "echo '$setpilot' | grep -q '\"state\":'"
sleep 0.5
shot power

# Escape hides; the next opening refreshes every bulb without a broadcast.
xdotool key Escape
hidden() { ! session_viewable "$panel"; }
check "Escape hides the panel" session_wait 30 hidden
sleep 0.4 # a click this soon after a hide by focus loss would be ignored
before=$(lines)
click_icon
check "a second click opens the panel again" session_wait 50 session_viewable "$panel"
refreshed() {
    for ip in $bulbs; do
        [ "$(requests "$before" getPilot "$ip")" -ge 1 ] || return 1
    done
}
check "the second opening asks every bulb for its state" session_wait 30 refreshed
sleep 1
check "the second opening does not broadcast" test "$(broadcasts "$before")" -eq 0

# The brightness slider and the add-light form; then a second click on the icon, Escape and a click elsewhere each
# hide the panel, and the icon opens it again.
DESKTOP_PROBE=$probe
DESKTOP_SIM_LOG=$simlog
PANEL=$panel
ICON_X=$IX ICON_Y=$IY ICON_W=$IW ICON_H=$IH
desktop_check_brightness
# Offsets measured from the panel's top hold while it grows downward.
[ "$SESSION_TRAY_EDGE" != top ] || desktop_check_colour_picker
desktop_check_typing
desktop_check_hiding
desktop_check_holds_nothing "$SESSION_PID_app"

# Another application taking the focus (what a click into it does under a window manager)
# hides the panel; the panel opens again on the next click.
xdotool windowfocus "$tray_window"
check "focus moving to another application hides the panel" session_wait 30 hidden
sleep 0.4
click_icon
check "the next click opens it again" session_wait 50 session_viewable "$panel"

# The screen saver coming on hides the panel (when a session bus is there).
if command -v dbus-send >/dev/null 2>&1 && [ "$DBUS_SESSION_BUS_ADDRESS" != "disabled:" ]; then
    saver() {
        dbus-send --session --type=signal /org/freedesktop/ScreenSaver \
            org.freedesktop.ScreenSaver.ActiveChanged "boolean:$1"
    }
    saver false
    sleep 0.5
    check "the screen saver going off leaves the panel shown" session_viewable "$panel"
    saver true
    check "the screen saver coming on hides the panel" session_wait 30 hidden
    sleep 0.4
    click_icon
    session_wait 50 session_viewable "$panel" || true
    dbus-send --session --type=signal /org/gnome/ScreenSaver \
        org.gnome.ScreenSaver.ActiveChanged boolean:true
    check "GNOME's screen shield coming on hides the panel" session_wait 30 hidden
else
    xdotool key Escape
    session_wait 30 hidden || true
fi

# A second start opens the running program's panel and ends.
sleep 0.4
check "a second start exits at once" timeout 10 "$app"
check "and the running program opens its panel" session_wait 50 session_viewable "$panel"

# SIGTERM ends the program cleanly.
kill -TERM "$SESSION_PID_app"
ended() { ! kill -0 "$SESSION_PID_app" 2>/dev/null; }
check "SIGTERM ends the program" session_wait 50 ended
status=0
wait "$SESSION_PID_app" || status=$?
check "with exit status 0" test "$status" -eq 0
check "without warnings about sockets" sh -c "! grep -q QSocketNotifier '$SESSION_DIR/app.log'"

# Ctrl+Q in the panel quits.
session_start app2 "$app"
check "the program starts again" session_wait 100 find_icon
session_geometry "$icon"
IX=$X IY=$Y IW=$WIDTH IH=$HEIGHT
click_icon
check "its panel opens" session_wait 50 find_panel
xdotool key ctrl+q
ended2() { ! kill -0 "$SESSION_PID_app2" 2>/dev/null; }
check "Ctrl+Q in the panel quits" session_wait 50 ended2
status=0
wait "$SESSION_PID_app2" || status=$?
check "with exit status 0" test "$status" -eq 0

desktop_summary
