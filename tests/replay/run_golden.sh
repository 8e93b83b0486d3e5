#!/usr/bin/env bash
# run_golden.sh REPLAY BACKEND LOCALE SCRIPT EXPECTED [PLATFORM]
# Runs one golden script and compares its output with the expected text. The
# gui backend runs on Qt's PLATFORM (offscreen unless given; the caller
# provides the display for another).
set -u
replay=$1 backend=$2 locale=$3 script=$4 expected=$5 platform=${6:-offscreen}
args=()
[[ $backend == gui ]] && args+=(--gui)
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
LC_ALL=$locale QT_QPA_PLATFORM=$platform timeout -k 5 120 "$replay" "${args[@]}" "$script" >"$actual"
status=$?
if ! diff -u "$expected" "$actual"; then
    echo "output differs from $expected" >&2
    exit 1
fi
if ((status != 0)); then
    echo "kelvaro-replay exited with $status" >&2
    exit 1
fi
