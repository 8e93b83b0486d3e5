#!/usr/bin/env bash
# memcheck.sh session REPLAY SCRIPT SUPPRESSIONS
#   Runs SCRIPT through the real windows (REPLAY --gui) under valgrind
#   memcheck and fails on any invalid access, use of uninitialised memory,
#   bad free or definitely lost block, or when the script does not reach the
#   end of the program.
# memcheck.sh start PROGRAM SUPPRESSIONS
#   Starts the program under memcheck, waits until it sits idle in its event
#   loop, ends it with SIGTERM and fails on any error found on the way. The
#   program has no way to be ended cleanly from outside, so memory still held
#   at that moment says nothing and leaks are not checked in this mode; the
#   session run covers the end of the program.
# Both run on Qt's offscreen platform in the German locale. Exits 77
# (skipped) when valgrind is not installed.
set -u
mode=$1
if ! command -v valgrind >/dev/null; then
    echo "valgrind is not installed: skipped" >&2
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log=$work/memcheck.log
common=(env QT_QPA_PLATFORM=offscreen LC_ALL=de_DE.UTF-8 XDG_RUNTIME_DIR="$work"
    valgrind --tool=memcheck --num-callers=30 --log-file="$log")

show_log() {
    cat "$log" >&2
}

run_session() {
    local replay=$1 script=$2 suppressions=$3
    "${common[@]}" --suppressions="$suppressions" \
        --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
        "$replay" --gui "$script" >"$work/out" 2>"$work/err"
    local status=$?
    if ((status != 0)); then
        show_log
        cat "$work/err" >&2
        echo "memcheck found errors or definite leaks (exit status $status)" >&2
        return 1
    fi
    if [[ $(tail -n 1 "$work/out") != ended ]]; then
        cat "$work/err" >&2
        echo "the session did not reach the end of the program" >&2
        return 1
    fi
    grep -E 'ERROR SUMMARY|definitely lost|possibly lost' "$log"
}

# Sum of user and system CPU time of a process, in clock ticks.
cpu_ticks() {
    local stat
    stat=$(<"/proc/$1/stat") || return 1
    stat=${stat##*) }
    read -r -a fields <<<"$stat"
    echo $((fields[11] + fields[12]))
}

# Waits until the process has used at most a few ticks in each of two
# seconds in a row (a pause for the disk alone is shorter), for at most three
# minutes.
wait_until_idle() {
    local pid=$1 before now quiet=0
    before=$(cpu_ticks "$pid") || return 1
    for ((i = 0; i < 180; ++i)); do
        sleep 1
        now=$(cpu_ticks "$pid") || return 1
        if ((now - before <= 5)); then
            ((++quiet >= 2)) && return 0
        else
            quiet=0
        fi
        before=$now
    done
    return 1
}

run_start() {
    local program=$1 suppressions=$2
    "${common[@]}" --suppressions="$suppressions" --leak-check=no \
        "$program" >"$work/out" 2>"$work/err" &
    local pid=$!
    if ! wait_until_idle "$pid"; then
        kill -KILL "$pid" 2>/dev/null
        wait "$pid"
        show_log
        cat "$work/err" >&2
        echo "the program ended early or never came to rest" >&2
        return 1
    fi
    kill -TERM "$pid"
    wait "$pid"
    # Coming to rest means start-up is over. The signal lands on any of the
    # program's threads (the painter's pool has some), so its stack does not
    # tell where the main thread waits.
    if ! grep -q 'signal 15 (SIGTERM)' "$log"; then
        show_log
        echo "the program ended before it was stopped" >&2
        return 1
    fi
    if ! grep -q 'ERROR SUMMARY: 0 errors' "$log"; then
        show_log
        echo "memcheck found errors while the program started" >&2
        return 1
    fi
    grep -E 'ERROR SUMMARY' "$log"
}

case $mode in
session) run_session "$2" "$3" "$4" ;;
start) run_start "$2" "$3" ;;
*)
    echo "usage: memcheck.sh session REPLAY SCRIPT SUPPRESSIONS | start PROGRAM SUPPRESSIONS" >&2
    exit 2
    ;;
esac
