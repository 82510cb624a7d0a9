#!/bin/sh
# The program's command line, run with no display to reach, a configuration home of its own and
# (under strace) a watch on network and file calls: --help and --version print and exit 0, a
# wrong option or argument prints the usage on standard error and exits 2, and none of them opens
# a socket or touches the configuration. Runs in a private network namespace with no interfaces
# up, like every test that starts the program.
#
#   command-line.sh path/to/glowdeck version
set -eu

if [ $# -lt 2 ]; then
    echo "usage: $0 path/to/glowdeck version" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../netns/fake-lan.sh"
command -v strace >/dev/null 2>&1 || glowdeck_netns_skip "strace is not installed"
glowdeck_netns_enter "$here/command-line.sh" "$@"
glowdeck_netns_require_fresh

app=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/home"

failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}

# Runs the program with the arguments given; sets status, and leaves out, err and calls in $work.
run() {
    status=0
    env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
        QT_QPA_PLATFORM=xcb \
        strace -f -qq -o "$work/calls" -e trace=%network,openat,mkdir,mkdirat \
        "$app" "$@" >"$work/out" 2>"$work/err" || status=$?
}

# arguments | status | stream with the text | text
while IFS='|' read -r arguments want stream text; do
    # shellcheck disable=SC2086 # the arguments are words
    run $arguments
    [ "$status" = "$want" ] || fail "'$arguments' exits $status, not $want: $(cat "$work/err")"
    other=err
    [ "$stream" = err ] && other=out
    grep -qF -- "$text" "$work/$stream" || fail "'$arguments' does not print '$text' on std$stream"
    [ -s "$work/$other" ] && fail "'$arguments' prints on std$other: $(cat "$work/$other")"
    grep -E '^[0-9]+ +(socket|connect)\(' "$work/calls" && fail "'$arguments' opens a socket"
    grep -F "$work/home" "$work/calls" && fail "'$arguments' touches the configuration"
done <<TABLE
--version|0|out|Glowdeck $version
-v|0|out|Glowdeck $version
--help|0|out|--version
-h|0|out|Usage:
-nograb --version|0|out|Glowdeck $version
--bogus|2|err|Unknown option 'bogus'.
-x|2|err|Usage:
--version extra|2|err|Unknown verb 'extra'.
-platform|2|err|Missing value after '-platform'.
TABLE

# The command line needs no tray library; the tray without it fails, saying so, and starts nothing.
mkdir "$work/alone"
cp "$app" "$work/alone/glowdeck"
app=$work/alone/glowdeck
run --version
[ "$status" = 0 ] || fail "--version without the tray library exits $status: $(cat "$work/err")"
run
[ "$status" = 1 ] || fail "the tray without its library exits $status, not 1"
grep -qF "cannot load the tray application" "$work/err" ||
    fail "the tray without its library does not say so: $(cat "$work/err")"

[ -z "$(ls -A "$work/home")" ] || fail "the home folder is no longer empty"
[ "$failed" = 0 ] && echo "command line: all passed"
exit "$failed"
