#!/bin/sh
# The whole program on GNOME: a headless GNOME Shell on Wayland with the AppIndicator extension
# (the tray most GNOME users have), the program on XWayland, simulated bulbs on a fake LAN, all
# inside a private network namespace this script makes. Pointer clicks and key presses come
# from virtual input devices that the shell creates on its own seat, so they travel the path a
# mouse's do: through the shell's picking to the top bar, the extension's icon or XWayland.
# A test-only extension (written in the form the installed shell loads) puts the shell in its
# unsafe mode, which opens its Eval and Screenshot interfaces to this script. Besides the checks
# of desktop-lib.sh: the panel hangs from the top bar, from the icon's own place as the tray
# told the program, is in neither the window switcher nor the dash, and after a click on the
# shell's own chrome (the clock), which XWayland's clients cannot see, the next click outside
# hides it; where the extension's XEmbed tray can be turned off, the program's
# StatusNotifierItem stands in for its icon meanwhile; the shell logs no failed activation. The
# screenshot goes to $GLOWDECK_SESSION_SHOTS (default: docs/ of the source tree) as
# session-gnome.png.
#
#   run-gnome.sh path/to/glowdeck path/to/glowdeck-sim path/to/glowdeck_session_probe \
#       path/to/glowdeck_tray_icon_contrast
#
# GLOWDECK_SESSION_VARIANT=dark: GNOME set to prefer dark, with the desktop portal (its GNOME
# and GTK backends) on the session bus: the panel opens dark under its icon and turns light
# while shown when the preference changes (screenshot session-gnome-dark.png).
#
# Without a namespace it prints SKIPPED and exits 77 (1 when GLOWDECK_REQUIRE_NETNS=1).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
. "$here/session-prologue.sh"
. "$here/private-session.sh"

session_require_tools gnome-shell gdbus dbus-daemon xdotool xprop xwininfo xdpyinfo convert \
    dbus-update-activation-environment
[ -d /usr/share/gnome-shell/extensions/ubuntu-appindicators@ubuntu.com ] ||
    glowdeck_netns_skip "the AppIndicator extension (gnome-shell-extension-appindicator) is not installed"
glowdeck_netns_enter "$here/run-gnome.sh" "$@"
if [ "$(id -u)" -eq 0 ]; then
    glowdeck_netns_require_fresh
    glowdeck_fake_lan_up
    private_session_enter "$here/run-gnome.sh" "$@"
fi

DESKTOP_NAME=gnome
DESKTOP_APP_PATH=$1
DESKTOP_PROBE=$3
DESKTOP_CONTRAST=$4
session_started=$(date +%s)
session_init
session_start sim "$2" $GLOWDECK_LAN_BULBS
DESKTOP_SIM_LOG="$SESSION_DIR/sim.log"
session_wait 50 grep -q "listening" "$DESKTOP_SIM_LOG" || { cat "$DESKTOP_SIM_LOG"; exit 1; }
desktop_session_bus
# The shell's login-manager code gives up without a system bus: one of this session's own.
session_start systembus dbus-daemon --session --nofork --address="unix:path=$SESSION_DIR/system-bus"
session_wait 50 test -S "$SESSION_DIR/system-bus" || { echo "no system bus"; exit 1; }
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$SESSION_DIR/system-bus"

# Settings in a key file of this session's own; the shell reads them from there too.
export GSETTINGS_BACKEND=keyfile
test_extension=glowdeck-session-test@glowdeck
extension_dir="$HOME/.local/share/gnome-shell/extensions/$test_extension"
mkdir -p "$extension_dir"
# GNOME Shell 45 and later load extensions only as ES modules; earlier ones only as scripts.
shell_major=$(gnome-shell --version | sed -n 's/^GNOME Shell \([0-9]*\).*/\1/p')
[ -n "$shell_major" ] || { echo "cannot tell GNOME Shell's version"; exit 1; }
cat >"$extension_dir/metadata.json" <<EOF
{ "uuid": "$test_extension", "name": "Glowdeck session test",
  "description": "Opens the shell's Eval and Screenshot interfaces to the session test.",
  "shell-version": ["$shell_major"] }
