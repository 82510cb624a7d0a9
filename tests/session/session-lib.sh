# Shell functions for running the program on a private X server inside a private network
# namespace (see tests/netns/fake-lan.sh, which must be sourced first). Every process started
# here is recorded and ended by its PID; every wait is bounded.
#
#   session_init                 # work folder, private HOME and configuration, cleanup trap
#   session_start NAME CMD...    # runs CMD in the background, output in $SESSION_DIR/NAME.log
#   session_wait TENTHS CMD...   # retries CMD every 0.1 s, at most TENTHS times
#   session_desktop              # Xvfb, a compositor, a session bus, then session_tray
#   session_display              # the same without the tray
#   session_tray                 # an XEmbed tray at the right of the top edge of the screen
#                                # (the bottom edge when SESSION_TRAY_EDGE=bottom), in the
#                                # colour SESSION_TRAY_TINT (0xrrggbb) when set; its icons
#                                # aligned as SESSION_TRAY_ALIGN says (right, center, left), on
#                                # monitor SESSION_TRAY_MONITOR (0 by default), its bar
#                                # SESSION_TRAY_HEIGHT pixels high (28)
#
# SESSION_SCREEN sets Xvfb's screen (1280x800x24), SESSION_XVFB_ARGS adds options to it.

SESSION_PIDS=""
SESSION_DIR=""

session_init() {
    SESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/glowdeck-session.XXXXXX")
    mkdir -p "$SESSION_DIR/home" "$SESSION_DIR/config" "$SESSION_DIR/runtime"
    chmod 700 "$SESSION_DIR/runtime"
    export HOME="$SESSION_DIR/home"
    export XDG_CONFIG_HOME="$SESSION_DIR/config"
    export XDG_RUNTIME_DIR="$SESSION_DIR/runtime"
    export DBUS_SESSION_BUS_ADDRESS="disabled:"
    # The program's app.log then says why the panel opened or hid.
    export QT_LOGGING_RULES="glowdeck.panel.debug=true"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE
    trap session_cleanup EXIT
    trap 'exit 130' INT TERM HUP PIPE
}

session_start() {
    name=$1
    shift
    "$@" >"$SESSION_DIR/$name.log" 2>&1 &
    SESSION_PIDS="$! $SESSION_PIDS"
    eval "SESSION_PID_$name=$!"
}

# Ends one process started by session_start: TERM, then KILL after 3 s.
session_stop_pid() {
    pid=$1
    kill -TERM "$pid" 2>/dev/null || return 0
    i=0
    while kill -0 "$pid" 2>/dev/null && [ $i -lt 30 ]; do
        sleep 0.1
        i=$((i + 1))
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

session_cleanup() {
    for pid in $SESSION_PIDS; do
        session_stop_pid "$pid"
    done
    SESSION_PIDS=""
    if [ -n "$SESSION_DIR" ] && [ -z "${SESSION_KEEP:-}" ]; then
        rm -rf "$SESSION_DIR"
    fi
}

session_wait() {
    tries=$1
    shift
    i=0
    while [ $i -lt "$tries" ]; do
        if "$@" >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
        i=$((i + 1))
    done
    return 1
}

session_require_tools() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || glowdeck_netns_skip "$tool is not installed"
    done
}

session_desktop() {
    session_display
    session_tray
}

session_display() {
    # Xvfb picks a free display itself and writes its number to descriptor 3.
    session_start xvfb sh -c 'exec Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp $3 3>"$2"' \
        xvfb "${SESSION_SCREEN:-1280x800x24}" "$SESSION_DIR/display" "${SESSION_XVFB_ARGS:-}"
    session_wait 100 grep -q '[0-9]' "$SESSION_DIR/display" ||
        { echo "Xvfb did not start" >&2; return 1; }
    DISPLAY=":$(head -n 1 "$SESSION_DIR/display")"
    export DISPLAY
    session_wait 100 xdpyinfo || { echo "Xvfb does not answer" >&2; return 1; }
    session_start xcompmgr xcompmgr
    if command -v dbus-daemon >/dev/null 2>&1; then
        session_start dbus dbus-daemon --session --nofork --address="unix:path=$SESSION_DIR/bus"
        if session_wait 50 test -S "$SESSION_DIR/bus"; then
            export DBUS_SESSION_BUS_ADDRESS="unix:path=$SESSION_DIR/bus"
        fi
    fi
}

session_tray() {
    background="--transparent false"
    [ -z "${SESSION_TRAY_TINT:-}" ] || background="--transparent true --alpha 0 --tint $SESSION_TRAY_TINT"
    # shellcheck disable=SC2086
    session_start trayer trayer --edge "${SESSION_TRAY_EDGE:-top}" --align "${SESSION_TRAY_ALIGN:-right}" \
        --monitor "${SESSION_TRAY_MONITOR:-0}" --widthtype pixel --width 120 --height "${SESSION_TRAY_HEIGHT:-28}" \
        --SetDockType true $background
    # The tray's panel window is there once it is up.
    session_wait 100 sh -c 'xwininfo -root -tree | grep -q "\"panel\": (\"panel\" \"trayer\")"'
}

# The shell variables X, Y, WIDTH, HEIGHT of window $1 in root coordinates.
session_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
}

# Whether window $1 is mapped and viewable.
session_viewable() {
    xwininfo -id "$1" 2>/dev/null | grep -q "IsViewable"
}
