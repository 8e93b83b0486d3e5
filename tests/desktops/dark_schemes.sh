#!/usr/bin/env bash
# dark_schemes.sh SCHEME PROGRAM SHOT_DIR
# Runs the program on a virtual X display with openbox twice, under a light
# and under a dark colour scheme of one kind, grabs the main window, a tool
# tip and a list's drop-down list, and requires the two runs' pictures to
# be the same: the windows keep their light colours whatever the scheme. SCHEME is "gtk3"
# (the GTK platform theme, Adwaita against Adwaita:dark) or "qt6ct" (qt6ct,
# its airy against its darker scheme). The About window is built and
# coloured as the main window is (FormWindow, LightPalette); a marked field
# and its message keep their light colours under a dark palette in
# tests/windows/light_colours_test.cpp. Every wait is
# bounded; whatever the run started ends with it.
set -euo pipefail
. "$(dirname "$(readlink -f "$0")")/session.sh"

scheme=$1 program=$2 shots=$3 session_test="dark_schemes ($1)"
session_need convert compare
rm -rf "$shots"
# Each scheme's settings, whatever the home directory holds.
export XDG_CONFIG_HOME=$shots/config
mkdir -p "$XDG_CONFIG_HOME/qt6ct"

# grab WINDOW FILE [R G B [X0 Y0 X1 Y1]]: saves a screenshot of the window
# (or "root") once it shows that colour (in the rectangle X0 Y0 X1 Y1 of
# it), where given, and two grabs in a row are the same; for up to five
# seconds. A colour that never shows fails.
grab() {
    local window=$1 file=$2 colour="" crop=() i
    (($# < 5)) || colour="rgb($3,$4,$5)"
    (($# < 9)) || crop=(-crop "$(($8 - $6 + 1))x$(($9 - $7 + 1))+$6+$7")
    for ((i = 0; i < 10; ++i)); do
        import -window "$window" "$file.next.png"
        if [[ -z $colour || $(convert "$file.next.png" "${crop[@]}" -fill black +opaque "$colour" \
            -fill white -opaque "$colour" -format '%[max]' info:) != 0 ]]; then
            [[ -f $file ]] && compare -metric AE "$file" "$file.next.png" null: 2>/dev/null && break
            mv "$file.next.png" "$file"
        fi
        sleep 0.5
    done
    rm -f "$file.next.png"
    [[ -f $file ]] || fail "$(basename "$file") never showed $colour"
}

# The pictures of one run, in SHOT_DIR/LIGHTNESS.
pictures() {
    local out=$shots/$1 id
    session_shots=$out
    mkdir "$out"
    session_x11 openbox
    session_start "$out/program.log" "$program"
    id=$(session_window "$session_main_title")
    read -r left top < <(session_client_origin "$id")
    xdotool mousemove 0 0
    sleep 1 # the first paint
    grab "$id" "$out/form1.png"

    # A tool tip (pale yellow): the pointer rests on the playing time, which
    # spans 64 to 128 and 56 to 76 in the client area (Text1 in
    # src/windows/layout/form1_layout.cpp, 15 twips a pixel).
    xdotool mousemove --sync $((left + 96)) $((top + 66)) mousemove_relative 1 0
    sleep 1
    grab root "$out/tooltip.png" 255 255 225

    # The list Audio1 (Combo2) spans 224 to 296 and 16 to 36. Its button, 8
    # pixels from its right edge, opens its drop-down list in every style;
    # it shows white below the list.
    xdotool mousemove --sync $((left + 289)) $((top + 26)) click 1
    grab root "$out/popup.png" 255 255 255 $((left + 226)) $((top + 40)) $((left + 276)) $((top + 66))
}

unset QT_SCALE_FACTOR QT_STYLE_OVERRIDE

# run_with LIGHTNESS GTK_VARIANT QT6CT_SCHEME: the pictures under the light or
# the dark scheme, on a display of their own.
run_with() {
    if [[ $scheme == gtk3 ]]; then
        export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita$2
    else
        [[ -f /usr/share/qt6ct/colors/$3.conf ]] || fail "qt6ct's $3.conf is missing"
        printf '[Appearance]\ncolor_scheme_path=%s\ncustom_palette=true\nstyle=Fusion\n' \
            "/usr/share/qt6ct/colors/$3.conf" >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf"
        export QT_QPA_PLATFORMTHEME=qt6ct
    fi
    (pictures "$1") || exit 1
}

run_with light "" airy
run_with dark :dark darker

for shot in form1 tooltip popup; do
    # The focused field's text cursor blinks; either picture may show it:
    # what differs may be 1 pixel wide and at most 20 high.
    [[ $(convert "$shots/light/$shot.png" "$shots/dark/$shot.png" -compose difference \
        -composite -trim -format '%w %h' info: 2>/dev/null) =~ ^1\ ([0-9]+)$ ]] &&
        ((BASH_REMATCH[1] <= 20)) ||
        fail "$shot: $(compare -metric AE "$shots/light/$shot.png" "$shots/dark/$shot.png" \
            "$shots/$shot-difference.png" 2>&1) pixels differ under the dark scheme (see $shots/$shot-difference.png)"
done