EOF
if [ "$shell_major" -ge 45 ]; then
    cat >"$extension_dir/extension.js" <<'EOF'
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

export default class extends Extension {
    enable() { global.context.unsafe_mode = true; }
    disable() {}
}
EOF
else
    cat >"$extension_dir/extension.js" <<'EOF'
function init() {
    return { enable() { global.context.unsafe_mode = true; }, disable() {} };
}
EOF
fi
gsettings set org.gnome.shell enabled-extensions \
    "['ubuntu-appindicators@ubuntu.com', '$test_extension']"
gsettings set org.gnome.shell welcome-dialog-last-shown-version "'999'"

export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME
variant=${GLOWDECK_SESSION_VARIANT:-}
if [ "$variant" = dark ]; then
    [ -x /usr/libexec/xdg-desktop-portal ] || glowdeck_netns_skip "xdg-desktop-portal is not installed"
    DESKTOP_NAME=gnome-dark
    gsettings set org.gnome.desktop.interface color-scheme "'prefer-dark'"
    # Which backends serve GNOME, as GNOME's session package says from portal 1.18 on (without
    # it the GTK backend alone answers, and it has no colour scheme).
    mkdir -p "$XDG_CONFIG_HOME/xdg-desktop-portal"
    printf '[preferred]\ndefault=gnome;gtk;\n' >"$XDG_CONFIG_HOME/xdg-desktop-portal/gnome-portals.conf"
    # The portal and its backends start on the bus's demand, with the session's settings.
    # (The shell may ask for the portal as it starts: before it.)
    dbus-update-activation-environment GSETTINGS_BACKEND XDG_CURRENT_DESKTOP XDG_SESSION_TYPE \
        HOME XDG_CONFIG_HOME XDG_RUNTIME_DIR WAYLAND_DISPLAY=wayland-0
fi

NO_AT_BRIDGE=1 session_start shell gnome-shell --headless --wayland --virtual-monitor 1280x800 \
    --sm-disable

# Runs JavaScript in the shell; prints what it returns (a string, without its quotes).
gnome_eval() {
    reply=$(gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.gnome.Shell.Eval "$1" 2>/dev/null) || return 1
    case $reply in
    "(true, "*) ;;
    *) echo "$reply" >&2; return 1 ;;
    esac
    printf '%s\n' "$reply" | sed -e "s/^(true, '//" -e "s/')\$//" -e 's/^"//' -e 's/"$//'
}
shell_up() { [ "$(gnome_eval 'Main.layoutManager._startingUp')" = false ]; }
session_wait 600 shell_up ||
    { echo "GNOME Shell did not start"; tail -n 30 "$SESSION_DIR/shell.log"; exit 1; }
echo "GNOME Shell is up after $(($(date +%s) - session_started)) s"

# The desktop as a user sees it after logging in: no overview, no notifications, no sign of
# the unsafe mode in the top bar. Then a virtual pointer and keyboard on the shell's seat, and
# helpers that drive them.
gnome_eval "
const { Clutter, GLib } = imports.gi;
Main.overview.hide();
Main.messageTray.getSources().forEach(source => source.destroy());
Main.panel.statusArea.quickSettings._unsafeMode._indicator.hide();
const seat = Clutter.get_default_backend().get_default_seat();
const pointer = seat.create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);
const keyboard = seat.create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
let time = GLib.get_monotonic_time();
const next = ms => (time = Math.max(time + ms * 1000, GLib.get_monotonic_time()));
global.glowdeckTest = {
    click(x, y, button) {
        pointer.notify_absolute_motion(next(0), x, y);
        pointer.notify_button(next(10), button, Clutter.ButtonState.PRESSED);
        pointer.notify_button(next(60), button, Clutter.ButtonState.RELEASED);
        return 'clicked';
    },
    // Keys by name (Escape, Down, Return) or, with a text, the keys that type it.
    keys(names) {
        names.forEach(name => this.press(Clutter['KEY_' + name]));
        return 'pressed';
    },
    type(text) {
        [...text].forEach(c => this.press(Clutter.unicode_to_keysym(c.charCodeAt(0))));
        return 'typed';
    },
    press(keyval) {
        keyboard.notify_keyval(next(0), keyval, Clutter.KeyState.PRESSED);
        keyboard.notify_keyval(next(30), keyval, Clutter.KeyState.RELEASED);
        next(50);
    },
    box(actor) {
        const [x, y] = actor.get_transformed_position();
        const [w, h] = actor.get_transformed_size();
        return [x, y, w, h].map(Math.round).join(' ');
    },
    // The button's width, the bar's height: the button of an XEmbed icon is only as tall as
    // the icon for a while after it is added.
    trayRegion() {
        const button = this.indicator();
        if (!button)
            return '';
        const [x] = button.get_transformed_position();
        const [w] = button.get_transformed_size();
        const [, y] = Main.panel.get_transformed_position();
        return [x, y, w, Main.panel.height].map(Math.round).join(' ');
    },
    indicator() {
        const key = Object.keys(Main.panel.statusArea).find(k => k.startsWith('appindicator-'));
        return key ? Main.panel.statusArea[key] : null;
    },
};
'ready'" >/dev/null || { echo "the test extension did not open the shell"; exit 1; }
sleep 0.5 # the overview's animation

