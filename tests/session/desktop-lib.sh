# What every desktop session proves, whatever draws the tray and whatever sends the clicks
# (source after tests/netns/fake-lan.sh and session-lib.sh). The session script provides:
#
#   desktop_click X Y [BUTTON]   a real pointer click at screen position X,Y
#   desktop_key NAME...          real key presses (Escape, Down, Return)
#   desktop_type TEXT            real key presses that type TEXT (digits and dots)
#   desktop_shot FILE            a screenshot of the whole screen as PNG
#
# and sets, before calling desktop_checks:
#
#   DESKTOP_NAME                 the screenshot is saved as session-$DESKTOP_NAME.png
#   DESKTOP_TRAY="X Y W H"       the region of the screen where the tray draws its icons
#   DESKTOP_SIM_LOG, DESKTOP_PROBE, DESKTOP_CONTRAST
#                                the simulator's request log, the probe and the contrast tool
#   DESKTOP_ICON_WINDOW          the icon's own window, where the tray embeds one (XEmbed)
#   DESKTOP_PICKER               when set, the colour picker is used beside the panel too
#
# Windows are found and measured on the X display (on Wayland, XWayland's), where the program
# runs. Every wait is bounded.

# Re-runs the script named by $1 (with the remaining arguments) in a PID namespace of its own:
# whatever the session starts, and whatever starts on its behalf (a service the bus starts),
# ends with the script.
desktop_enter_pidns() {
    script=$1
    shift
    GLOWDECK_SESSION_PIDNS=1 exec unshare --pid --fork --kill-child /bin/sh "$script" "$@"
}

# A session bus of this session's own, started in the user namespace its clients run in (a
# bus from outside fails their authentication).
desktop_session_bus() {
    session_start dbus dbus-daemon --session --nofork --address="unix:path=$SESSION_DIR/bus"
    session_wait 50 test -S "$SESSION_DIR/bus" || { echo "no session bus" >&2; return 1; }
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$SESSION_DIR/bus"
}

DESKTOP_STARTED=$(date +%s.%N)
DESKTOP_PASSED=0
DESKTOP_FAILED=0
DESKTOP_ICON_WINDOW=${DESKTOP_ICON_WINDOW:-}

desktop_check() {
    description=$1
    shift
    if "$@"; then
        DESKTOP_PASSED=$((DESKTOP_PASSED + 1))
        echo "ok: $description [$(desktop_elapsed)]"
    else
        DESKTOP_FAILED=$((DESKTOP_FAILED + 1))
        echo "FAILED: $description [$(desktop_elapsed)]"
    fi
}

# Seconds since the library was sourced.
desktop_elapsed() {
    awk -v a="$DESKTOP_STARTED" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f s", b - a }'
}

desktop_summary() {
    echo "$DESKTOP_PASSED passed, $DESKTOP_FAILED failed"
    [ "$DESKTOP_FAILED" -eq 0 ]
}

# The screen's size as SCREEN_W and SCREEN_H.
desktop_screen_size() {
    eval "$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print "SCREEN_W=" d[1] "; SCREEN_H=" d[2] }')"
}

# Finds the icon in the tray on a fresh screenshot: ICON_X, ICON_Y, ICON_W, ICON_H, and its
# contrast with the bar as CONTRAST.
desktop_find_icon() {
    desktop_shot "$SESSION_DIR/tray.png" || return 1
    # shellcheck disable=SC2086
    "$DESKTOP_CONTRAST" "$SESSION_DIR/tray.png" $DESKTOP_TRAY >"$SESSION_DIR/contrast.txt" ||
        return 1
    eval "$(awk '/^icon / { print "ICON_X=" $2 "; ICON_Y=" $3 "; ICON_W=" $4 "; ICON_H=" $5 }
                 /^contrast / { print "CONTRAST=" $2 }
                 /^background / { print "BAR=" $2 }' "$SESSION_DIR/contrast.txt")"
}

