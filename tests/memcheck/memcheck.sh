#!/usr/bin/env bash
# memcheck.sh REPLAY SCRIPT SUPPRESSIONS
# Runs SCRIPT through the real windows (REPLAY --gui) under valgrind memcheck,
# on Qt's offscreen platform in the German locale, and fails on any invalid
# access, use of uninitialised memory, bad free or definitely lost block, or
# when the script does not reach the end of the program. Exits 77 (skipped)
# when valgrind is not installed.
set -u
command -v valgrind >/dev/null || {
    echo "valgrind is not installed: skipped" >&2
    exit 77
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

env QT_QPA_PLATFORM=offscreen LC_ALL=de_DE.UTF-8 XDG_RUNTIME_DIR="$work" \
    valgrind --tool=memcheck --num-callers=30 --log-file="$work/memcheck.log" \
    --suppressions="$3" --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
    "$1" --gui "$2" >"$work/out" 2>"$work/err" ||
    { cat "$work/memcheck.log" "$work/err" >&2; echo "memcheck found errors or definite leaks" >&2; exit 1; }
[[ $(tail -n 1 "$work/out") == ended ]] ||
    { cat "$work/err" >&2; echo "the session did not reach the end of the program" >&2; exit 1; }
grep -E 'ERROR SUMMARY|definitely lost|possibly lost' "$work/memcheck.log"
