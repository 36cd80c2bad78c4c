# Shared by run.sh and test.sh: installs what the build needs and builds one tree.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

DEBIAN_PACKAGES=(
  g++ cmake ninja-build lld pkgconf clang-format
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libqt6svg6
  libgl-dev libxkbcommon-dev
  kdegames-card-data-kf5 fonts-dejavu-core fonts-dejavu-extra fonts-liberation2
  libgtest-dev libbenchmark-dev
  xvfb xauth xdotool
  dbus at-spi2-core python3-pyatspi
  desktop-file-utils appstream
)

install_packages() {
  local missing=()
  for pkg in "${DEBIAN_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing Debian packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build_tree DIR [extra cmake arguments...]
build_tree() {
  local dir="$1"; shift
  # Configuring again is cheap when nothing changed, and picks up changed options.
  cmake -S "$ROOT" -B "$ROOT/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$ROOT/$dir" --parallel "$(nproc)"
}
