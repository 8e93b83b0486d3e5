#!/usr/bin/env bash
# replay_agreement.sh REPLAY SESSIONS wayland|openbox GOLDEN_DIR COUNT SEED
# On Weston nested on Xvfb, or on Xvfb with openbox, runs every golden replay
# script in GOLDEN_DIR through REPLAY --gui and compares it with its expected
# output, then runs COUNT random sessions (seed SEED) through the core and
# through the real widgets and compares the two. Fails on the first
# difference. Weston opens a list's popup only for an input event of its own,
# never for Qt's: there REPLAY opens lists with Alt+Down on the keyboard of
# Weston's window, pressed through the X server's test extension.
set -u
here=$(dirname "$(readlink -f "$0")")
. "$here/session.sh"

replay=$1 sessions=$2 desktop=$3 golden=$4 count=$5 seed=$6
case $desktop in
wayland)
    session_wayland
    export KELVARO_REPLAY_KEYBOARD=x11
    ;;
openbox) session_x11 openbox ;;
*)
    echo "replay_agreement: unknown desktop $desktop" >&2
    exit 1
    ;;
esac
platform=$QT_QPA_PLATFORM

started=$SECONDS
runs=0
for script in "$golden"/*.script; do
    for lc in de_DE.UTF-8 C; do
        "$golden/run_golden.sh" "$replay" gui "$lc" "$script" "$platform" ||
            {
                echo "replay_agreement ($desktop): $(basename "$script") ($lc) differs" >&2
                exit 1
            }
        runs=$((runs + 1))
    done
done
((runs > 0)) || {
    echo "replay_agreement: no golden scripts in $golden" >&2
    exit 1
}
echo "$runs golden runs agree on $desktop ($((SECONDS - started)) s)"

started=$SECONDS
"$here/../reliability/differential.sh" "$replay" "$sessions" "$count" "$seed" "$platform" ||
    exit 1
echo "random sessions on $desktop: $((SECONDS - started)) s"
