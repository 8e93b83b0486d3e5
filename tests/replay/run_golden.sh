#!/usr/bin/env bash
# run_golden.sh REPLAY BACKEND LOCALE SCRIPT [PLATFORM]
# Runs one golden script under LOCALE (de_DE.UTF-8 or C) and compares its
# output with NAME.de.expected or NAME.c.expected. Where a script has no
# NAME.c.expected, the point locale must print the German text with a decimal
# point wherever a field's whole value is a number with a decimal comma (the
# disc names keep theirs). The gui backend runs on Qt's PLATFORM (offscreen
# unless given; the caller provides the display for another).
set -u
replay=$1 backend=$2 locale=$3 script=$4 platform=${5:-offscreen}
name=${script%.script}
args=()
[[ $backend == gui ]] && args+=(--gui)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
expected=$name.de.expected
if [[ $locale == C ]]; then
    expected=$name.c.expected
    if [[ ! -f $expected ]]; then
        expected=$work/expected
        sed -E 's/^([^=]+=-?[0-9]*),([0-9]*(E[+-]?[0-9]+)?)$/\1.\2/' "$name.de.expected" >"$expected"
    fi
fi
LC_ALL=$locale QT_QPA_PLATFORM=$platform timeout -k 5 120 "$replay" "${args[@]}" "$script" >"$work/actual"
status=$?
diff -u "$expected" "$work/actual" || { echo "$(basename "$script") ($locale) differs from $expected" >&2; exit 1; }
((status == 0)) || { echo "kelvaro-replay exited with $status" >&2; exit 1; }
