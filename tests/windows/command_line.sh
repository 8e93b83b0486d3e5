#!/usr/bin/env bash
# command_line.sh PROGRAM HELP_EXPECTED MAN_PAGE
# The program's own options as a user meets them in a terminal: --version and
# --help answer without any display and end at once, also when a display is
# there; an unknown --option ends with status 2 and one line on standard
# error; Qt's -platform, with one dash or two, still starts the program.
# Every run is bounded by timeout; a started program is killed on every exit.
set -euo pipefail

(($# == 3)) || {
    echo "usage: command_line.sh PROGRAM HELP_EXPECTED MAN_PAGE" >&2
    exit 2
}
program=$1 help_expected=$2 man_page=$3
readonly version="Kelvaro ${KELVARO_RELEASE:?the version comes from CTest} (${KELVARO_VERSION:?})"

work=$(mktemp -d)
pid="" xvfb=""
cleanup() {
    if [[ -n $pid ]]; then
        kill -9 "$pid" 2>/dev/null || true
    fi
    if [[ -n $xvfb ]]; then
        kill "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Runs the program with no display of any kind; status, stdout and stderr
# land in $status, $work/out and $work/err.
run_without_display() {
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        timeout --kill-after=2 10 "$program" "$@" >"$work/out" 2>"$work/err" || status=$?
}

# Checks the last run: its status, its stdout against a file, an empty stderr.
expect_answer() {
    local what=$1 want_status=$2 want_out=$3
    ((status == want_status)) || fail "$what: exit status $status, expected $want_status"
    cmp -s "$want_out" "$work/out" ||
        fail "$what: standard output differs (< expected, > got):$(echo; diff "$want_out" "$work/out")"
    [[ ! -s $work/err ]] || fail "$what: standard error is not empty: $(cat "$work/err")"
}

# --- --version and --help without any display ------------------------------
printf '%s\n' "$version" >"$work/version.expected"
run_without_display --version
expect_answer "--version" 0 "$work/version.expected"
run_without_display --help
expect_answer "--help" 0 "$help_expected"
# An answer that cannot be written (a full disc) is a failure, and says so.
for option in --help --version; do
    status=0
    timeout --kill-after=2 10 "$program" "$option" >/dev/full 2>"$work/err" || status=$?
    ((status == 1)) || fail "$option >/dev/full: exit status $status, expected 1"
    [[ $(cat "$work/err") == 'kelvaro: Die Ausgabe ließ sich nicht schreiben.' ]] ||
        fail "$option >/dev/full: standard error is '$(cat "$work/err")'"
done
# Qt's options before them change nothing.
run_without_display -platform xcb --style Fusion --version
expect_answer "--version after Qt's options" 0 "$work/version.expected"

# The help names every variable of the manual page's ENVIRONMENT section:
# the tags, the lines after each .TP.
variables=$(sed -n '/^\.SH ENVIRONMENT/,/^\.SH /{/^\.TP/{n;p}}' "$man_page" |
    sed 's/^\.BR* //; s/"//g; s/,//g' | tr ' ' '\n' | grep -E '^[A-Z_]+$' || true)
[[ -n $variables ]] || fail "no variables found in the ENVIRONMENT section of $man_page"
for variable in $variables; do
    grep -qw -- "$variable" "$help_expected" || fail "--help does not name $variable"
done

# --- an unknown option ------------------------------------------------------
run_without_display --frobnicate
((status == 2)) || fail "--frobnicate: exit status $status, expected 2"
[[ ! -s $work/out ]] || fail "--frobnicate: standard output is not empty: $(cat "$work/out")"
expected_error='kelvaro: unbekannte Option „--frobnicate“; „kelvaro --help“ zeigt, welche es gibt.'
[[ $(cat "$work/err") == "$expected_error" ]] ||
    fail "--frobnicate: standard error is '$(cat "$work/err")'"

# --- with a display they end at once as well --------------------------------
# Xvfb picks a free display itself and writes its number: no race with the
# other tests' displays.
command -v Xvfb >/dev/null || fail "Xvfb is missing (scripts/setup installs it)"
Xvfb -displayfd 3 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for ((i = 0; i < 100; ++i)); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
if [[ -s $work/display ]]; then
    status=0
    DISPLAY=:$(head -n1 "$work/display") timeout --kill-after=2 20 \
        env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        "$program" --help >"$work/out" 2>"$work/err" || status=$?
    expect_answer "--help on a display" 0 "$help_expected"
else
    fail "Xvfb gave no display within 10 s: $(cat "$work/xvfb.log")"
fi
kill "$xvfb" 2>/dev/null || true
wait "$xvfb" 2>/dev/null || true
xvfb=""

# --- Qt's -platform still starts the program --------------------------------
for spelling in -platform --platform; do
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        "$program" "$spelling" offscreen >"$work/start.log" 2>&1 &
    pid=$!
    sleep 2
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    else
        wait "$pid" 2>/dev/null || true
        fail "$spelling offscreen: the program ended at once: $(cat "$work/start.log")"
    fi
    pid=""
done

if ((failures > 0)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "command line: --version, --help, an unknown option and -platform behave"
