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

replay=$1 sessions=$2 desktop=$3 golden=$4 count=$5 seed=$6 session_test="replay_agreement ($3)"
if [[ $desktop == wayland ]]; then
    session_wayland
    export KELVARO_REPLAY_KEYBOARD=x11
else
    session_x11 openbox
fi

# run_golden.sh says which script differs, and how.
for script in "$golden"/*.script; do
    for lc in de_DE.UTF-8 C; do
        "$golden/run_golden.sh" "$replay" gui "$lc" "$script" "$QT_QPA_PLATFORM" || exit 1
    done
done
echo "the golden runs agree on $desktop after $SECONDS s"
"$here/../reliability/differential.sh" "$replay" "$sessions" "$count" "$seed" "$QT_QPA_PLATFORM"
