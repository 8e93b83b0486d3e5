#!/usr/bin/env bash
# run_golden.sh REPLAY BACKEND LOCALE SCRIPT EXPECTED
# Runs one golden script and compares its output with the expected text.
set -u
replay=$1 backend=$2 locale=$3 script=$4 expected=$5
args=()
[[ $backend == gui ]] && args+=(--gui)
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
LC_ALL=$locale QT_QPA_PLATFORM=offscreen "$replay" "${args[@]}" "$script" >"$actual"
status=$?
if ! diff -u "$expected" "$actual"; then
    echo "output differs from $expected" >&2
    exit 1
fi
if ((status != 0)); then
    echo "kelvaro-replay exited with $status" >&2
    exit 1
fi
