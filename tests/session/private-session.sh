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
#     must leave behind (GLOWDECK_SESSION_SHOTS) therefore go somewhere else. What the session
#     runs and reads from the host's /tmp (a checkout or build there: SCRIPT, the paths among
#     ARGS, the working folder and GLOWDECK_SESSION_SHOTS) is bound into the new /tmp at the
#     same path, one entry of /tmp at a time, reached through a descriptor opened on the host's
#     /tmp before the new one covers it.
# Call it as root in the namespace glowdeck_netns_enter made, once the fake LAN is up.
private_session_enter() {
    exec unshare --mount /bin/sh -c '
        exec 3</tmp || exit 1
        mount -t tmpfs -o mode=1777 glowdeck-session /tmp || exit 1
        for path in "$@" "$PWD" "${GLOWDECK_SESSION_SHOTS:-}"; do
            case $path in /tmp/?*) ;; *) continue ;; esac
            entry=${path#/tmp/}
            entry=${entry%%/*}
            host=/proc/self/fd/3/$entry
            [ ! -e "/tmp/$entry" ] && [ -e "$host" ] || continue
            if [ -d "$host" ]; then mkdir "/tmp/$entry"; else : >"/tmp/$entry"; fi || exit 1
            mount --no-canonicalize --rbind "$host" "/tmp/$entry" || exit 1
        done
        exec 3<&-
        mkdir -m 1777 /tmp/.X11-unix || exit 1
        exec unshare --user --map-user=1000 --map-group=1000 --pid --fork --kill-child \
            --mount-proc /bin/sh "$@"' private-session "$@"
}
