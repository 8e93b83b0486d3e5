#!/usr/bin/env bash
# end_to_end.sh PROGRAM SHOT_DIR
# Starts the real program on a virtual X display, waits for its main window,
# checks its title and size, saves screenshots (at scale 1 and 2) into
# SHOT_DIR and ends the program. Every wait is bounded. The display comes
# from the desktop tests' session library, which lets Xvfb pick a free
# display itself, so that tests running side by side never share one.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
. "$here/../desktops/session.sh"

readonly title="Kelvaro  [BETA]    v. ${KELVARO_RELEASE:?the version comes from CTest}"
readonly wait_seconds=20

fail() {
    echo "end_to_end: $*" >&2
    exit 1
}

# One run of the program at one scale, on the display that xvfb-run made.
run_at_scale() {
    local program=$1 shots=$2 scale=$3 width=$4 height=$5
    local pid id="" info
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$program" >"$shots/program-x$scale.log" 2>&1 &
    pid=$!
    session_pids+=("$pid")

    for ((i = 0; i < wait_seconds * 10; ++i)); do
        kill -0 "$pid" 2>/dev/null || fail "the program ended before its window showed (see $shots/program-x$scale.log)"
        id=$(session_viewable "$title")
        [[ -n $id ]] && break
        sleep 0.1
    done
    [[ -n $id ]] || fail "no window titled \"$title\" within $wait_seconds s at scale $scale"

    xprop -id "$id" _NET_WM_NAME | grep -qF "= \"$title\"" ||
        fail "the window's title is not \"$title\": $(xprop -id "$id" _NET_WM_NAME)"
    info=$(xwininfo -id "$id")
    local got_width got_height
    got_width=$(awk '/^ *Width:/ {print $2}' <<<"$info")
    got_height=$(awk '/^ *Height:/ {print $2}' <<<"$info")
    [[ $got_width == "$width" && $got_height == "$height" ]] ||
        fail "client area ${got_width}x$got_height at scale $scale, expected ${width}x$height"

    sleep 1 # let the first paint finish
    import -window root "$shots/screen-x$scale.png"
    import -window "$id" "$shots/form1-x$scale.png"
    [[ -s $shots/screen-x$scale.png && -s $shots/form1-x$scale.png ]] || fail "no screenshot saved"

    kill "$pid"
    wait "$pid" 2>/dev/null || true
    unset 'session_pids[-1]'
    echo "scale $scale: window \"$title\" ${width}x$height, screenshots in $shots"
}

(($# == 2)) || fail "usage: end_to_end.sh PROGRAM SHOT_DIR"
program=$1 shots=$2
[[ -x $program ]] || fail "no program at $program"
for tool in xauth Xvfb xwininfo xprop import; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup installs it)"
done
mkdir -p "$shots"
rm -f "$shots"/*.png "$shots"/*.log
session_x11
run_at_scale "$program" "$shots" 1 578 264
run_at_scale "$program" "$shots" 2 1156 528
