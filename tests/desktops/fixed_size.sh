#!/usr/bin/env bash
# fixed_size.sh PROGRAM wayland|gnome|wayland_scale_factor|wayland_output_scale SHOT_DIR
# Runs the real program on Weston or GNOME's compositor (mutter) nested on
# Xvfb, where the program draws its own frame, and asks for a maximised main
# window in each way a user can: a double-click on the title bar and the
# compositor's shortcuts for the maximised and the full-screen state (Weston)
# or the maximised state (GNOME). After each, the program must still run and
# the window keep its client area of 578 x 264 pixels. Refused again and
# again, by the keyboard, the window keeps the keyboard and its focus frame
# each time. The title bar's own buttons work; "About" and "OK" go there and
# back. On GNOME "Exit" ends the program with status 0, and each activation asks
# for one token and uses it. At twice the scale, set for the program
# (QT_SCALE_FACTOR=2) or as Weston's output scale, the frame is twice as
# large as at scale 1, its title bar shows no maximise button, its buttons'
# glyphs are twice as large, and close ends the program.
set -u
here=$(dirname "$(readlink -f "$0")")
. "$here/session.sh"

program=$1 desktop=$2 shots=$3 session_shots=$3 session_test="fixed_size ($2)"
readonly width=578 height=264
scale=1
[[ $desktop != *_scale* ]] || scale=2
mkdir -p "$shots"
rm -f "$shots"/*.png "$shots"/*.log

# picture COMMAND IMAGE ...: what a screenshot shows (tests/desktops/pictures.py).
picture() {
    /usr/bin/python3 "$here/pictures.py" "$@"
}

# --- Weston: the window is found and measured on screenshots of Weston's
# output, a black desktop on which the window is the only thing drawn. Qt's
# own title bar adds 3 pixels at the sides and bottom and 30 at the top,
# each times the scale, as the client area is.
readonly left_margin=$((3 * scale)) top_margin=$((30 * scale))
frame_width=$(((width + 6) * scale)) frame_height=$(((height + 33) * scale))
box=()

shoot() {
    import -window "$session_output" "$shots/$1.png" 2>/dev/null
}

# On a desktop with a background of its own, the window is what differs
# from a picture of the empty desktop.
against_empty=()

# Waits until the window stands still on the desktop; sets box to its frame.
# With "moved", a window the program maps again after a refused state is
# expected: Weston places it anew, so it has to stand still somewhere else,
# or three seconds where it was.
measure() {
    local name=$1 before="${box[*]}" previous="" now i still=0 enough=1
    [[ ${2:-} != moved ]] || enough=15
    for ((i = 0; i < 50; ++i)); do
        sleep 0.2
        kill -0 "$session_program" 2>/dev/null || fail "the program ended after $name"
        shoot "$name"
        now=$(picture box "$shots/$name.png" "${against_empty[@]}") || now=""
        [[ -n $now && $now == "$previous" ]] && still=$((still + 1)) || still=0
        if ((still >= enough)) || [[ $still -ge 1 && $now != "$before" ]]; then
            read -r -a box <<<"$now"
            return 0
        fi
        previous=$now
    done
    fail "no window stood still on the desktop after $name"
}

check_size() {
    measure "$@"
    [[ ${box[2]} == "$frame_width" && ${box[3]} == "$frame_height" ]] ||
        fail "after $1 the window's frame is ${box[2]}x${box[3]}, expected ${frame_width}x$frame_height (client ${width}x$height at scale $scale)"
}

# The pointer waits outside the compositor's output window, out of the
# picture. Coming back in, it enters at the place it is moved to; inside its
# window, Weston only adds up the pointer's moves, and under load that sum
# was seen to drift some 50 pixels beside the X pointer, so that clicks
# missed their buttons.
park() {
    local wide high
    IFS=x read -r wide high < <(session_client_size "$session_output")
    xdotool mousemove $((wide + 20)) $((high + 20))
}

# Clicks at a point of the output: the pointer comes in from the parked
# place, and moves once more where it is, for a window mapped again (after a
# refused state) learns of the pointer only from a move over it; mutter
# moves the pointer in its output only when it comes in from outside the
# window. The last argument is the button, those before it go to xdotool's
# click.
click_at() {
    park
    sleep 0.3
    xdotool mousemove "$1" "$2" sleep 0.3 mousemove_relative 1 0 sleep 0.3 click "${@:3}"
    park
}

# Clicks at a point of the client area, in pixels from its top-left corner
# at scale 1.
click_client() {
    click_at $((box[0] + left_margin + $1 * scale)) $((box[1] + top_margin + $2 * scale)) 1
}

# A double-click on the title bar, as a user maximises a window.
double_click_title() {
    click_at $((box[0] + 120)) $((box[1] + top_margin / 2)) --repeat 2 --delay 80 1
    check_size form1-title-double-click
}

# The title bar shows a minimise and a close button and nothing else (Qt's
# own would add a maximise button between them). Sets glyphs to the sizes
# of the two buttons' glyphs.
two_buttons() {
    IFS=, read -r -a glyphs < <(picture buttons "$shots/$1.png" "${box[0]}" "${box[1]}" "${box[2]}" "$scale")
    ((${#glyphs[@]} == 2)) || fail "the title bar of $1 shows ${#glyphs[@]} buttons, expected 2 (minimise, close)"
}

# Clicks the title bar's n-th button from the right (0 = close): 18 pixels
# wide, 5 apart, 8 from the frame's right edge, at scale 1.
click_button() {
    click_at $((box[0] + box[2] - (8 + 9 + $1 * 23) * scale)) $((box[1] + top_margin / 2)) 1
}

# Where the main window has its light "Berechnen" button the About window
# has the deep blue bottom of its picture: most of the button's area differs
# from the plain button's picture.
showing_about() {
    (($(differing_from "$1" "${unframed[@]}") > 1000))
}

# "About" at 168, 216 (49 x 25 pixels) brings up the About window; its "OK"
# at 480, 128 (33 x 25 pixels) brings the main window back. Comes after
# keyboard_through_refusals, which takes the plain button's picture.
about_and_back() {
    click_client 192 228
    check_size about
    showing_about about || fail "\"About\" did not bring up the About window"
    click_client 496 140
    check_size form1-after-about
    showing_about form1-after-about && fail "\"OK\" did not bring back the main window"
}

# The focus frame of "Berechnen" (32, 216, 73 x 25 pixels in the client
# area), with two pixels around it: its picture without the frame (at start,
# the keyboard is in the playing time) and with it (after Tab Tab), each as
# the screenshot and the client area's top-left corner on it.
readonly button_area=(30 214 77 29)

button_picture() {
    echo "$shots/$1.png" $((box[0] + left_margin + button_area[0])) $((box[1] + top_margin + button_area[1]))
}

# differing_from SHOT PICTURE...: how many pixels of the button's area on
# SHOT differ from the PICTURE given.
differing_from() {
    local now=($(button_picture "$1"))
    picture differ "${now[@]}" "${button_area[2]}" "${button_area[3]}" "${@:2}"
}

# Waits for the focus frame on "Berechnen" after NAME, through up to 20
# screenshots: the button's area as with the frame, not as without.
framed_after() {
    local name=$1
    session_wait_for 2 eval 'shoot "$name"
        (($(differing_from "$name" "${framed[@]}") * 4 < $(differing_from "$name" "${unframed[@]}")))' ||
        fail "after $name the focus frame on \"Berechnen\" is gone ($(differing_from "$name" "${framed[@]}") pixels differ from the framed button, $(differing_from "$name" "${unframed[@]}") from the plain one)"
}

# Tab Tab takes the keyboard to "Berechnen", and its focus frame shows. Then
# the state KEY asks for (full screen, maximised) is refused ROUNDS times in
# a row; each time the window comes back with the keyboard on "Berechnen"
# and the frame drawn. With MOVED, the window may come back elsewhere.
keyboard_through_refusals() {
    local key=$1 rounds=$2 moved=${3:-} i
    measure form1-unframed
    unframed=($(button_picture form1-unframed))
    xdotool key Tab Tab
    sleep 0.5
    measure form1-framed
    framed=($(button_picture form1-framed))
    for ((i = 1; i <= rounds; ++i)); do
        xdotool key "$key"
        check_size "form1-refused-$i" $moved
        framed_after "form1-refused-$i"
    done
}

# Twice the scale on Weston: set for the program, or as the output's scale
# (its window on the X screen then is twice the output's size). The frame
# grows with the client area, and its buttons stay where a click finds them.
run_doubled() {
    SESSION_SIZE=1400x900
    if [[ $desktop == wayland_output_scale ]]; then
        SESSION_WESTON_SCALE=2 SESSION_WESTON_SIZE=640x400
    else
        SESSION_WESTON_SIZE=1280x800
        export QT_SCALE_FACTOR=2
    fi
    session_wayland
    park
    session_start "$shots/program.log" "$program"
    check_size form1-shown
    two_buttons form1-shown
    # At scale 1 the close button's cross is 10 pixels wide, the minimise
    # bar 10 wide and 2 high; at twice the scale they are drawn twice as
    # large (give or take 2 pixels, the bar's height 1). Where the buttons
    # lie at any scale is tests/windows/title_bar_test.cpp's; the frame's
    # size is measured by check_size, and a click on the close button ends
    # the program.
    local minimise=(${glyphs[0]}) close=(${glyphs[1]})
    (((close[0] - 20) ** 2 <= 4 && (minimise[0] - 20) ** 2 <= 4 && (minimise[1] - 4) ** 2 <= 1)) ||
        fail "at scale 2 the cross is ${close[0]} wide and the bar ${minimise[0]}x${minimise[1]}, expected 20 and 20x4"
    # The cross is two strokes: nearly all its pixels mirror into its own.
    ((close[2] >= 80)) || fail "the close button shows no cross: ${close[2]} % of it mirrors into itself"
    # The caption stands between the icon (which ends 30 pixels in) and the
    # buttons: some 25 letters of 13 pixels, far more than 100 dark pixels.
    (($(picture dark "$shots/form1-shown.png" $((box[0] + 35 * scale)) $((box[1] + 2 * scale)) \
        $((box[2] - 128 * scale)) $((26 * scale))) > 100)) || fail "the title bar shows no caption"
    # The icon, 22 pixels from 8 in, is a fifth dark: at this scale some 260 pixels.
    (($(picture dark "$shots/form1-shown.png" $((box[0] + 3 * scale)) $((box[1] + 2 * scale)) \
        $((30 * scale)) $((26 * scale))) > 120)) || fail "the title bar shows no icon"
    click_button 0
    session_ended "the close button"
}

# The full-screen shortcut is asked for by the keyboard's run; the buttons
# are counted, and close is clicked (it ends the program), in the runs at
# twice the scale.
run_wayland() {
    session_wayland
    park
    session_start "$shots/program.log" "$program"
    keyboard_through_refusals super+shift+f 16 moved
    double_click_title
    # Weston's own shortcut for a maximised window.
    xdotool key super+shift+m
    check_size form1-maximise-shortcut moved
    about_and_back
    # Minimised, the window leaves the desktop and the program runs on.
    click_button 1
    session_wait_for 10 eval 'shoot minimised; ! picture box "$shots/minimised.png"' ||
        fail "a window still shows after the minimise button"
    kill -0 "$session_program" 2>/dev/null || fail "the program ended after the minimise button"
}

run_gnome() {
    session_gnome
    park
    sleep 1
    shoot empty
    against_empty=("$shots/empty.png")
    # With the program's Wayland messages in its log.
    session_start "$shots/program.log" env WAYLAND_DEBUG=1 "$program"

    # GNOME's shortcut for the maximised state. The activations counted
    # below come after these.
    keyboard_through_refusals super+Up 4
    double_click_title
    # A right click on the title asks GNOME for its window menu, and no other
    # click does (checked in the log below); Escape closes whatever it shows.
    click_at $((box[0] + 120)) $((box[1] + top_margin / 2)) 3
    xdotool key Escape
    check_size form1-window-menu
    about_and_back
    # "Exit" at 280, 216 ends the program with status 0.
    click_client 294 228
    session_ended '"Exit"'
    # Each of the two activations (About's and the main window's again) asks
    # the compositor for one token, and uses it: an unused one keeps GNOME's
    # busy pointer up until it times out. A token for an input names the
    # input's serial; Qt 6.11 (Debian testing) also asks for one when the
    # first window is shown, without a serial.
    local log=$shots/program.log asked at_start given used
    asked=$(grep -c -- '-> xdg_activation_token_v1[@#][0-9]*\.set_serial(' "$log")
    at_start=$(($(grep -c -- '-> xdg_activation_v1[@#][0-9]*\.get_activation_token(' "$log") - asked))
    given=$(grep -o 'xdg_activation_token_v1[@#][0-9]*\.done("[^"]*")' "$log" | cut -d'"' -f2 | sort)
    used=$(grep -o -- '-> xdg_activation_v1[@#][0-9]*\.activate("[^"]*"' "$log" | cut -d'"' -f2 | sort)
    ((asked == 2 && at_start <= 1)) ||
        fail "the program asked for $asked activation tokens for 2 activations, and $at_start more"
    [[ $given == "$used" ]] ||
        fail "the activation tokens given ($(echo $given)) are not those used ($(echo $used))"
    (($(grep -c 'show_window_menu(' "$log") == 1)) ||
        fail "GNOME was not asked for its window menu once (by the right click)"
}

# In a sanitizer build the program's exit is checked for leaks. Qt's Wayland
# client leaves some of its objects to the process's end (tests/lsan.supp);
# full stacks let the suppressions find them, also where the allocating
# driver was unloaded before the check.
[[ -z ${ASAN_OPTIONS:-} ]] || export ASAN_OPTIONS=$ASAN_OPTIONS:fast_unwind_on_malloc=0

if ((scale == 2)); then run_doubled; else "run_$desktop" || fail "no run for $desktop"; fi
