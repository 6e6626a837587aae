#!/usr/bin/env bash
# ./run where there is no display (nor a Wayland display that answers, with Qt's Wayland platform
# to open a window there): the program's window on a virtual display, seen through a VNC server
# that listens on the loopback address only. Ctrl+C, signals in bursts, or the program's end stop
# everything ./run started; a VNC port taken (on one loopback address or both) or mistyped is
# reported in one line and leaves nothing behind.
#   virtual_display.sh RUN PROGRAM OUTPUT_FOLDER
# The picture of the screen the VNC server served is kept in OUTPUT_FOLDER.
set -uo pipefail
run=$1
program=$2
out=$3
source "$(dirname "$0")/fake_wayland.sh"
mkdir -p "$out"
rm -rf "${out:?}"/*
# Job control: each ./run in a process group of its own, and Ctrl+C reaches it as from a terminal
# (a background job of a script would ignore it).
set -m

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Each run has a temporary folder of its own (TMPDIR), where ./run keeps its work folder, by the
# process id of its ./run.
declare -A tmp_of
# The live processes of a run: those with its TMPDIR in their environment, ./run and all it
# started, whatever their process group or session. The dead that wait for the system to collect
# them have no environment left (under AddressSanitizer the program's leak check has a helper).
left_of() {
    local file
    for file in $(grep -lzxF "TMPDIR=$1" /proc/[0-9]*/environ 2>/dev/null); do
        file=${file#/proc/}
        ps -o pid=,args= -p "${file%/environ}"
    done
}
# Whatever a failed check left running goes at the end, by process id.
cleanup() {
    local tmp pid
    for tmp in "${tmp_of[@]}"; do
        for pid in $(left_of "$tmp" | awk '{print $1}'); do
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

# start_run NAME PORT [VARIABLE=VALUE...]: ./run in the background on the virtual display, with
# the headless platform of the tests in the environment (the program must not take it); sets
# run_pid.
start_run() {
    local name=$1 port=$2
    shift 2
    mkdir "$out/$name"
    env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR TMPDIR="$out/$name" \
        QT_QPA_PLATFORM=offscreen VANTREX_VIRTUAL_DISPLAY=1 VANTREX_VNC_PORT="$port" \
        VANTREX_PROGRAM="$program" "$@" "$run" >"$out/$name.txt" 2>&1 &
    run_pid=$!
    tmp_of[$run_pid]=$out/$name
}

# burst SIGNAL TARGET RUN: sends the signal to the target (a process, or -GROUP) again and again, a
# twentieth to a fifth of a second apart as an impatient user would, while the run's ./run lives
# (30 times at most).
burst() {
    local pauses=(0.05 0.1 0.2) i
    for ((i = 0; i < 30; i++)); do
        ps -o stat= -p "$3" | grep -qv '^Z' || return
        kill "-$1" -- "$2" 2>/dev/null
        sleep "${pauses[i % 3]}"
    done
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

# The run ended with the status, and left nothing running, nor listening on the port (if given),
# nor its work folder.
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
    left=$(left_of "${tmp_of[$leader]}")
    [ -z "$left" ] || fail "$name: left running: $left"
    if [ -n "$port" ] && [ -n "$(ss -Hltn "sport = :$port")" ]; then
        fail "$name: port $port still listens"
    fi
    left=$(ls -A "${tmp_of[$leader]}")
    [ -z "$left" ] || fail "$name: left in its temporary folder: $left"
}

# expect_refusal NAME PORT: ./run ends with status 1 and one line that names VANTREX_VNC_PORT.
expect_refusal() {
    start_run "$1" "$2"
    check_end "$1" "$run_pid" "" 1
    [ "$(wc -l <"$out/$1.txt")" -eq 1 ] && grep -qF "VANTREX_VNC_PORT" "$out/$1.txt" ||
        fail "$1: not one line naming VANTREX_VNC_PORT: $(cat "$out/$1.txt")"
}

# 0. A port that is not one is refused before anything starts.
for value in 0 70000 abc -1; do
    expect_refusal "port $value" "$value"
done

# 1. The window through VNC, on the loopback address only, and nothing on the terminal from Qt; a
#    second ./run on the same port is refused, and so is a port that another program holds on
#    127.0.0.1 alone; Ctrl+C, pressed again and again, stops everything.
port=$(free_port)
start_run first "$port"
first=$run_pid
if ! wait_for_text "$out/first.txt" "localhost:$port" 30; then
    fail "./run did not say where to find the window:"
    cat "$out/first.txt"
else
    window_seen "$port" || fail "no window in the picture ($(cat "$out/screen.txt" 2>/dev/null))"
    loopback_only "$port" ||
        fail "port $port is not on the loopback address only: $(ss -Hltn "sport = :$port")"
    ! grep -q "QStandardPaths" "$out/first.txt" || fail "Qt's warning: $(cat "$out/first.txt")"

    expect_refusal "a port already taken" "$port"

    held=$(free_port)
    perl -MIO::Socket::INET -e '$| = 1; my $s = IO::Socket::INET->new(LocalAddr => "127.0.0.1",
        LocalPort => $ARGV[0], Listen => 1) or exit 1; print "listens\n"; sleep 60' "$held" \
        >"$out/held.txt" &
    holder=$!
    wait_for_text "$out/held.txt" "listens" 5
    expect_refusal "a port taken on 127.0.0.1" "$held"
    kill "$holder"
    wait "$holder" 2>/dev/null

    burst INT "-$first" "$first"
fi
check_end "Ctrl+C" "$first" "$port" 130

# 2. Signals in bursts to ./run alone stop everything all the same. These runs find for themselves
#    that there is no display, and say why: the Wayland display named is a socket file nobody
#    listens on (SIGINT), or a Wayland server that answers, for which Qt's Wayland platform is not
#    installed here (SIGTERM; a server that answers the display's sync request with the callback's
#    done event).
stale=$out/wayland-stale
perl -MIO::Socket::UNIX -e 'IO::Socket::UNIX->new(Local => $ARGV[0], Listen => 1)' "$stale"
live=$out/wayland-live
start_wayland_server "$live"
declare -A wayland_of=([INT]=$stale [TERM]=$live)
declare -A why_of=([INT]="Nothing answers at WAYLAND_DISPLAY=$stale."
    [TERM]="WAYLAND_DISPLAY=$live needs the package qt6-wayland, which is not installed.")
if qt_wayland_installed; then
    wayland_of[TERM]=$stale
    why_of[TERM]=${why_of[INT]}
fi
for signal in INT TERM; do
    port=$(free_port)
    start_run "$signal" "$port" VANTREX_VIRTUAL_DISPLAY= WAYLAND_DISPLAY="${wayland_of[$signal]}"
    if wait_for_text "$out/$signal.txt" "localhost:$port" 30 &&
        grep -qF "${why_of[$signal]}" "$out/$signal.txt"; then
        burst "$signal" "$run_pid" "$run_pid"
        check_end "SIG$signal to ./run" "$run_pid" "$port" $((128 + $(kill -l "$signal")))
    else
        fail "WAYLAND_DISPLAY=${wayland_of[$signal]}: ./run did not take the virtual display," \
            "saying why (SIG$signal):"
        cat "$out/$signal.txt"
    fi
done
kill "$wayland_server"
wait "$wayland_server" 2>/dev/null

# 3. The program's end ends ./run and what it started.
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
