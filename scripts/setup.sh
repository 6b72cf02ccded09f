# Shared by scripts/run and scripts/test: installs what the build needs (only what is
# missing, so a second run is quick) and configures and builds in build/.
set -euo pipefail

MORVEX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
MORVEX_BUILD=${MORVEX_BUILD:-$MORVEX_ROOT/build}

MORVEX_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libx11-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    xvfb xauth
)

morvex_install_missing() {
    local missing=()
    local package
    for package in "${MORVEX_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

morvex_build() {
    cmake -S "$MORVEX_ROOT" -B "$MORVEX_BUILD" -G Ninja >/dev/null
    cmake --build "$MORVEX_BUILD" --parallel "$(nproc)"
}
