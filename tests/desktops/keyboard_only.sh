#!/usr/bin/env bash
# keyboard_only.sh PROGRAM bare|openbox OUT_DIR
# Drives the real program on its own virtual X display with the keyboard
# alone, without a window manager ("bare") or under openbox: Tab to "About",
# Space, Enter on "OK"; the main window must have the keyboard again, on
# "About", so that Shift+Tab goes to "Exit" and the keypad's Enter ends the
# program. Under openbox the program runs at QT_SCALE_FACTOR=2 (its size
# there is checked on Weston, by fixed_size.sh); without a window manager
# the window must open centred on the screen. A failure leaves a picture of
# the screen and the logs in OUT_DIR/MODE.
set -euo pipefail
. "$(dirname "$(readlink -f "$0")")/session.sh"

program=$1 mode=$2 session_shots=$3/$2 session_test="keyboard_only ($2)"
mkdir -p "$session_shots"
rm -f "$session_shots"/*

# after WHAT TITLE WINDOW OTHER: waits until, after WHAT, the window of that
# title shows, the program's other window (titled OTHER) does not, and it
# has the X keyboard focus (xdotool gives the focused window's top-level
# client window).
after() {
    local window=$3
    session_wait_for "$SESSION_WAIT" session_showing "$2" &&
        session_wait_for "$SESSION_WAIT" session_gone "$4" &&
        session_wait_for "$SESSION_WAIT" eval '(($(xdotool getwindowfocus) == window))' ||
        fail "after $1, \"$2\" alone does not show with the keyboard within $SESSION_WAIT s"
}

if [[ $mode == openbox ]]; then
    session_x11 openbox
    export QT_SCALE_FACTOR=2
else
    session_x11
fi
session_start "$session_shots/program.log" "$program"
main=$(session_window "$session_main_title")
# Without a window manager, the window's own placing shows: centred on the
# 1280 x 800 screen.
[[ $mode == openbox || $(session_client_origin "$main") == "351 268" ]] ||
    fail "the window stands at $(session_client_origin "$main"), not centred at 351 268"
after "the start" "$session_main_title" "$main" "$session_about_title"

# Text1 -> Text3 -> Berechnen -> Text8 -> slider -> Exit -> About.
xdotool key --delay 120 Tab Tab Tab Tab Tab Tab space
about=$(session_window "$session_about_title")
after "Space on \"About\"" "$session_about_title" "$about" "$session_main_title"
xdotool key Return
after "Enter on \"OK\"" "$session_main_title" "$main" "$session_about_title"
# Back on "About", the focus goes to "Exit" before it; from anywhere else it
# would reach another control.
xdotool key --delay 120 shift+Tab KP_Enter
session_ended "Shift+Tab and the keypad's Enter"
