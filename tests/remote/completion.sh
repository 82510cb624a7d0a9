#!/bin/bash
# The bash completion: registered for glowdeck (complete -p), and what it offers for scripted
# command lines: verbs, the program's own preset and colour names, and the saved lights' names
# (one with spaces as one quoted word), which it reads without asking any light. The zsh
# completion's choices too, where zsh is installed.
#
#   completion.sh path/to/glowdeck path/to/glowdeck.bash
set -eu

app=$1
script=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Glowdeck"
cat >"$work/Glowdeck/Glowdeck.conf" <<'CONF'
[General]
bulbs="@ByteArray([{\"ip\":\"127.0.0.2\",\"name\":\"Desk Lamp\"},{\"ip\":\"127.0.0.3\",\"name\":\"Kitchen\"}])"
CONF
export XDG_CONFIG_HOME=$work HOME=$work
unset DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR

failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}

# shellcheck source=/dev/null
. "$script"
[ "$(complete -p glowdeck)" = "complete -F _glowdeck glowdeck" ] ||
    fail "not registered: $(complete -p glowdeck 2>&1)"

# The words offered for a command line whose last word is being completed.
offered() {
    COMP_WORDS=("$app" "$@")
    COMP_CWORD=$#
    _glowdeck
    echo "${COMPREPLY[*]:-}"
}

# The names the program itself takes, from its usage errors.
presets=$("$app" preset none 2>&1 | sed -n 's/.*Preset must be one of: \(.*\)\./\1/p')
colors=$("$app" color none 2>&1 | sed -n 's/.*or one of: \(.*\)\./\1/p')

while IFS='|' read -r line want; do
    eval "set -- $line"
    got=$(offered "$@")
    [ "$got" = "$want" ] || fail "'$line' offers '$got', not '$want'"
done <<TABLE
''|list on off toggle brightness temperature color preset panel --help --version
t|toggle temperature
preset ''|$presets
color ''|$colors
on ''|Desk\\ Lamp Kitchen
toggle 'Desk\\ Lamp' k|Kitchen
off de|Desk\\ Lamp
brightness 50 ''|Desk\\ Lamp Kitchen
on -|--all
panel ''|
list -|--json --names
TABLE
[ -n "$presets" ] && [ -n "$colors" ] || fail "the program did not name its presets and colours"

# The zsh completion's choices, beside it, with zsh's completion calls standing in: what it
# adds, one per line (zsh filters them by what is typed, so only empty last words are asked).
zsh_offered() {
    zsh -f -c '
        compadd() { [[ $1 == -a ]] && { print -rl -- ${(P)2}; return }; shift; print -rl -- "$@" }
        _describe() { print -rl -- ${${(P)4}%%:*} }
        _arguments() { }
        words=("$@"); CURRENT=$#
        source "$0"' "$(dirname "$script")/_glowdeck" "$app" "$@" | paste -sd' ' -
}
if command -v zsh >/dev/null 2>&1; then
    while IFS='|' read -r line want; do
        eval "set -- $line"
        got=$(zsh_offered "$@")
        [ "$got" = "$want" ] || fail "zsh: '$line' offers '$got', not '$want'"
    done <<TABLE
''|list on off toggle brightness temperature color preset panel
preset ''|$presets
color ''|$colors
color Red ''|Desk Lamp Kitchen --all
on ''|Desk Lamp Kitchen --all
brightness ''|
brightness 50 ''|Desk Lamp Kitchen --all
panel ''|
list ''|--json --names
TABLE
else
    echo "zsh is not installed: its completion was not checked"
fi

[ "$failed" = 0 ] && echo "completion: all passed"
exit "$failed"
