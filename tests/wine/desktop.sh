#!/usr/bin/env bash
# desktop.sh PROGRAM.exe LAYOUT_DUMP.exe OUT_DIR
# Kelvaro on a Windows desktop as Wine gives one: Qt's windows platform, on
# Xvfb with openbox as the window manager, in a Wine prefix of its own. At
# 100 %, 150 % and 200 % display scaling (Wine's LogPixels) the main
# window's client area is 578 x 264 pixels times the scale; at 100 % the
# window shows the layout: its background, unscaled, wherever no control
# stands. Maximising is refused; About opens
# and OK comes back by mouse and by keyboard; closing the window through its
# frame ends the program with status 0.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../desktops/session.sh"

session_test="wine desktop"
(($# == 3)) || fail "usage: desktop.sh PROGRAM.exe LAYOUT_DUMP.exe OUT_DIR"
# A failure leaves a picture of the screen and the session's logs in OUT_DIR.
program=$1 dump=$2 out=$3 session_shots=$3
mkdir -p "$out"
session_need Xvfb xwininfo xdotool import openbox python3
SESSION_WAIT=30

wine_run() { "$here/wine-run" "$@"; }

# The middle of a control (FORM.NAME), on the screen: its place in the
# layout (twips), times the scale, from the window's client origin.
centre_of() {
    local window=$1 form=${2%.*} name=${2#*.} scale=$3 x y
    read -r x y < <(session_client_origin "$window")
    awk -F'\t' -v form="$form" -v name="$name" -v x="$x" -v y="$y" -v s="$scale" \
        '$1 == form && $2 == name {
        printf "%d %d\n", x + ($4 + $6 / 2) / 15 * s, y + ($5 + $7 / 2) / 15 * s; exit }' \
        "$out/layout.tsv"
}

click() {
    local at
    at=$(centre_of "$1" "$2" "$3")
    # shellcheck disable=SC2086
    xdotool mousemove --sync $at click 1
}

key() { xdotool key --delay 150 "$@"; }

about_round_trip() {
    local main=$1 scale=$2 about
    click "$main" Form1.Command3 "$scale"
    about=$(session_window "$session_about_title")
    session_wait_for 10 session_gone "$session_main_title" || fail "About left the main window showing"
    click "$about" About.Command1 "$scale"
    session_wait_for 10 session_showing "$session_main_title" || fail "OK did not bring the main window back"
    session_wait_for 10 session_gone "$session_about_title" || fail "OK left About showing"
    # The keyboard: from the first field, Tab six times to "About", Space;
    # "OK" holds the focus, and Enter brings the main window back.
    main=$(session_window "$session_main_title")
    xdotool windowactivate --sync "$main" 2>/dev/null || true
    click "$main" Form1.Text1 "$scale"
    key Tab Tab Tab Tab Tab Tab space
    session_wait_for 10 session_showing "$session_about_title" || fail "Space on \"About\" did not open it"
    key Return
    session_wait_for 10 session_showing "$session_main_title" || fail "Enter on \"OK\" did not come back"
}

# The prefix is made on the display, so that Wine draws on it.
session_x11 openbox
# What the session sets for the Linux program is not meant for Windows' Qt.
unset DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM
export WINEPREFIX=$out/wine
rm -rf "$WINEPREFIX"
wine_run "$dump" | tr -d '\r' >"$out/layout.tsv"
for dpi in 96 144 192; do
    wine_run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w
    scale=$(awk -v d="$dpi" 'BEGIN { print d / 96 }')
    expected=$(awk -v s="$scale" 'BEGIN { printf "%dx%d", 578 * s, 264 * s }')
    session_start "$out/program-$dpi.log" "$here/wine-run" "$program"
    main=$(session_window "$session_main_title")
    size=$(session_client_size "$main")
    [[ $size == "$expected" ]] || fail "at $dpi dpi the client area is $size, not $expected"
    if ((dpi == 96)); then
        sleep 1
        read -r x y < <(session_client_origin "$main")
        import -window root -crop "578x264+$x+$y" +repage "$out/main.png"
        python3 "$here/layout_shown.py" "$out/main.png" "$out/layout.tsv" \
            "$here/../../resources/background_main.jpg" || fail "the window does not show its layout"
        # A double click on the caption, as a user maximises a window.
        xdotool mousemove --sync $((x + 100)) $((y - 10)) click --repeat 2 --delay 80 1
        sleep 2
        size=$(session_client_size "$main")
        [[ $size == "$expected" ]] || fail "maximising was not refused: the client area is $size"
        about_round_trip "$main" "$scale"
    fi
    main=$(session_window "$session_main_title")
    xdotool windowactivate --sync "$main" 2>/dev/null || true
    key alt+F4
    session_ended "closing the window at $dpi dpi"
done
echo "wine desktop: the window at 100, 150 and 200 %, its layout, no maximising, About and back, closing"
