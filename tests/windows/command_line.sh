#!/usr/bin/env bash
# command_line.sh PROGRAM MAN_PAGE
# The program's own options as a user meets them in a terminal: --version and
# --help answer without any display and end at once, also when a display is
# there; the help names what the manual page names; an unknown --option ends
# with status 2 and one line on standard error; Qt's -platform, with one dash
# or two, still starts the program. Every run is bounded by timeout; a
# started program is killed on every exit.
set -euo pipefail
. "$(dirname "$(readlink -f "$0")")/../desktops/session.sh"

(($# == 2)) || {
    echo "usage: command_line.sh PROGRAM MAN_PAGE" >&2
    exit 2
}
program=$1 man_page=$2
readonly version="Kelvaro ${KELVARO_RELEASE:?the version comes from CTest} (${KELVARO_VERSION:?})"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Runs the program with no display of any kind; status, stdout and stderr
# land in $status, $session_dir/out and $session_dir/err.
run_without_display() {
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        timeout --kill-after=2 10 "$program" "$@" >"$out" 2>"$err" || status=$?
}

# Checks the last run: its status, its stdout against a file, an empty stderr.
expect_answer() {
    local what=$1 want_status=$2 want_out=$3
    ((status == want_status)) || fail "$what: exit status $status, expected $want_status"
    cmp -s "$want_out" "$out" ||
        fail "$what: standard output differs (< expected, > got):$(echo; diff "$want_out" "$out")"
    [[ ! -s $err ]] || fail "$what: standard error is not empty: $(cat "$err")"
}

# The display comes later; its scratch directory holds the outputs.
session_x11
unset QT_QPA_PLATFORM
display=$DISPLAY
unset DISPLAY
out=$session_dir/out err=$session_dir/err help=$session_dir/help

# --- --version and --help without any display ------------------------------
printf '%s\n' "$version" >"$session_dir/version"
run_without_display --version
expect_answer "--version" 0 "$session_dir/version"
run_without_display --help
cp "$out" "$help"
((status == 0)) && [[ ! -s $err ]] || fail "--help: exit status $status, $(cat "$err")"
# An answer that cannot be written (a full disc) is a failure, and says so,
# also when it goes out line by line, as to a terminal: then the last flush
# has nothing left to write, and only the stream's error tells. (stdbuf
# preloads its library ahead of the sanitizers' runtime, which they accept
# when told.)
asan_options=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
for option in --help --version; do
    for lines in "" "env ASAN_OPTIONS=$asan_options stdbuf -oL"; do
        status=0
        timeout --kill-after=2 10 $lines "$program" "$option" >/dev/full 2>"$err" || status=$?
        ((status == 1)) || fail "$lines $option >/dev/full: exit status $status, expected 1"
        [[ $(cat "$err") == 'kelvaro: Die Ausgabe ließ sich nicht schreiben.' ]] ||
            fail "$lines $option >/dev/full: standard error is '$(cat "$err")'"
    done
done
# Qt's options before them change nothing.
run_without_display -platform xcb --style Fusion --version
expect_answer "--version after Qt's options" 0 "$session_dir/version"

# The help names what the manual page names: each option and variable it
# describes (the tags after each .TP) and the Qt options it gives as examples;
# and it fits a terminal of 80 columns.
names=$(sed -n '/^\.SH OPTIONS/,/^\.SH EXIT/{/^\.TP/{n;p};/^\.BI \\-[a-z]* /p}' "$man_page" |
    sed 's/^\.B[RI]* //; s/\\-/-/g; s/"[^"]*"//g; s/,//g' | tr ' ' '\n' |
    grep -E '^(-{1,2}[a-z]+|[A-Z_]+)$' || true)
[[ $(wc -w <<<"$names") -ge 11 ]] || fail "only these names found in $man_page: $names"
for name in $names; do
    grep -qw -- "$name" "$help" || fail "--help does not name $name"
done
[[ -z $(awk 'length > 80' "$help") ]] || fail "--help has lines over 80 columns"
grep -q '^Aufruf: kelvaro ' "$help" || fail "--help does not begin with its usage"

# --- an unknown option ------------------------------------------------------
run_without_display --frobnicate
((status == 2)) || fail "--frobnicate: exit status $status, expected 2"
[[ ! -s $out ]] || fail "--frobnicate: standard output is not empty: $(cat "$out")"
expected_error='kelvaro: unbekannte Option „--frobnicate“; „kelvaro --help“ zeigt, welche es gibt.'
[[ $(cat "$err") == "$expected_error" ]] || fail "--frobnicate: standard error is '$(cat "$err")'"

# --- without a display the program says so and ends with status 1 ----------
run_without_display
((status == 1)) || fail "without a display: exit status $status, expected 1"
[[ ! -s $out && $(cat "$err") == "Kelvaro kann kein Fenster öffnen: "* ]] ||
    fail "without a display: standard error is '$(cat "$err")'"

# --- with a display the help ends at once as well ---------------------------
status=0
DISPLAY=$display timeout --kill-after=2 20 env -u WAYLAND_DISPLAY \
    "$program" --help >"$out" 2>"$err" || status=$?
expect_answer "--help on a display" 0 "$help"

# --- Qt's -platform still starts the program --------------------------------
for spelling in -platform --platform; do
    session_start "$session_dir/start.log" env -u WAYLAND_DISPLAY "$program" "$spelling" offscreen
    sleep 2
    session_alive "$session_program" ||
        fail "$spelling offscreen: the program ended at once: $(cat "$session_dir/start.log")"
done

if ((failures > 0)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "command line: --version, --help, an unknown option and -platform behave"
