#!/usr/bin/env bash
# keyboard_only.sh PROGRAM bare|openbox OUT_DIR
# Drives the real program on its own virtual X display with the keyboard
# alone, without a window manager ("bare") or under openbox: Tab to "About",
# Space, Space on "OK"; the main window must have the keyboard again, on
# "About", so that Space opens About once more; Enter on "OK", Shift+Tab to
# "Exit" and the keypad's Enter end the program. Under openbox the program
# runs at QT_SCALE_FACTOR=2, with a client area of twice 578 x 264 pixels;
# without a window manager the window must open centred on the screen.
# It starts its own Xvfb display; every wait is bounded; the program, the
# window manager and the display end with the script, also when it fails.
set -euo pipefail
. "$(dirname "$(readlink -f "$0")")/session.sh"

readonly wait_seconds=15

fail() {
    echo "keyboard_only: $*" >&2
    if [[ -n ${out:-} && -n ${DISPLAY:-} ]]; then
        import -window root "$out/failure-$mode.png" 2>/dev/null || true
        echo "keyboard_only: the screen is in $out/failure-$mode.png;" \
            "the X focus is on $(xdotool getwindowfocus -f 2>&1 | head -1)" >&2
        xwininfo -root -tree | grep -F '"' >&2 || true
    fi
    exit 1
}

# Waits until the command succeeds.
wait_for() {
    local what=$1
    shift
    session_wait_for "$wait_seconds" "$@" || fail "$what: not within $wait_seconds s"
}

# The window that has the X keyboard focus, as a decimal id ("" for none).
focus_window() { xdotool getwindowfocus -f 2>/dev/null || true; }

# Whether the window or one of its children has the focus.
focus_in() {
    local want=$(($1)) focused root
    focused=$(focus_window)
    root=$(($(xwininfo -root | awk '/Window id:/ {print $4}')))
    # Qt may give the focus to a child of its top-level window.
    while [[ -n $focused ]] && ((focused != 0 && focused != root)); do
        ((focused != want)) || return 0
        focused=$(xwininfo -children -id "$focused" 2>/dev/null |
            awk '/Parent window id:/ {print $4}')
        focused=$((${focused:-0}))
    done
    return 1
}

key() {
    xdotool key --delay 120 "$@"
}

run() {
    local program=$1
    local main about client=578x264
    # A display of its own, with openbox (at twice the scale) or without any
    # window manager.
    if [[ $mode == openbox ]]; then
        session_x11 openbox
        export QT_SCALE_FACTOR=2
        client=1156x528
    else
        session_x11
    fi
    session_start "$out/program-$mode.log" "$program"

    main=$(session_window "$session_main_title")
    [[ $(session_client_size "$main") == "$client" ]] ||
        fail "the client area is $(session_client_size "$main"), expected $client"
    # Without a window manager, the window's own placing shows: centred on the
    # 1280 x 800 screen.
    [[ $mode == openbox || $(session_client_origin "$main") == "351 268" ]] ||
        fail "the window stands at $(session_client_origin "$main"), not centred at 351 268"
    wait_for "the keyboard on the main window at start" focus_in "$main"

    # Text1 -> Text3 -> Berechnen -> Text8 -> slider -> Exit -> About.
    key Tab Tab Tab Tab Tab Tab space
    about=$(session_window "$session_about_title")
    wait_for "the main window hidden" session_gone "$session_main_title"
    wait_for "the keyboard on the About window" focus_in "$about"

    key space
    wait_for "the main window back after Space on OK" session_showing "$session_main_title"
    wait_for "About hidden" session_gone "$session_about_title"
    wait_for "the keyboard back on the main window after OK" focus_in "$main"
    # The focus is back on "About": Space opens it again.
    key space
    wait_for "About opened again by Space on the button that had the focus" \
        session_showing "$session_about_title"
    wait_for "the keyboard on the About window again" focus_in "$about"

    key Return
    wait_for "the main window back after Enter on OK" session_showing "$session_main_title"
    wait_for "the keyboard back on the main window after Enter" focus_in "$main"
    key shift+Tab KP_Enter
    session_ended "the keypad's Enter on \"Exit\""
    echo "keyboard_only ($mode): About and back twice, the focus returned each time, Exit by keypad Enter"
}

if [[ ${1:-} == --bounded ]]; then
    shift
    mode=$2 out=$3
    unset DISPLAY
    SESSION_LOGS=$out/session-$mode-
    SESSION_WAIT=$wait_seconds
    run "$1"
    exit 0
fi

(($# == 3)) || fail "usage: keyboard_only.sh PROGRAM bare|openbox OUT_DIR"
program=$1 mode=$2 out=$3
[[ -x $program ]] || fail "no program at $program"
[[ $mode == bare || $mode == openbox ]] || fail "mode is bare or openbox, not $mode"
session_need Xvfb xwininfo xprop xdotool import timeout dbus-daemon
[[ $mode == bare ]] || session_need openbox
mkdir -p "$out"
rm -f "$out"/*-"$mode".png "$out"/*-"$mode".log "$out"/session-"$mode"-*.log
exec timeout --kill-after=5 100 "$0" --bounded "$program" "$mode" "$out"
