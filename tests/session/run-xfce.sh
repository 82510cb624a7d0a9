#!/bin/sh
# The whole program on an X11 desktop with a StatusNotifierItem tray: xfce4-panel with its
# system tray plugin on a light bar, the xfwm4 window manager, simulated bulbs on a fake LAN,
# all inside a private network namespace this script makes. Clicks and keys are the X server's
# own (XTEST), so they reach the panel's tray and the program as a mouse's do. The checks are
# those of desktop-lib.sh; the screenshot goes to $GLOWDECK_SESSION_SHOTS (default: docs/ of
# the source tree) as session-xfce.png.
#
#   run-xfce.sh path/to/glowdeck path/to/glowdeck-sim path/to/glowdeck_session_probe \
#       path/to/glowdeck_tray_icon_contrast path/to/glowdeck_input_probe
#
# Without a namespace it prints SKIPPED and exits 77 (1 when GLOWDECK_REQUIRE_NETNS=1).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
session_usage="glowdeck glowdeck-sim glowdeck_session_probe glowdeck_tray_icon_contrast glowdeck_input_probe"
. "$here/session-prologue.sh"

session_require_tools xfce4-panel xfwm4 Xvfb xdotool xwininfo xdpyinfo import dbus-daemon i3lock
glowdeck_netns_enter "$here/run-xfce.sh" "$@"
if [ "${GLOWDECK_SESSION_PIDNS:-}" != 1 ]; then
    glowdeck_netns_require_fresh
    glowdeck_fake_lan_up
    desktop_enter_pidns "$here/run-xfce.sh" "$@"
fi

DESKTOP_NAME=xfce
DESKTOP_PROBE=$3
DESKTOP_CONTRAST=$4
DESKTOP_INPUT_PROBE=$5
session_init
session_start sim "$2" $GLOWDECK_LAN_BULBS
DESKTOP_SIM_LOG="$SESSION_DIR/sim.log"
session_wait 50 grep -q "listening" "$DESKTOP_SIM_LOG" || { cat "$DESKTOP_SIM_LOG"; exit 1; }
session_display
[ "$DBUS_SESSION_BUS_ADDRESS" != "disabled:" ] || { echo "no session bus"; exit 1; }
export XDG_CURRENT_DESKTOP=XFCE

# One panel on the top edge, light as light bars are: a clock, then the tray on the right.
# xfconfd, started by the bus, reads it from here.
channels="$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
mkdir -p "$channels"
cat >"$channels/xfce4-panel.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="length" type="uint" value="100"/>
      <property name="size" type="uint" value="28"/>
      <property name="icon-size" type="uint" value="20"/>
      <property name="background-style" type="uint" value="1"/>
      <property name="background-rgba" type="array">
        <value type="double" value="0.933333"/>
        <value type="double" value="0.933333"/>
        <value type="double" value="0.933333"/>
        <value type="double" value="1"/>
      </property>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
        <value type="int" value="2"/>
        <value type="int" value="3"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="clock"/>
    <property name="plugin-2" type="string" value="separator">
      <property name="expand" type="bool" value="true"/>
      <property name="style" type="uint" value="0"/>
    </property>
    <property name="plugin-3" type="string" value="systray">
      <property name="square-icons" type="bool" value="true"/>
    </property>
  </property>
</channel>
EOF
NO_AT_BRIDGE=1 session_start xfwm4 xfwm4 --compositor=off
NO_AT_BRIDGE=1 session_start panel xfce4-panel --disable-wm-check
watcher() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.ListNames | grep -q org.kde.StatusNotifierWatcher
}
session_wait 150 watcher || { echo "the panel's tray did not start"; cat "$SESSION_DIR/panel.log"; exit 1; }

desktop_click() {
    xdotool mousemove "$1" "$2" sleep 0.1 click "${3:-1}"
}
desktop_key() { xdotool key "$@"; }
desktop_type() { xdotool type --delay 50 "$1"; }
desktop_shot() { import -window root "$1"; }
DESKTOP_TRAY="980 0 300 28"

echo "clicks and keys: the X server's (XTEST), through xfce4-panel and xfwm4"
session_start app "$1"
desktop_checks
desktop_check_holds_nothing "$SESSION_PID_app"
desktop_summary || {
    echo "--- windows"
    xwininfo -root -tree | grep -i -E "glowdeck|panel|xfwm" | head -20
    echo "--- app.log"
    tail -n 20 "$SESSION_DIR/app.log"
    exit 1
}