# XWayland's display, as programs that the shell starts see it, with its key.
DISPLAY=$(gnome_eval 'imports.gi.GLib.getenv("DISPLAY")')
XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1)
WAYLAND_DISPLAY=wayland-0
export DISPLAY XAUTHORITY WAYLAND_DISPLAY
session_wait 100 xdpyinfo || { echo "XWayland does not answer"; exit 1; }

# The panel, as desktop-lib.sh finds it, leaving out the window the program lays over the
# desktop background while the panel is shown.
desktop_find_panel() {
    PANEL=$(xdotool search --onlyvisible --class glowdeck 2>/dev/null | while read -r window; do
        xprop -id "$window" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DESKTOP && continue
        eval "$(xdotool getwindowgeometry --shell "$window")"
        [ "$WIDTH" -ge 200 ] && echo "$window"
    done | head -n 1)
    [ -n "$PANEL" ]
}

# Which window has the keyboard, and where the program's windows are.
desktop_diagnose() {
    gnome_eval 'global.get_window_actors().map(a => a.meta_window).map(w => [w.get_wm_class(),
        w.get_frame_rect().x, w.get_frame_rect().y, w.get_window_type(), w.skip_taskbar,
        w.has_focus(), w.get_user_time()].join(" ")).join("; ") + "; user time " +
        global.display.get_last_user_time?.()' || true
}

desktop_click() { gnome_eval "global.glowdeckTest.click($1, $2, ${3:-1})" >/dev/null; }
desktop_key() {
    names=$(printf "'%s'," "$@")
    gnome_eval "global.glowdeckTest.keys([${names%,}])" >/dev/null
}
desktop_type() { gnome_eval "global.glowdeckTest.type('$1')" >/dev/null; }
desktop_shot() {
    gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell/Screenshot \
        --method org.gnome.Shell.Screenshot.Screenshot false false "$1" >/dev/null
}

