# Sourced by the display scripts: a stand-in for a Wayland server, and whether this machine has
# Qt's Wayland platform, for which the stand-in would be no stand-in.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/deps.sh"

# start_wayland_server SOCKET: a server at that socket that answers the display's sync request with
# the callback's done event, as a Wayland server does, and nothing more. Its process id goes to
# wayland_server; returns once the socket is there.
start_wayland_server() {
    perl -MIO::Socket::UNIX -e '$SIG{PIPE} = "IGNORE";
        my $s = IO::Socket::UNIX->new(Local => $ARGV[0], Listen => 5) or exit 1;
        while (my $c = $s->accept) {
            sysread $c, my $sync, 12; syswrite $c, pack("L3", 2, 12 << 16, 0) }' "$1" &
    wayland_server=$!
    local i
    for ((i = 0; i < 50; i++)); do
        [ -S "$1" ] && return 0
        sleep 0.1
    done
}

# Where Qt's Wayland platform is installed, the program takes the stand-in for a Wayland display
# and Qt waits on it for ever: the runs that use it are this machine's to skip.
qt_wayland_installed() {
    package_installed qt6-wayland
}
