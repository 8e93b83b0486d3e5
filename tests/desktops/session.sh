# session.sh: start a desktop session for an end-to-end test, and end it.
# Source it, then call one of
#   session_x11 [openbox]   Xvfb alone (no window manager), or Xvfb with openbox
#   session_wayland         Weston nested on Xvfb through its X11 backend
#   session_gnome           GNOME's compositor (mutter) nested on Xvfb, Wayland only
# Each exports DISPLAY (the Xvfb display; with Weston or mutter it holds the
# compositor's output window, where xdotool clicks and screenshots are taken),
# XDG_RUNTIME_DIR and DBUS_SESSION_BUS_ADDRESS (a session bus of its own, as
# a desktop has: without one, the first program on the display would start a
# bus for the display, which outlives the test); the Wayland sessions also
# export WAYLAND_DISPLAY, and set session_output to the compositor's output
# window, which has the X keyboard focus. A test starts the processes the
# session needs besides the program with session_run, the program with
# session_start. Every process started is ended, and the scratch directory
# removed, when the shell exits (an EXIT trap; a test
# that sets its own should call session_end from it). Every wait is bounded
# by SESSION_WAIT seconds. A test names itself in session_test for its
# failures, and may name a folder in session_shots where a failure leaves a
# picture of the screen and the session's logs.

# The program's window titles, by which the tests find its windows. CTest
# gives the release the main window's caption names.
readonly session_main_title="Kelvaro  [BETA]    v. ${KELVARO_RELEASE:?the version comes from CTest}"
readonly session_about_title='About Kelvaro'

SESSION_WAIT=${SESSION_WAIT:-20}
SESSION_SIZE=${SESSION_SIZE:-1280x800}
# The size of Weston's output, and its scale: its window on the Xvfb screen
# is the size times the scale.
SESSION_WESTON_SIZE=${SESSION_WESTON_SIZE:-1024x700}
SESSION_WESTON_SCALE=${SESSION_WESTON_SCALE:-1}
session_dir=""
session_pids=()

