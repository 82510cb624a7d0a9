#!/bin/sh
# The verbs against simulated bulbs on 127.0.0.2-4 (.4 rejects commands) and a saved light on
# .5, a white bulb, that nobody answers for: one table of verb, datagrams the bulbs receive and exit status,
# run with no Glowdeck (the verb does the work itself) and again with one running on a private
# session bus (the verb hands over to it; its datagrams all come from the one socket). Then the
# bus interface itself, and 50 toggles from a held key. Runs in a network namespace of its own
# with only lo up, so nothing can leave the machine.
#
#   verbs.sh path/to/glowdeck path/to/glowdeck-sim
set -eu

if [ $# -lt 2 ]; then
    echo "usage: $0 path/to/glowdeck path/to/glowdeck-sim" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
app=$1
sim=$2

if [ "${GLOWDECK_VERBS_STAGE:-}" = "" ]; then
    . "$here/../netns/fake-lan.sh"
    for tool in dbus-run-session gdbus strace; do
        command -v "$tool" >/dev/null 2>&1 || glowdeck_netns_skip "$tool is missing"
    done
    glowdeck_netns_enter "$here/verbs.sh" "$@"
    glowdeck_netns_require_fresh
    ip link set lo up
    work=$(mktemp -d)
    trap 'kill "$simulator" 2>/dev/null; wait; rm -rf "$work"' EXIT
    mkdir -p "$work/home/.config/Glowdeck" "$work/run"
    chmod 700 "$work/run"
    cat >"$work/home/.config/Glowdeck/Glowdeck.conf" <<'CONF'
[General]
bulbs="@ByteArray([{\"ip\":\"127.0.0.2\",\"name\":\"Desk Lamp\"},{\"ip\":\"127.0.0.3\",\"name\":\"Desk Strip\"},{\"ip\":\"127.0.0.4\",\"name\":\"Kitchen\"},{\"ip\":\"127.0.0.5\",\"name\":\"Porch\",\"module\":\"ESP05_SHDW_21\"}])"
CONF
    "$sim" --no-broadcast --duration 120 --fault 127.0.0.4=reject@setPilot \
        127.0.0.2 127.0.0.3 127.0.0.4 >"$work/sim.log" 2>/dev/null &
    simulator=$!
    export GLOWDECK_VERBS_WORK="$work" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
        XDG_RUNTIME_DIR="$work/run"
    unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
    # The texts below are the verbs' in English; a row may ask for another language.
    unset LANGUAGE LC_ALL LC_MESSAGES
    export LANG=C.UTF-8
    status=0
    GLOWDECK_VERBS_STAGE=alone /bin/sh "$here/verbs.sh" "$@" || status=1
    # The bus's own chatter (services it starts for the program) goes to a log.
    GLOWDECK_VERBS_STAGE=instance dbus-run-session -- /bin/sh "$here/verbs.sh" "$@" \
        2>"$work/bus.log" || status=1
    exit "$status"
fi

work=$GLOWDECK_VERBS_WORK
stage=$GLOWDECK_VERBS_STAGE
failed=0
fail() {
    echo "FAILED ($stage): $*"
    failed=1
}

if [ "$stage" = instance ]; then
    # In German: what it answers on the bus stays as written, for the scripts that read it.
    LANGUAGE=de QT_QPA_PLATFORM=offscreen "$app" >"$work/app.log" 2>&1 &
    instance=$!
    trap 'kill "$instance" 2>/dev/null; wait "$instance" 2>/dev/null' EXIT
    tries=0
    until gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner io.github.glowdeck.Glowdeck 2>/dev/null |
        grep -q true; do
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || {
            echo "FAILED: Glowdeck did not appear on the bus: $(cat "$work/app.log")"
            exit 1
        }
        sleep 0.1
    done
fi

# The setPilot datagrams the bulbs received since line $1 of the simulator's log, as ip=params,
# by bulb (each bulb's in the order received: the simulator may read two bulbs' in either order).
commands_since() {
    tail -n "+$(($1 + 1))" "$work/sim.log" | grep '"method":"setPilot"' |
        sed 's/.*"bulb":"\([^"]*\)".*"from":"\([^"]*\)".*"params":\({[^}]*}\).*/\1=\3 \2/' |
        while read -r command from; do
            echo "$from" >>"$work/senders"
            echo "$command"
        done | sort -s -t= -k1,1 | tr '\n' ' '
}

: >"$work/senders"
# [LANGUAGE=xx] arguments | exit status | datagrams (ip=params, in order) | text in the output
while IFS='|' read -r arguments want datagrams text; do
    before=$(wc -l <"$work/sim.log")
    status=0
    eval "set -- $arguments"
    language=
    case $1 in LANGUAGE=*)
        language=${1#LANGUAGE=}
        shift
        ;;
    esac
    row=$((${row:-0} + 1))
    LANGUAGE=$language "$app" "$@" >"$work/row-$stage-$row.out" 2>"$work/row-$stage-$row.err" || status=$?
    cat "$work/row-$stage-$row.out" "$work/row-$stage-$row.err" >"$work/out"
    sleep 0.05 # the last datagram's line reaches the log
    got=$(commands_since "$before")
    [ "$status" = "$want" ] || fail "'$arguments' exits $status, not $want: $(cat "$work/out")"
    [ "$got" = "$datagrams" ] || fail "'$arguments' sends '$got', not '$datagrams'"
    grep -qF -- "$text" "$work/out" || fail "'$arguments' does not say '$text': $(cat "$work/out")"
    # The running program's failures and usage errors read as the verb's own. (The states on
    # standard output follow the bulbs, which keep theirs from the first round.)
    if [ "$stage" = instance ]; then
        cmp -s "$work/row-alone-$row.err" "$work/row-instance-$row.err" ||
            fail "'$arguments' says '$(cat "$work/row-instance-$row.err")', alone '$(cat "$work/row-alone-$row.err")'"
    fi
done <<'TABLE'
on|0|127.0.0.2={"state":true} |Desk Lamp (127.0.0.2): on, 100 %
brightness 40 127.0.0.3|0|127.0.0.3={"dimming":40,"state":true} |Desk Strip (127.0.0.3): on, 40 %
brightness -15 'desk s'|0|127.0.0.3={"dimming":25,"state":true} |25 %
brightness +90 'DESK STRIP'|0|127.0.0.3={"dimming":100,"state":true} |100 %
temperature 3000 'Desk Lamp'|0|127.0.0.2={"state":true,"temp":3000} |3000 K
color '#0a0B0c' 'desk lamp'|0|127.0.0.2={"b":12,"g":11,"r":10,"state":true} |colour #0a0b0c
color purple 'desk lamp'|0|127.0.0.2={"b":222,"g":82,"r":175,"state":true} |colour #af52de
preset focus 'desk strip'|0|127.0.0.3={"sceneId":15,"state":true} |preset Focus
toggle 'desk lamp' 'desk strip'|0|127.0.0.2={"state":false} 127.0.0.3={"state":false} |Desk Strip (127.0.0.3): off
toggle 'desk strip' 'desk lamp'|0|127.0.0.2={"state":true} 127.0.0.3={"state":true} |Desk Lamp (127.0.0.2): on
on kitchen|1|127.0.0.4={"state":true} |Kitchen (127.0.0.4) rejected the command.
off --all|1|127.0.0.2={"state":false} 127.0.0.3={"state":false} 127.0.0.4={"state":false} |Porch (127.0.0.5) did not answer.
color red porch|2||Porch (127.0.0.5) cannot show a colour.
on desk|2||'desk' matches more than one light: Desk Lamp (127.0.0.2), Desk Strip (127.0.0.3)
on nobody|2||Known lights: Desk Lamp (127.0.0.2), Desk Strip (127.0.0.3), Kitchen (127.0.0.4), Porch (127.0.0.5).
on 127.0.0.9|2||No saved light has the address 127.0.0.9.
brightness 5|2||Brightness must be 10-100
LANGUAGE=de brightness 5|2||Ungültiger Wert „5“. Die Helligkeit muss 10–100 sein
temperature 7000 --all|2||Temperature must be 2200-6500 K.
preset disco|2||Preset must be one of: Cozy
on '<b>lamp</b>'|2||Refused '<b>lamp</b>'
on "$(printf 'desk\033[2Jlamp')"|2||Refused 'desk\x1B[2Jlamp'
on --all 'desk lamp'|2||not both
dim|2||Unknown verb 'dim'.
list|0||Porch (127.0.0.5): not answering
list --json|0||"address": "127.0.0.2"
TABLE

# The verb path never reaches for a display, even with one named: no X or Wayland socket.
DISPLAY=:97 WAYLAND_DISPLAY=wayland-97 strace -f -qq -o "$work/calls" -e trace=connect,openat \
    "$app" off 'desk lamp' >/dev/null 2>&1 || fail "'off' under strace fails"
grep -E 'X11-unix|wayland-97|\.X97|Xauthority' "$work/calls" && fail "the verb path opens a display"

if [ "$stage" = instance ]; then
    [ "$(sort -u "$work/senders" | wc -l)" = 1 ] ||
        fail "the commands did not all come from the running Glowdeck: $(sort -u "$work/senders" | tr '\n' ' ')"
else
    [ "$(sort -u "$work/senders" | wc -l)" -gt 1 ] || fail "the verbs did not send on their own"
fi

# A held key: 50 toggles in 2 s, each started before the last is done. Every one applies, in
# turn: the lamp's commands alternate, and it ends as it began (off, from the table's last row).
before=$(wc -l <"$work/sim.log")
i=0
toggles=""
while [ "$i" -lt 50 ]; do
    { "$app" toggle 'desk lamp' >"$work/toggle-$i" 2>&1 || echo "$i: $(cat "$work/toggle-$i")" >>"$work/toggle-failures"; } &
    toggles="$toggles $!"
    i=$((i + 1))
    sleep 0.04
done
# Each waits at most its 1 s for the lamp, after those before it (the bus call gives up at 5 s).
for toggle in $toggles; do
    wait "$toggle"
done
sleep 0.2
states=$(commands_since "$before" | tr ' ' '\n' | grep -c . || true)
[ ! -s "$work/toggle-failures" ] || fail "toggles failed: $(cat "$work/toggle-failures")"
[ "$states" = 50 ] || fail "50 toggles sent $states commands"
alternating=$(commands_since "$before" | tr ' ' '\n' | grep . | awk '
    { state = ($0 ~ /true/) } NR > 1 && state == last { bad = 1 } { last = state }
    END { print (bad ? "no" : "yes") " " last }')
[ "$alternating" = "yes 0" ] || fail "the toggles do not alternate and end off: $alternating"

if [ "$stage" = instance ]; then
    # The bus interface: introspectable, a method a verb, errors with the command line's texts in
    # English (the program runs in German), and a signal when a light's state changes.
    call() {
        method=$1
        shift
        gdbus call --session --dest io.github.glowdeck.Glowdeck \
            --object-path /io/github/glowdeck/Glowdeck --method "io.github.glowdeck.Glowdeck.$method" "$@"
    }
    introspection=$(gdbus introspect --session --dest io.github.glowdeck.Glowdeck \
        --object-path /io/github/glowdeck/Glowdeck)
    for member in 'List(in  b json' 'Brightness(in  s value' 'Toggle(in  as lights' \
        'LightChanged(s address'; do
        echo "$introspection" | grep -qF "$member" || fail "the interface lacks $member"
    done
    gdbus monitor --session --dest io.github.glowdeck.Glowdeck >"$work/signals" 2>&1 &
    monitor=$!
    sleep 0.3
    shift $#
    out=$(call On "['Desk Strip']" false 2>&1) || fail "On fails: $out"
    echo "$out" | grep -qF 'Desk Strip (127.0.0.3): on' || fail "On answers '$out'"
    out=$(call Temperature 9000 "[]" true 2>&1) && fail "Temperature 9000 succeeds"
    echo "$out" | grep -qF 'io.github.glowdeck.Glowdeck.Error.Usage: Invalid value' ||
        fail "Temperature 9000 answers '$out'"
    out=$(call Off "['Porch']" false 2>&1) && fail "Off to a silent light succeeds"
    echo "$out" | grep -qF 'Error.Failed: Porch (127.0.0.5) did not answer.' ||
        fail "Off to a silent light answers '$out'"
    out=$(call List true 2>&1) || fail "List fails: $out"
    echo "$out" | grep -qF '"name": "Kitchen"' || fail "List answers '$out'"
    sleep 0.3
    kill "$monitor"
    grep -qF "LightChanged ('127.0.0.3', 'Desk Strip', true" "$work/signals" ||
        fail "no LightChanged signal for the strip: $(cat "$work/signals")"
    # The panel verb opens the panel, whose first opening asks the known lights for their state.
    before=$(wc -l <"$work/sim.log")
    "$app" panel >"$work/out" 2>&1 || fail "panel fails: $(cat "$work/out")"
    sleep 0.5
    tail -n "+$((before + 1))" "$work/sim.log" | grep -q '"bulb":"127.0.0.3".*"method":"getPilot"' ||
        fail "panel did not open the panel"
    if command -v busctl >/dev/null 2>&1; then # systemd's, there wherever a session bus is
        busctl --address="$DBUS_SESSION_BUS_ADDRESS" introspect io.github.glowdeck.Glowdeck \
            /io/github/glowdeck/Glowdeck io.github.glowdeck.Glowdeck | grep -q '^\.Preset' ||
            fail "busctl does not see the Preset method"
    fi
fi

[ "$failed" = 0 ] && echo "verbs ($stage): all passed"
exit "$failed"
