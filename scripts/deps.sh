# Installs the Debian packages the project needs, and only those that are missing.
# Sourced by ./run, ./test and the display tests.

VANTREX_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libxcb1-dev libeigen3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-format
    xvfb xauth xdotool xclip libx11-dev imagemagick poppler-utils fonts-dejavu-core
    # ./run's virtual display where there is none (x11vnc, openbox), and what its test looks with
    x11vnc openbox vncsnapshot iproute2 procps
)

# Whether the Debian package is installed.
package_installed() {
    [[ $(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) == "install ok installed" ]]
}

ensure_deps() {
    local missing=()
    local pkg
    for pkg in "${VANTREX_PACKAGES[@]}"; do
        if ! package_installed "$pkg"; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}