# The program's panel window, if one is shown, as PANEL.
desktop_find_panel() {
    PANEL=$(xdotool search --onlyvisible --class glowdeck 2>/dev/null | while read -r window; do
        [ "$window" = "$DESKTOP_ICON_WINDOW" ] && continue
        [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$DESKTOP_PICKER_TITLE" ] && continue
        eval "$(xdotool getwindowgeometry --shell "$window")"
        [ "$WIDTH" -ge 200 ] && echo "$window"
    done | head -n 1)
    [ -n "$PANEL" ]
}

desktop_panel_hidden() { ! desktop_find_panel; }

desktop_click_icon() {
    CLICK_X=$((ICON_X + ICON_W / 2))
    CLICK_Y=$((ICON_Y + ICON_H / 2))
    desktop_click "$CLICK_X" "$CLICK_Y" "$@"
}

# Whether the frame X,Y,WIDTH,HEIGHT lies wholly on the screen.
desktop_on_screen() {
    [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "$SCREEN_W" ] &&
        [ $((Y + HEIGHT)) -le "$SCREEN_H" ]
}

# Whether the click's x lies within 40 px of the frame's horizontal span.
desktop_near_click() {
    [ "$CLICK_X" -ge $((X - 40)) ] && [ "$CLICK_X" -le $((X + WIDTH + 40)) ]
}

# Requests that the simulator logged after line $1 with method $2 to address $3.
desktop_requests() {
    tail -n "+$(($1 + 1))" "$DESKTOP_SIM_LOG" | grep "\"method\":\"$2\"" | grep "\"to\":\"$3\"" ||
        true
}

desktop_stored() {
    for ip in $GLOWDECK_LAN_BULBS; do
        grep -q "$ip" "$XDG_CONFIG_HOME/Glowdeck/Glowdeck.conf" 2>/dev/null || return 1
    done
}

# The shown panel hides after $1 (a command), and opens again on the next click on the icon.
desktop_hides_after() {
    how=$1
    shift
    "$@"
    if ! session_wait 30 desktop_panel_hidden; then
        desktop_check "$how hides the panel" false
        ! command -v desktop_diagnose >/dev/null || desktop_diagnose
        desktop_key Escape
        session_wait 30 desktop_panel_hidden || return 1
    else
        desktop_check "$how hides the panel" true
    fi
    sleep 0.5 # a click this soon after a hide by focus loss would be ignored
    desktop_click_icon
    desktop_check "the next click on the icon opens it again" session_wait 50 desktop_find_panel
}

# The icon is in the tray and stands out from the bar.
desktop_check_icon() {
    # Each try takes a screenshot.
    desktop_check "the tray shows the icon" session_wait 30 desktop_find_icon
    [ -n "${ICON_X:-}" ] || return 1
    echo "icon at $ICON_X,$ICON_Y ${ICON_W}x$ICON_H on a bar of $BAR; contrast $CONTRAST:1"
    desktop_check "the icon stands out from the bar (contrast $CONTRAST, want at least 3)" \
        awk -v c="$CONTRAST" 'BEGIN { exit !(c >= 3) }'
}

# A click on the icon opens the panel (the first opening discovers the bulbs), on the screen
# and near the click. Leaves the panel's frame in X, Y, WIDTH, HEIGHT.
desktop_check_opens() {
    PANEL=""
    desktop_click_icon
    desktop_check "a click on the icon at $CLICK_X,$CLICK_Y opens the panel" \
        session_wait 50 desktop_find_panel
    [ -n "$PANEL" ] || return 1
    desktop_check "discovery finds and stores every bulb" session_wait 60 desktop_stored
    sleep 3.5 # the scan ends; the panel settles to its content
    desktop_screen_size
    session_geometry "$PANEL"
    echo "panel $PANEL at $X,$Y ${WIDTH}x$HEIGHT on a ${SCREEN_W}x$SCREEN_H screen"
    desktop_check "the panel lies wholly on the screen" desktop_on_screen
    desktop_check "the panel is within 40 px of the click horizontally" desktop_near_click
}

# A click on the shown panel's brightness track, three tenths along, sets that brightness on
# the selected light (the first one stored).
desktop_check_brightness() {
    session_geometry "$PANEL"
    selected=$(grep -o '10\.77\.0\.[0-9]*' "$XDG_CONFIG_HOME/Glowdeck/Glowdeck.conf" | head -n 1)
    track=$("$DESKTOP_PROBE" | awk '/^brightness / { print $2, $3, $4 }')
    if [ -z "$track" ]; then
        desktop_check "the probe finds the brightness slider" false
        return
    fi
    set -- $track
    before=$(wc -l <"$DESKTOP_SIM_LOG")
    desktop_click $((X + $1 + ($2 - $1) * 3 / 10)) $((Y + $3))
    dimmed() { desktop_requests "$before" setPilot "$selected" | grep -q '"dimming"'; }
    desktop_check "a click on the brightness slider sends setPilot to $selected" \
        session_wait 30 dimmed
    dimming=$(desktop_requests "$before" setPilot "$selected" | grep -o '"dimming":[0-9]*' |
        tail -n 1 | cut -d: -f2)
    desktop_check "with the brightness clicked (dimming ${dimming:-none}, want 37 +- 8)" \
        test "${dimming:-0}" -ge 29 -a "${dimming:-0}" -le 45
}

# The client area of window $1 in root coordinates, as X, Y, WIDTH, HEIGHT (a window manager's
# frame around it left out).
desktop_client_geometry() {
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print "X=" $NF }
        /Absolute upper-left Y/ { print "Y=" $NF } /Width:/ { print "WIDTH=" $NF }
        /Height:/ { print "HEIGHT=" $NF }')"
}

