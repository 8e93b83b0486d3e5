#!/usr/bin/env bash
# differential.sh REPLAY SESSIONS COUNT SEED [PLATFORM]
# Has SESSIONS (kelvaro-session-scripts) write COUNT random sessions of seed
# SEED as replay scripts with a dump after every action, runs each through
# REPLAY on the core and through REPLAY --gui on the real widgets, in the
# session's locale, and fails on the first difference. The widgets run on Qt's PLATFORM (offscreen unless given; the
# caller provides the display for another).
set -u
replay=$1 sessions=$2 count=$3 seed=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=${5:-offscreen}

"$sessions" "$work/scripts" "$count" "$seed" || exit 1

for script in "$work"/scripts/*.script; do
    locale=C
    [[ $script == *.de.script ]] && locale=de_DE.UTF-8
    LC_ALL=$locale "$replay" "$script" >"$work/core" 2>"$work/core.err"
    core_status=$?
    # Bounded: a run that hangs shows as exit status 124.
    LC_ALL=$locale timeout -k 5 120 "$replay" --gui "$script" >"$work/gui" 2>"$work/gui.err"
    gui_status=$?
    if ((core_status != gui_status)) || ! cmp -s "$work/core" "$work/gui"; then
        echo "$(basename "$script") ($locale): the backends differ" >&2
        echo "exit status: core $core_status, gui $gui_status" >&2
        grep -h "^line" "$work/core.err" >&2
        tail -n 5 "$work/gui.err" >&2
        diff -u --label core --label gui "$work/core" "$work/gui" | head -40 >&2
        echo "----- script -----" >&2
        cat "$script" >&2
        exit 1
    fi
done
echo "$count sessions: core and gui agree"
