#!/usr/bin/env bash
# screen_reader.sh PROGRAM LOG_DIR
# Runs the real program the way a screen reader meets it: a private session
# bus, a virtual X display, the AT-SPI bus with its registry, and a client
# (pyatspi) that walks the accessibility tree, moves the slider, enters bad
# input and listens for what a reader would announce. Every wait is bounded
# and every process started here ends with the run.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
. "$here/session.sh"

program=$1 session_shots=$2 session_test=screen_reader
session_need dbus-send xdotool /usr/libexec/at-spi-bus-launcher
rm -rf "$session_shots"
mkdir -p "$session_shots"

session_x11
session_run at-spi-bus /usr/libexec/at-spi-bus-launcher --launch-immediately
# Whether the AT-SPI bus launcher owns its name; asking it for the address
# instead would have the session bus start a second one.
session_wait_for "$SESSION_WAIT" sh -c 'dbus-send --session --print-reply=literal \
    --dest=org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner \
    string:org.a11y.Bus | grep -q true' || fail "no AT-SPI bus within $SESSION_WAIT s"

# A German setting: numbers with a decimal comma.
LANG=de_DE.UTF-8 LC_ALL='' LC_NUMERIC='' QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    QT_ACCESSIBILITY=1 session_start "$session_shots/program.log" "$program"
# Debian's python, with pyatspi.
/usr/bin/python3 "$here/screen_reader_client.py" || fail "the reader's checks failed"
