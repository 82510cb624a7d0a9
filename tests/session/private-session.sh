# Entering the session of a desktop that brings its own X server (XWayland under GNOME Shell or
# KWin). Source after tests/netns/fake-lan.sh.
#
#   private_session_enter SCRIPT ARGS...
#
# Re-runs SCRIPT as an ordinary user (uid 1000: the compositors refuse root) in a user namespace
# nested in the current one, keeping its network namespace, with:
#   - a PID namespace of its own and a /proc to match: whatever the session starts ends with
#     the script, and a compositor that looks its clients up in /proc finds them;
#   - a /tmp of its own: X servers pick their display by the lock files and sockets there, and
#     lock files naming processes of another namespace would mislead them. Files the session
#     must leave behind (GLOWDECK_SESSION_SHOTS) therefore go somewhere else.
# Call it as root in the namespace glowdeck_netns_enter made, once the fake LAN is up.
private_session_enter() {
    exec unshare --mount /bin/sh -c '
        mount -t tmpfs -o mode=1777 glowdeck-session /tmp && mkdir -m 1777 /tmp/.X11-unix || exit 1
        exec unshare --user --map-user=1000 --map-group=1000 --pid --fork --kill-child \
            --mount-proc /bin/sh "$@"' private-session "$@"
}
