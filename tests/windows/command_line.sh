#!/usr/bin/env bash
# command_line.sh PROGRAM MAN_PAGE
# The program's own options as a user meets them in a terminal: --version and
# --help answer without any display and end at once, also when a display is
# there; the help names what the manual page names; an unknown --option ends
# with status 2 and one line on standard error. Every run is bounded by
# timeout.
set -euo pipefail
. "$(dirname "$(readlink -f "$0")")/../desktops/session.sh"

program=$1 man_page=$2
readonly version="Kelvaro ${KELVARO_RELEASE:?the version comes from CTest} (${KELVARO_VERSION:?})"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# run [ENV...] -- ARGUMENT...: the program with no display of any kind but
# what ENV gives; its status, standard output and error in status, $out, $err.
run() {
    local env=()
    while [[ $1 != -- ]]; do env+=("$1") && shift; done
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "${env[@]}" \
        timeout --kill-after=2 10 "$program" "${@:2}" >"$out" 2>"$err" || status=$?
}

# expect WHAT STATUS OUTPUT_FILE ERROR: the last run's status, its standard
# output (byte for byte) and error.
expect() {
    ((status == $2)) || fail "$1: exit status $status, expected $2"
    cmp -s "$3" "$out" || fail "$1: standard output differs (< expected, > got):$(echo; diff "$3" "$out")"
    [[ $(cat "$err") == "$4" ]] || fail "$1: standard error is '$(cat "$err")', expected '$4'"
}

# The display comes later; its scratch directory holds the outputs.
session_x11
unset QT_QPA_PLATFORM
display=$DISPLAY
unset DISPLAY
out=$session_dir/out err=$session_dir/err help=$session_dir/help none=/dev/null
printf '%s\n' "$version" >"$session_dir/version"

# --- --version and --help without any display, also after Qt's options -----
run -- --version
expect "--version" 0 "$session_dir/version" ""
run -- -platform xcb --style Fusion --version
expect "--version after Qt's options" 0 "$session_dir/version" ""
run -- --help
cp "$out" "$help"
expect "--help" 0 "$help" ""
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
        : >"$out"
        expect "$lines $option >/dev/full" 1 "$none" 'kelvaro: Die Ausgabe ließ sich nicht schreiben.'
    done
done

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

# --- an unknown option; no display; --help with a display --------------------
run -- --frobnicate
expect --frobnicate 2 "$none" 'kelvaro: unbekannte Option „--frobnicate“; „kelvaro --help“ zeigt, welche es gibt.'
run --
[[ $status == 1 && ! -s $out && $(cat "$err") == "Kelvaro kann kein Fenster öffnen: "* ]] ||
    fail "without a display: exit status $status, standard error '$(cat "$err")'"
run DISPLAY="$display" -- --help
expect "--help on a display" 0 "$help" ""

((failures == 0)) || exit 1
echo "command line: --version, --help and an unknown option behave"