session_start app "$DESKTOP_APP_PATH"
DESKTOP_APP=$SESSION_PID_app
# Where the extension's button for the program's icon lies, across the top bar.
indicator_box() {
    DESKTOP_TRAY=$(gnome_eval 'global.glowdeckTest.trayRegion()')
    echo "$DESKTOP_TRAY" | grep -q '^[0-9]* [0-9]* [1-9][0-9]* [1-9][0-9]*$'
}
desktop_check "the AppIndicator extension shows the program's item" session_wait 100 indicator_box
[ -n "${DESKTOP_TRAY:-}" ] || {
    gnome_eval 'Object.keys(Main.panel.statusArea).join(" ")' || true
    echo "--- app.log"; tail -n 30 "$SESSION_DIR/app.log"
    echo "--- shell.log"; tail -n 30 "$SESSION_DIR/shell.log"
    exit 1
}
echo "the item's button at $DESKTOP_TRAY: $(gnome_eval 'Object.keys(Main.panel.statusArea).filter(k => k.startsWith("appindicator-")).join(" ")')"
if [ "$variant" = dark ]; then
    # The sheet's luminance (0 to 1) on a fresh screenshot: a strip inside its left edge,
    # beside the content.
    sheet_luminance() {
        desktop_shot "$SESSION_DIR/sheet.png" && session_geometry "$PANEL" &&
            convert "$SESSION_DIR/sheet.png" -crop "6x200+$((X + 19))+$((Y + 120))" +repage \
                -scale '1x1!' -format '%[fx:luminance]' info:
    }
    sheet_is() {
        luminance=$(sheet_luminance) || return 1
        awk -v l="$luminance" -v want="$1" 'BEGIN { exit !(want == "dark" ? l < 0.3 : l > 0.6) }'
    }
    desktop_check_icon && desktop_check_opens || { tail -n 30 "$SESSION_DIR/app.log"; exit 1; }
    desktop_shot "$GLOWDECK_SESSION_SHOTS/session-$DESKTOP_NAME.png"
    desktop_check "the panel is dark, as GNOME prefers" session_wait 50 sheet_is dark
    echo "sheet luminance $(sheet_luminance)"
    # What the portal announces, for a failure's diagnosis.
    session_start portal_signals dbus-monitor --session \
        "type='signal',interface='org.freedesktop.portal.Settings',member='SettingChanged'"
    sleep 0.3
    gsettings set org.gnome.desktop.interface color-scheme "'prefer-light'"
    desktop_check "the shown panel turns light when GNOME prefers light" session_wait 50 sheet_is light
    sheet_is light || { echo "--- the portal's SettingChanged signals"; cat "$SESSION_DIR/portal_signals.log"; }
    echo "sheet luminance $(sheet_luminance)"
    desktop_check "and stays shown" desktop_find_panel
    desktop_summary || { tail -n 30 "$SESSION_DIR/app.log"; exit 1; }
    exit
fi
desktop_checks || { echo "--- app.log"; tail -n 30 "$SESSION_DIR/app.log"; exit 1; }

# The panel hung from the icon's own place, as the tray told the program, not from a guess:
# the first anchor in the program's log holds the middle of the icon found on the screen.
anchor=$(sed -n 's/.*for the anchor QRect(\([-0-9]*\),\([-0-9]*\) \([0-9]*\)x\([0-9]*\)).*/\1 \2 \3 \4/p' \
    "$SESSION_DIR/app.log" | head -n 1)