# The colour picker's title, in the session's language once the probe has said it.
DESKTOP_PICKER_TITLE=Colors

# The program's colour picker, if one is shown, as PICKER.
desktop_find_picker() {
    PICKER=$(xdotool search --onlyvisible --class glowdeck 2>/dev/null | while read -r window; do
        [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$DESKTOP_PICKER_TITLE" ] &&
            echo "$window"
    done | head -n 1)
    [ -n "$PICKER" ]
}

desktop_picker_hidden() { ! desktop_find_picker; }

# In colour mode, the more-colours button opens the colour picker beside the shown panel; a
# basic colour clicked there reaches the selected light (the first one stored) while the panel
# stays shown. A click elsewhere then hides the panel and the picker with it.
desktop_check_colour_picker() {
    session_geometry "$PANEL"
    selected=$(grep -o '10\.77\.0\.[0-9]*' "$XDG_CONFIG_HOME/Glowdeck/Glowdeck.conf" | head -n 1)
    # A probe that fails leaves lines out; the check below says so.
    "$DESKTOP_PROBE" >"$SESSION_DIR/probe.txt" 2>/dev/null || true
    mode=$(awk '/^colormode / { print $2, $3 }' "$SESSION_DIR/probe.txt")
    more=$(awk '/^morecolors / { print $2, $3 }' "$SESSION_DIR/probe.txt")
    picker=$(awk '/^picker / { print $2, $3, $4, $5, $6, $7, $8 }' "$SESSION_DIR/probe.txt")
    title=$(sed -n 's/^pickertitle //p' "$SESSION_DIR/probe.txt")
    DESKTOP_PICKER_TITLE=${title:-Colors}
    if [ -z "$mode" ] || [ -z "$more" ] || [ -z "$picker" ]; then
        desktop_check "the probe finds the colour controls" false
        return
    fi
    set -- $mode
    desktop_click $((X + $1)) $((Y + $2))
    sleep 0.5 # the panel fits itself to the colour rows
    set -- $more
    desktop_click $((X + $1)) $((Y + $2))
    PICKER=""
    desktop_check "the more-colours button opens the colour picker" \
        session_wait 50 desktop_find_picker
    [ -n "$PICKER" ] || return
    panel_x=$X panel_w=$WIDTH
    desktop_client_geometry "$PICKER"
    echo "colour picker $PICKER at $X,$Y ${WIDTH}x$HEIGHT"
    set -- $picker
    desktop_check "the picker is laid out as the probe measured it (${WIDTH}x$HEIGHT, want $3x$4)" \
        test "$WIDTH" -eq "$3" -a "$HEIGHT" -eq "$4"
    desktop_check "the picker lies beside the panel's sheet, not under it" \
        test $((X + WIDTH)) -le $((panel_x + 16)) -o "$X" -ge $((panel_x + panel_w - 16))
    red=$5 green=$6 blue=$7
    before=$(wc -l <"$DESKTOP_SIM_LOG")
    desktop_click $((X + $1)) $((Y + $2))
    coloured() {
        desktop_requests "$before" setPilot "$selected" | grep "\"r\":$red[,}]" |
            grep "\"g\":$green[,}]" | grep -q "\"b\":$blue[,}]"
    }
    desktop_check "a basic colour clicked in the picker sends setPilot with rgb $red,$green,$blue to $selected" \
        session_wait 30 coloured
    desktop_check "the panel stays shown while the picker is used" desktop_find_panel
    # Away from the bar, the panel and the picker.
    desktop_screen_size
    corner_y=$((SCREEN_H - 20))
    [ "$ICON_Y" -lt $((SCREEN_H / 2)) ] || corner_y=60
    desktop_click 20 "$corner_y"
    desktop_check "a click elsewhere hides the panel" session_wait 30 desktop_panel_hidden
    desktop_check "and the colour picker with it" session_wait 30 desktop_picker_hidden
    sleep 0.5 # a click this soon after a hide by focus loss would be ignored
    desktop_click_icon
    desktop_check "the next click on the icon opens the panel again" \
        session_wait 50 desktop_find_panel
}

# The options menu opens under its button, and its first entry opens the add-light form, which
# takes the keyboard: an address typed there and confirmed with Return is stored.
desktop_check_typing() {
    session_geometry "$PANEL"
    button=$("$DESKTOP_PROBE" | awk '/^options / { print $2, $3 }')
    if [ -z "$button" ]; then
        desktop_check "the probe finds the options button" false
        return
    fi
    set -- $button
    desktop_click $((X + $1)) $((Y + $2))
    sleep 0.5
    desktop_key Down Return
    sleep 0.5
    desktop_type 10.77.0.14
    desktop_key Return
    desktop_check "an address typed into the add-light form is stored" \
        session_wait 30 grep -q "10\.77\.0\.14" "$XDG_CONFIG_HOME/Glowdeck/Glowdeck.conf"
}

# A second click on the icon, Escape and a click elsewhere each hide the shown panel.
desktop_check_hiding() {
    desktop_hides_after "a second click on the icon" desktop_click_icon
    desktop_hides_after "Escape" desktop_key Escape
    # Far from the icon and the panel: the desktop, away from the bar.
    desktop_screen_size
    elsewhere_y=$((SCREEN_H - 100))
    [ "$ICON_Y" -lt $((SCREEN_H / 2)) ] || elsewhere_y=100
    # As a user would: GNOME maps the window that catches clicks on the desktop a moment after
    # the panel.
    sleep 0.5
    desktop_hides_after "a click elsewhere (at 100,$elsewhere_y)" desktop_click 100 "$elsewhere_y"
}

desktop_checks() {
    desktop_check_icon || return 1
    desktop_check_opens || return 1
    desktop_check_brightness
    sleep 0.5
    desktop_shot "$GLOWDECK_SESSION_SHOTS/session-$DESKTOP_NAME.png"
    [ -z "${DESKTOP_PICKER:-}" ] || desktop_check_colour_picker
    desktop_check_typing
    desktop_check_hiding
    echo "the session took $(desktop_elapsed)"
}

# Opens the panel unless it is shown.
desktop_panel_shown() {
    desktop_find_panel && return 0
    sleep 0.5 # a click this soon after a hide by focus loss would be ignored
    desktop_click_icon
    session_wait 50 desktop_find_panel
}

# The shown panel holds nothing that other programs need (X11 sessions; the program's process
# id in $1, the input probe in DESKTOP_INPUT_PROBE): another client's pointer and keyboard
# grabs, made without taking the focus, succeed at once; a screen locker locks, and the panel
# hides; with the program stopped, a click on another window reaches that window, and hides the
# panel once the program runs again. Leaves the panel shown.
desktop_check_holds_nothing() {
    app_pid=$1
    desktop_panel_shown || { desktop_check "the panel opens for the grab checks" false; return; }
    desktop_check "another client's pointer and keyboard grabs succeed within 0.2 s" \
        "$DESKTOP_INPUT_PROBE" grab 200

    desktop_panel_shown || { desktop_check "the panel opens for the locker" false; return; }
    session_start locker i3lock -n
    sleep 1.5 # i3lock gives up after about half a second without its grabs
    desktop_check "i3lock -n locks the screen over the shown panel" kill -0 "$SESSION_PID_locker"
    desktop_check "and holds the pointer then (the probe's grab is refused)" \
        sh -c "! '$DESKTOP_INPUT_PROBE' grab 200"
    desktop_check "the panel hides as the screen locks" session_wait 30 desktop_panel_hidden
    session_stop_pid "$SESSION_PID_locker"

    desktop_panel_shown || { desktop_check "the panel opens for the stop check" false; return; }
    desktop_screen_size
    # Lower left, away from the panel and the bars.
    session_start target "$DESKTOP_INPUT_PROBE" click 40 $((SCREEN_H - 240)) 160 160 20
    session_wait 50 grep -q ready "$SESSION_DIR/target.log" ||
        { desktop_check "the probe's window is shown" false; return; }
    kill -STOP "$app_pid"
    desktop_click 120 $((SCREEN_H - 160))
    desktop_check "with the program stopped, a click on another window reaches it" \
        session_wait 30 grep -q "pressed at" "$SESSION_DIR/target.log"
    kill -CONT "$app_pid"
    desktop_check "once the program runs again, that click hides the panel" \
        session_wait 30 desktop_panel_hidden
    session_stop_pid "$SESSION_PID_target"
    desktop_check "the next click on the icon opens it again" desktop_panel_shown
}
