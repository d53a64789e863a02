#!/usr/bin/env bash
# Installs what Tabulon needs on Debian or Ubuntu and builds it in build/ (Release with debug
# info). Quick when everything is already there: apt-get runs only for missing packages, and
# the build only recompiles what changed.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"

PACKAGES=(
  build-essential cmake ninja-build # compiler and build tools
  qt6-base-dev qt6-qpa-plugins      # Qt 6 Widgets; offscreen platform for the window tests
  qt6-charts-dev qt6-svg-dev        # the property plots and their SVG export
  libgtest-dev libgmock-dev         # GoogleTest
  xvfb xauth                        # a virtual display for running the window without a screen
  fonts-dejavu-core                 # a font for the window on machines that have none
  fonts-liberation                  # Liberation Sans: the widths the window's captions need
)

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "== Installing: ${missing[*]}"
  sudo=()
  if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "setup.sh: run as root or install sudo" >&2; exit 1; }
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

# Configuring an existing build folder again is quick, and it puts back these settings if the
# folder was configured otherwise (the window and the tests must both be built).
generator=()
[[ -f "$BUILD/CMakeCache.txt" ]] || generator=(-G Ninja)
echo "== Configuring $BUILD"
cmake -S "$ROOT" -B "$BUILD" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTABULON_BUILD_GUI=ON -DTABULON_BUILD_TESTS=ON >/dev/null
echo "== Building $BUILD"
cmake --build "$BUILD" -j "$(nproc)"
