# Sourced by run.sh and test.sh: installs the Debian packages Rungpad needs, only those missing.
# Quick when everything is there: no apt-get call at all then.

RUNGPAD_PACKAGES=(
    g++ cmake ninja-build pkg-config git
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libgl-dev fonts-wqy-zenhei fonts-dejavu-core  # the timing diagram's fixed-pitch font
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n  # View > Language: lupdate, lrelease, Qt's texts
    poppler-utils dpkg-dev file lintian
    strace  # the order of a save's system calls (tests/cli)
    # the real-display journeys of tests/e2e: X server, window manager, input, screen, selection
    python3 xvfb openbox xdotool imagemagick xclip x11-utils qt6-qpa-plugins
)

rungpad_missing_packages() {
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            printf '%s\n' "$pkg"
        fi
    done
}

rungpad_ensure_packages() {
    local missing
    mapfile -t missing < <(rungpad_missing_packages "${RUNGPAD_PACKAGES[@]}" "$@")
    [ "${#missing[@]}" -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "Missing packages (${missing[*]}) and not root: install them and run again." >&2
            return 1
        fi
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# Compiler cache when the machine has one: rebuilds after a branch switch take seconds.
rungpad_launcher() {
    command -v ccache >/dev/null 2>&1 && echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    return 0
}

# Configures build/ (Release; warnings are errors when RUNGPAD_WERROR=1, as test.sh sets) and
# builds the given targets, or everything when none is given.
rungpad_configure_and_build() {
    local werror=OFF
    [ "${RUNGPAD_WERROR:-0}" = 1 ] && werror=ON
    cmake --preset release $(rungpad_launcher) -DRUNGPAD_WERROR=$werror >/dev/null
    local targets=()
    [ "$#" -gt 0 ] && targets=(--target "$@")
    cmake --build build -j "$(nproc)" "${targets[@]}"
}