# fail MESSAGE: ends the test, saying what the program printed (a
# sanitizer's report starts with its first finding).
fail() {
    echo "${session_test:-session}: $*" >&2
    [[ ! -s ${session_program_log:-} ]] || grep -v '^$' "$session_program_log" | sed 's/^/program: /;60q' >&2
    if [[ -n ${session_shots:-} && -n $session_dir ]]; then
        import -window root "$session_shots/failure.png" 2>/dev/null
        cp "$session_dir"/*.log "$session_shots"/ 2>/dev/null
    fi
    exit 1
}
# Also from a script that runs with errexit: a process that has ended
# already must not stop the rest.
session_end() {
    # The last started first: the program before its display.
    kill $(printf '%s\n' "${session_pids[@]}" | tac) 2>/dev/null || true
    wait "${session_pids[@]}" 2>/dev/null || true
    [[ -z $session_dir ]] || rm -rf "$session_dir"
}

# session_viewable TITLE: prints the id of the viewable top-level X window
# with that title, or nothing.
session_viewable() {
    local id
    id=$(xwininfo -root -tree | grep -F "\"$1\":" | awk '{print $1; exit}') || true
    [[ -z $id ]] || ! xwininfo -id "$id" | grep -q 'Map State: IsViewable' || echo "$id"
}

# session_showing TITLE and session_gone TITLE: whether a viewable window
# has that title.
session_showing() { [[ -n $(session_viewable "$1") ]]; }
session_gone() { ! session_showing "$1"; }

# session_wait_for SECONDS COMMAND...: runs COMMAND every tenth of a second
# until it succeeds; fails after SECONDS.
session_wait_for() {
    local seconds=$1 i
    shift
    for ((i = 0; i < seconds * 10; ++i)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# The screen position of an X11 window's client area, "X Y", and its size,
# "WIDTHxHEIGHT".
session_client_origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4} END {print x, y}'
}
session_client_size() { xwininfo -id "$1" | awk '/^ *Width:/ {w = $2} /^ *Height:/ {h = $2} END {print w "x" h}'; }

# session_need TOOL...: fails unless every tool is installed.
session_need() {
    type -P "$@" >/dev/null || fail "one of $* is missing (scripts/setup installs it)"
}

# session_run NAME COMMAND...: starts a process of the session, its output
# in NAME.log in the scratch directory.
session_run() {
    "${@:2}" >"$session_dir/$1.log" 2>&1 &
    session_pids+=($!)
}

# session_start LOG COMMAND...: starts the program under test, its output in
# LOG (session_program_log); sets session_program to its process id.
session_start() {
    session_program_log=$1
    "${@:2}" >"$session_program_log" 2>&1 &
    session_program=$!
    session_pids+=("$session_program")
}

# session_window TITLE: waits for the program's viewable window of that
# title and prints its id; fails after SESSION_WAIT seconds.
session_window() {
    session_wait_for "$SESSION_WAIT" session_showing "$1" || fail "no window \"$1\" within $SESSION_WAIT s"
    session_viewable "$1"
}

# session_ended WHAT: waits up to SESSION_WAIT seconds for the program to
# end after WHAT, with status 0; fails otherwise.
session_ended() {
    session_wait_for "$SESSION_WAIT" eval '! kill -0 "$session_program"' ||
        fail "$1 did not end the program"
    wait "$session_program" || fail "the program ended with status $? after $1"
}

session_start_xvfb() {
    session_need Xvfb dbus-daemon xwininfo xdotool import
    session_dir=$(mktemp -d "${TMPDIR:-/tmp}/kelvaro-session.XXXXXX")
    trap session_end EXIT
    trap "exit 143" TERM INT HUP
    # Xvfb picks a free display itself and writes its number once it serves it.
    session_run xvfb Xvfb -displayfd 3 -screen 0 "${SESSION_SIZE}x24" -nolisten tcp -noreset \
        3>"$session_dir/display"
    session_wait_for "$SESSION_WAIT" test -s "$session_dir/display" ||
        fail "Xvfb gave no display within $SESSION_WAIT s: $(cat "$session_dir/xvfb.log")"
    export DISPLAY=:$(head -n1 "$session_dir/display") XDG_RUNTIME_DIR=$session_dir/runtime
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
    session_run dbus dbus-daemon --session --nofork --address="unix:path=$session_dir/bus" \
        --print-address=3 3>"$session_dir/bus.address"
    session_wait_for "$SESSION_WAIT" test -s "$session_dir/bus.address" ||
        fail "the session bus did not start within $SESSION_WAIT s"
    export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$session_dir/bus.address")
}

session_x11() {
    session_start_xvfb
    if [[ ${1:-} == openbox ]]; then
        session_need openbox
        # The configuration Debian installs, whatever the home directory holds.
        session_run openbox openbox --sm-disable --config-file /etc/xdg/openbox/rc.xml
        session_wait_for "$SESSION_WAIT" sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" ||
            fail "openbox did not start within $SESSION_WAIT s: $(cat "$session_dir/openbox.log")"
    fi
    export QT_QPA_PLATFORM=xcb
}

session_wayland() {
    session_need weston
    session_start_xvfb
    # A plain black desktop without panel or animations: a window is then
    # the only thing on the output that is not black, and is shown at once.
    # No on-screen keyboard either, which Weston shows for a focused text
    # field once the window is mapped anew.
    printf '%s\n' '[core]' idle-time=0 '[shell]' background-color=0xff000000 panel-position=none \
        locking=false animation=none close-animation=none startup-animation=none \
        '[input-method]' path= >"$session_dir/weston.ini"
    local socket=kelvaro-wl-$$
    session_run weston weston --backend=x11-backend.so --use-pixman --socket="$socket" \
        --config="$session_dir/weston.ini" \
        --width="${SESSION_WESTON_SIZE%x*}" --height="${SESSION_WESTON_SIZE#*x}" \
        --scale="$SESSION_WESTON_SCALE"
    session_compositor_up weston "$socket" '"Weston Compositor'
}

# session_compositor_up NAME SOCKET TITLE: waits for a nested Wayland
# compositor's socket (its output in NAME.log) and its output window (the
# X11 window whose title begins with TITLE), sets session_output to that
# window and gives it the keyboard, and makes the compositor the display of
# the programs started from here on.
session_compositor_up() {
    local name=$1 socket=$2 title=$3
    session_wait_for "$SESSION_WAIT" test -S "$XDG_RUNTIME_DIR/$socket" ||
        fail "$name made no socket within $SESSION_WAIT s: $(tail -5 "$session_dir/$name.log")"
    # The output window: the top-level X11 window whose title, with its
    # opening quote, begins with TITLE.
    session_wait_for "$SESSION_WAIT" eval 'session_output=$(xwininfo -root -children |
        awk -v t="$title" "index(\$0, t) {print \$1; found = 1; exit} END {exit !found}")' ||
        fail "$name's output window did not show within $SESSION_WAIT s"
    xdotool windowfocus --sync "$session_output" ||
        fail "the keyboard could not be given to $name's output window"
    export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
}

# Mutter, as GNOME runs it, on Xvfb and without Xwayland: nested where it
# still can be (mutter 48 and older), otherwise in its development kit, whose
# viewer shows a virtual monitor of the viewer's size and hands it the
# viewer's input. It shows its own background, and draws the pointer into
# its output.
session_gnome() {
    session_need mutter
    session_start_xvfb
    local socket=kelvaro-gnome-$$
    if mutter --help 2>&1 | grep -q -- --nested; then
        MUTTER_DEBUG_DUMMY_MODE_SPECS=$SESSION_WESTON_SIZE \
            session_run mutter mutter --wayland --nested --no-x11 --wayland-display="$socket"
        session_compositor_up mutter "$socket" '"mutter"'
        return
    fi
    # The viewer takes the picture from PipeWire.
    session_need pipewire wireplumber
    session_run pipewire pipewire
    session_wait_for "$SESSION_WAIT" test -S "$XDG_RUNTIME_DIR/pipewire-0" ||
        fail "PipeWire made no socket within $SESSION_WAIT s"
    session_run wireplumber wireplumber
    session_run mutter mutter --wayland --devkit --no-x11 --wayland-display="$socket"
    session_compositor_up mutter "$socket" '"Mutter Development Kit"'
    session_devkit_fit
}

# Sizes the development kit's viewer so that the monitor it shows is
# SESSION_WESTON_SIZE, and moves its window so that the monitor's top-left
# corner is the screen's: the screen then stands for the output, as the
# nested compositors' output windows do.
session_devkit_fit() {
    local shot=$session_dir/devkit.png wide=${SESSION_WESTON_SIZE%x*} high=${SESSION_WESTON_SIZE#*x}
    local view=() outer i
    # The viewer may still settle its size when first shown: measured again
    # until the monitor has the size, then moved.
    for ((i = 0; i < SESSION_WAIT; ++i)); do
        xdotool windowmove "$session_output" 0 0
        sleep 0.5
        if view=($(session_devkit_view "$shot")) && ((${#view[@]} == 4)); then
            if ((view[2] == wide && view[3] == high)); then
                xdotool windowmove "$session_output" $((-view[0])) $((-view[1]))
                sleep 0.5
                if [[ $(session_devkit_view "$shot" root) == "0 0 $wide $high" ]]; then
                    session_output=$(xwininfo -root | awk '/Window id:/ {print $4}')
                    return 0
                fi
            else
                outer=($(xwininfo -id "$session_output" | awk '/Width:|Height:/ {print $2}'))
                xdotool windowsize "$session_output" $((outer[0] - view[2] + wide)) \
                    $((outer[1] - view[3] + high))
            fi
        fi
        sleep 0.5
    done
    fail "the development kit's monitor is not $SESSION_WESTON_SIZE at the screen's corner (${view[*]})"
}

# session_devkit_view SHOT: the place and size of the monitor in the viewer
# on the screenshot SHOT of WINDOW (the monitor's background is blue, the
# viewer's own parts are grey): "X Y WIDTH HEIGHT".
session_devkit_view() {
    import -window "${2:-$session_output}" "$1" 2>/dev/null || return 1
    python3 - "$1" <<'PY'
import sys
from PIL import Image, ImageChops
r, _, b = Image.open(sys.argv[1]).convert("RGB").split()
box = ImageChops.subtract(b, r).point(lambda v: 255 if v > 30 else 0).getbbox()
if not box:
    sys.exit(1)
print(box[0], box[1], box[2] - box[0], box[3] - box[1])
PY
}
