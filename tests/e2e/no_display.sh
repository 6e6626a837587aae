#!/usr/bin/env bash
# The program where there is no display to show its window on, nor a Wayland display that answers
# and that Qt's Wayland platform (not installed here) could open a window on: within seconds, one
# line that says so and how to get one, and exit status 1 (not the platform's abort). Where an X
# display answers, and with a platform chosen through QT_QPA_PLATFORM that needs no display, the
# program starts.
#   no_display.sh PROGRAM
set -uo pipefail
program=$1
source "$(dirname "$0")/fake_wayland.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A display number nobody serves: no socket, no lock.
absent=
for ((n = 500 + RANDOM % 400; n < 1000; n++)); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        absent=":$n"
        break
    fi
done

# expect_refusal NAME WHAT_THE_LINE_NAMES ENVIRONMENT...: the program started with only these
# display settings ends within 5 s with status 1 and one line on stderr, naming the cause and both
# ways to a display.
expect_refusal() {
    local name=$1 cause=$2
    shift 2
    local status=0 started=$SECONDS
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" \
        timeout 20 "$program" >"$work/out" 2>"$work/err" || status=$?
    local problems=()
    [ "$status" -eq 1 ] || problems+=("exit status $status, not 1")
    [ $((SECONDS - started)) -le 5 ] || problems+=("$((SECONDS - started)) s, not 5 at most")
    [ "$(wc -l <"$work/err")" -eq 1 ] || problems+=("not one line on stderr")
    [ ! -s "$work/out" ] || problems+=("something on stdout")
    grep -qF -- "$cause" "$work/err" || problems+=("no \"$cause\"")
    grep -qF "set DISPLAY" "$work/err" || problems+=("no \"set DISPLAY\"")
    grep -qF "./run" "$work/err" || problems+=("no \"./run\"")
    if [ ${#problems[@]} -gt 0 ]; then
        echo "FAIL: $name: ${problems[*]}; it printed:"
        cat "$work/out" "$work/err"
        failures=$((failures + 1))
    else
        echo "ok: $name: $(cat "$work/err")"
    fi
}

expect_refusal "no DISPLAY, no WAYLAND_DISPLAY" "DISPLAY is not set"
expect_refusal "DISPLAY empty" "DISPLAY is not set" DISPLAY=
expect_refusal "DISPLAY=$absent, served by nobody" "DISPLAY=$absent" DISPLAY="$absent"
expect_refusal "QT_QPA_PLATFORM=xcb, DISPLAY=$absent" "DISPLAY=$absent" \
    DISPLAY="$absent" QT_QPA_PLATFORM=xcb

# Wayland displays, by name in XDG_RUNTIME_DIR: one that answers (a server that answers the
# display's sync request with the callback's done event, as a Wayland server does), one that takes
# connections and never answers, and one whose server is gone (its socket file left behind).
start_wayland_server "$work/wayland-live"
perl -MIO::Socket::UNIX -e 'my $s = IO::Socket::UNIX->new(Local => $ARGV[0], Listen => 50)
    or exit 1; sleep 60' "$work/wayland-mute" &
listener=$!
perl -MIO::Socket::UNIX -e 'IO::Socket::UNIX->new(Local => $ARGV[0], Listen => 5)' \
    "$work/wayland-left"
for ((i = 0; i < 50; i++)); do
    [ -S "$work/wayland-mute" ] && break
    sleep 0.1
done
expect_refusal "WAYLAND_DISPLAY with no socket" "nothing answers at WAYLAND_DISPLAY=$work/none" \
    WAYLAND_DISPLAY="$work/none"
expect_refusal "WAYLAND_DISPLAY, a socket nobody listens on" "WAYLAND_DISPLAY=wayland-left" \
    WAYLAND_DISPLAY=wayland-left XDG_RUNTIME_DIR="$work"
expect_refusal "WAYLAND_DISPLAY, a socket that never answers" \
    "nothing answers at WAYLAND_DISPLAY=wayland-mute" \
    WAYLAND_DISPLAY=wayland-mute XDG_RUNTIME_DIR="$work"
live=wayland-live
if qt_wayland_installed; then
    echo "skipped: a Wayland display that answers, here where Qt's Wayland platform is installed"
    live=
else
    expect_refusal "WAYLAND_DISPLAY, a Wayland display that answers" \
        "WAYLAND_DISPLAY=wayland-live needs the package qt6-wayland, which is not installed" \
        WAYLAND_DISPLAY=wayland-live XDG_RUNTIME_DIR="$work"
fi
kill "$listener"
wait "$listener" 2>/dev/null

# A display that answers, with the program as its first client: the program runs there until
# stopped, beside a Wayland display or not. The server ends when its last client goes
# (-terminate), as a bare Xvfb resets then: the check for a display must not be that client.
for wayland in "" $live wayland-left; do
    name="a display that answers${wayland:+, WAYLAND_DISPLAY=$wayland}"
    rm -f "$work/display"
    Xvfb -displayfd 3 -terminate -nolisten tcp 3>"$work/display" 2>/dev/null &
    server=$!
    for ((i = 0; i < 100; i++)); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=":$(head -n 1 "$work/display")" \
        XDG_RUNTIME_DIR="$work" ${wayland:+WAYLAND_DISPLAY=$wayland} \
        "$program" >"$work/out" 2>"$work/err" &
    app=$!
    sleep 2
    if kill -0 "$app" 2>/dev/null && kill -0 "$server" 2>/dev/null; then
        echo "ok: $name: runs there"
    else
        echo "FAIL: $name: the program" \
            "$(kill -0 "$app" 2>/dev/null && echo "runs" || echo "ended"), the display" \
            "$(kill -0 "$server" 2>/dev/null && echo "is there" || echo "is gone"); it printed:"
        cat "$work/out" "$work/err"
        failures=$((failures + 1))
    fi
    kill "$app" 2>/dev/null
    wait "$app" 2>/dev/null
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
done

kill "$wayland_server"
wait "$wayland_server" 2>/dev/null

# The headless platform the tests use needs no display: the program runs until stopped.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen \
    timeout 2 "$program" >"$work/out" 2>"$work/err" || status=$?
if [ "$status" -eq 124 ] && ! grep -q "no display" "$work/err"; then
    echo "ok: QT_QPA_PLATFORM=offscreen without a display: ran until stopped"
else
    echo "FAIL: QT_QPA_PLATFORM=offscreen without a display: exit status $status; it printed:"
    cat "$work/out" "$work/err"
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ]
