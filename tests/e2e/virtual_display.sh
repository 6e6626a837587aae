#!/usr/bin/env bash
# ./run where there is no display: the program's window on a virtual display, seen through a VNC
# server that listens on the loopback address only. Ctrl+C, or the program's end, stops everything
# ./run started; a VNC port already taken is reported and leaves nothing behind.
#   virtual_display.sh RUN PROGRAM OUTPUT_FOLDER
# The picture of the screen the VNC server served is kept in OUTPUT_FOLDER.
set -uo pipefail
run=$1
program=$2
out=$3
mkdir -p "$out"
rm -f "$out"/*
# Job control: each ./run in a process group of its own, and Ctrl+C reaches it as from a terminal
# (a background job of a script would ignore it).
set -m

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The live processes of a ./run: its process group, less the dead that wait for the system to
# collect them (under AddressSanitizer the program's leak check has a helper of its own).
group_of() {
    ps -eo pid=,pgid=,stat=,args= | awk -v g="$1" '$2 == g && $3 !~ /^Z/'
}
# Whatever a failed check left running goes at the end, by process id.
runs=()
cleanup() {
    local leader pid
    for leader in "${runs[@]}"; do
        for pid in $(group_of "$leader" | awk '{print $1}'); do
            kill -KILL "$pid" 2>/dev/null
        done
    done
}
trap cleanup EXIT

# A TCP port from 20000 on that nothing listens on.
free_port() {
    local port
    while :; do
        port=$((20000 + RANDOM % 20000))
        if [ -z "$(ss -Hltn "sport = :$port")" ]; then
            echo "$port"
            return
        fi
    done
}

# start_run NAME PORT: ./run in the background on the virtual display, with the headless platform
# of the tests in the environment (the program must not take it); sets run_pid.
start_run() {
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen VANTREX_VIRTUAL_DISPLAY=1 \
        VANTREX_VNC_PORT="$2" VANTREX_PROGRAM="$program" "$run" >"$out/$1.txt" 2>&1 &
    run_pid=$!
    runs+=("$run_pid")
}

# Waits up to the seconds given for the text in the file.
wait_for_text() {
    local i
    for ((i = 0; i < $3 * 10; i++)); do
        grep -qF -- "$2" "$1" && return 0
        sleep 0.1
    done
    return 1
}

# Waits up to 15 s for the process to end; sets ended_status (empty when it still runs).
wait_for_end() {
    local i
    ended_status=
    for ((i = 0; i < 150; i++)); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1"
            ended_status=$?
            return
        fi
        sleep 0.1
    done
}

# The share of the picture's pixels near the colour.
share_of() {
    convert "$1" -fuzz 12% -fill black +opaque "$2" -fill white -opaque "$2" \
        -format '%[fx:mean]' info:
}

# Takes pictures through the VNC server until one shows a window (white, with the program's
# orange), for up to 30 s; keeps the last as screen.jpg.
window_seen() {
    local port=$1 i white orange
    for ((i = 0; i < 30; i++)); do
        if timeout 10 vncsnapshot -quiet -allowblank "localhost:$((port - 5900))" \
            "$out/screen.jpg" >/dev/null 2>&1; then
            white=$(share_of "$out/screen.jpg" '#FFFFFF')
            orange=$(share_of "$out/screen.jpg" '#FE7F0F')
            echo "white $white, orange $orange" >"$out/screen.txt"
            if awk -v w="$white" -v o="$orange" 'BEGIN { exit !(w > 0.03 && o > 0.0005) }'; then
                return 0
            fi
        fi
        sleep 1
    done
    return 1
}

# Every listening socket on the port is on the loopback address, and there is one.
loopback_only() {
    local sockets
    sockets=$(ss -Hltn "sport = :$1" | awk '{print $4}')
    echo "$sockets" >"$out/sockets.txt"
    [ -n "$sockets" ] || return 1
    ! echo "$sockets" | grep -qvE "^(127\.0\.0\.1|\[::1\]):$1\$"
}

# The run ended with the status, and left nothing running, nor listening on the port (if given).
check_end() {
    local name=$1 leader=$2 port=$3 expected=$4
    wait_for_end "$leader"
    if [ -z "$ended_status" ]; then
        fail "$name: ./run still runs"
        return
    fi
    [ "$ended_status" -eq "$expected" ] ||
        fail "$name: ./run ended with $ended_status, not $expected"
    local left
    left=$(group_of "$leader")
    [ -z "$left" ] || fail "$name: left running: $left"
    if [ -n "$port" ] && [ -n "$(ss -Hltn "sport = :$port")" ]; then
        fail "$name: port $port still listens"
    fi
}

# 1. The window through VNC, on the loopback address only; a second ./run on the same port is
#    refused; Ctrl+C stops everything.
port=$(free_port)
start_run first "$port"
if ! wait_for_text "$out/first.txt" "localhost:$port" 30; then
    fail "./run did not say where to find the window:"
    cat "$out/first.txt"
else
    window_seen "$port" || fail "no window in the picture ($(cat "$out/screen.txt" 2>/dev/null))"
    loopback_only "$port" ||
        fail "port $port is not on the loopback address only: $(ss -Hltn "sport = :$port")"

    start_run taken "$port"
    check_end "a port already taken" "$run_pid" "" 1
    grep -qF "VANTREX_VNC_PORT" "$out/taken.txt" ||
        fail "a port already taken: no word of VANTREX_VNC_PORT: $(cat "$out/taken.txt")"

    kill -INT -- "-${runs[0]}"
fi
check_end "Ctrl+C" "${runs[0]}" "$port" 130

# 2. The program's end ends ./run and what it started.
port=$(free_port)
start_run second "$port"
if wait_for_text "$out/second.txt" "localhost:$port" 30; then
    app=$(ps -o pid=,args= --ppid "$run_pid" | awk -v p="$program" '$2 == p {print $1}')
    if [ -n "$app" ]; then
        kill -TERM "$app"
        check_end "the program's end" "$run_pid" "$port" 143
    else
        fail "the program's end: no program among ./run's processes"
    fi
else
    fail "./run did not say where to find the window (second run):"
    cat "$out/second.txt"
fi

[ "$failures" -eq 0 ]
