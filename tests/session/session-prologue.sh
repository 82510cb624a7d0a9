# The start that the session scripts share, sourced with `here` set to this folder: it checks
# the programs named on the command line (those of $session_usage, by default the four every
# session runs), says where screenshots go, describes the fake LAN (the client and three bulbs)
# and loads the libraries.

: "${session_usage:=glowdeck glowdeck-sim glowdeck_session_probe glowdeck_tray_icon_contrast}"
# shellcheck disable=SC2086 # the count of words is wanted
if [ $# -lt "$(set -- $session_usage && echo $#)" ]; then
    echo "usage: $0 $session_usage" >&2
    exit 2
fi
: "${GLOWDECK_SESSION_SHOTS:=$here/../../docs}"
export GLOWDECK_SESSION_SHOTS

GLOWDECK_LAN_DEV=gdlan0
GLOWDECK_LAN_CLIENT=10.77.0.1
GLOWDECK_LAN_BULBS="10.77.0.11 10.77.0.12 10.77.0.13"
GLOWDECK_LAN_PREFIX=24
. "$here/../netns/fake-lan.sh"
. "$here/session-lib.sh"
. "$here/desktop-lib.sh"