holds_icon() {
    # shellcheck disable=SC2086
    set -- $anchor
    [ $# -eq 4 ] && [ "$CLICK_X" -ge "$1" ] && [ "$CLICK_X" -lt $(($1 + $3)) ] &&
        [ "$CLICK_Y" -ge "$2" ] && [ "$CLICK_Y" -lt $(($2 + $4)) ]
}
desktop_check "the panel's anchor (${anchor:-none}) holds the icon's middle ($CLICK_X,$CLICK_Y)" \
    holds_icon

# The panel, shown: opened by a click on the icon unless it is shown already.
panel_shown() {
    desktop_find_panel && return 0
    desktop_click_icon
    session_wait 50 desktop_find_panel
}

# The panel hangs from the top bar: its frame starts within its margin of the bar's bottom edge.
bar_bottom=$(gnome_eval 'Main.panel.get_transformed_position()[1] + Main.panel.height')
if panel_shown; then
    session_geometry "$PANEL"
    desktop_check "the panel hangs from the top bar (top $Y, bar ends at $bar_bottom)" \
        test "$Y" -ge $((bar_bottom - 16)) -a "$Y" -le "$bar_bottom"
fi

# A click on the shell's own chrome: the clock opens the calendar, a menu of the shell's. The
# shell then holds the keyboard, but XWayland's clients are told nothing (no focus change, no
# event, not even to a client holding a pointer grab), so the panel stays; the next click
# outside it (the first one closes the calendar) hides it.
calendar_open() { [ "$(gnome_eval 'Main.panel.statusArea.dateMenu.menu.isOpen')" = true ]; }
if panel_shown; then
    set -- $(gnome_eval 'global.glowdeckTest.box(Main.panel.statusArea.dateMenu)')
    desktop_click $(($1 + $3 / 2)) $(($2 + $4 / 2))
    desktop_check "a click on the clock opens the calendar" session_wait 30 calendar_open
    sleep 0.5
    desktop_check "the panel stays shown, as XWayland learns nothing of the click" desktop_find_panel
    desktop_click 100 700
    closed() { ! calendar_open; }
    desktop_check "a click on the desktop closes the calendar" session_wait 30 closed
    desktop_click 100 700
    desktop_check "and the next one hides the panel" session_wait 30 desktop_panel_hidden
else
    desktop_check "the panel opens for the click on the clock" false
fi

sleep 0.5 # a click this soon after a hide by focus loss would be ignored

# The window switcher lists the tab list's windows that do not skip the task bar; the dash and
# the application switcher list the applications that the window tracker finds running.
panel_shown || desktop_check "the panel opens for the window lists" false
switcher=$(gnome_eval '
global.display.get_tab_list(imports.gi.Meta.TabList.NORMAL_ALL, null)
    .filter(w => !w.skip_taskbar).map(w => w.get_wm_class()).join(",")')
dash=$(gnome_eval '
imports.gi.Shell.AppSystem.get_default().get_running().map(app => app.get_name()).join(",")')
echo "the window switcher lists: ${switcher:-nothing}; the dash: ${dash:-nothing}"
unlisted() { ! echo "$1" | grep -q -i glowdeck; }
desktop_check "the panel is not in the window switcher" unlisted "$switcher"
desktop_check "the program is not in the dash" unlisted "$dash"

# Where the extension's XEmbed tray can be turned off (legacy-tray-enabled, from version 59 on),
# the program's StatusNotifierItem stands in for the icon meanwhile, and the icon comes back with
# the tray, opening the panel again at one click; never both.
tray_schema=org.gnome.shell.extensions.appindicator
if gsettings list-keys "$tray_schema" 2>/dev/null | grep -qx legacy-tray-enabled; then
    desktop_key Escape
    session_wait 30 desktop_panel_hidden || true
    shown_as() {
        keys=$(gnome_eval 'Object.keys(Main.panel.statusArea)
            .filter(k => k.startsWith("appindicator-")).join(" ")')
        case $keys in
        "appindicator-$1"*" "*) return 1 ;;
        "appindicator-$1"*) return 0 ;;
        *) return 1 ;;
        esac
    }
    gsettings set "$tray_schema" legacy-tray-enabled false
    desktop_check "with the XEmbed tray off, the StatusNotifierItem alone stands for the program" \
        session_wait 50 shown_as org.kde.StatusNotifierItem-
    # The extension activates an item on a double click only.
    sleep 0.5
    if indicator_box && desktop_find_icon; then
        desktop_click_icon
        desktop_click_icon
        desktop_check "a double click on the item opens the panel" session_wait 50 desktop_find_panel
        desktop_key Escape
        session_wait 30 desktop_panel_hidden || true
    else
        desktop_check "the item is in the bar" false
    fi
    gsettings set "$tray_schema" legacy-tray-enabled true
    desktop_check "with the tray back, the docked icon alone" session_wait 50 shown_as legacy:
    sleep 0.5 # the icon settles in the bar
    if indicator_box && desktop_find_icon; then
        desktop_click_icon
        desktop_check "one click on it opens the panel" session_wait 50 desktop_find_panel
    else
        desktop_check "the docked icon is back in the bar" false
    fi
fi

# Every click went to the icon without an error the extension would log as critical (it logs
# one for each failed Activate call).
activation_clean() { ! grep -q "failed to activate" "$SESSION_DIR/shell.log"; }
desktop_check "the shell logs no failed activation" activation_clean

echo "the session took $(($(date +%s) - session_started)) s"
desktop_summary || {
    echo "--- windows"
    gnome_eval 'global.get_window_actors().map(a => a.meta_window).map(w => [w.get_wm_class(),
        w.get_frame_rect().x, w.get_frame_rect().y, w.get_window_type(), w.skip_taskbar,
        w.has_focus()].join(" ")).join("; ")' || true
    echo "--- app.log"
    tail -n 20 "$SESSION_DIR/app.log"
    exit 1
}
