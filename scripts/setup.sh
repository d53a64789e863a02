#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Tabulon's build, tests and scripts use on Debian (tried on Debian 12; Ubuntu has
# the same packages) and configures the build folder build/ (Release with debug info). Builds
# nothing: scripts/start.sh builds the window, scripts/test.sh everything. Quick when all is
# there: apt-get runs only for missing packages.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"

PACKAGES=(
  build-essential cmake ninja-build # compiler, build tools; readelf and dpkg-shlibdeps for the
                                    # install and .deb checks (CMake 3.25 or newer is needed)
  qt6-base-dev                      # Qt 6 Widgets: the window
  qt6-charts-dev qt6-svg-dev        # Qt Charts and Qt SVG: the plots and their SVG export
  qt6-qpa-plugins                   # Qt's offscreen platform: the window tests run without a screen
  libgtest-dev                      # GoogleTest
  libeigen3-dev                     # Eigen: the least-squares refits of the repair
  fonts-dejavu-core                 # a font for the window on machines that have none
  fonts-liberation                  # Liberation Sans: the widths the window's captions need
  xvfb xauth                        # xvfb-run: starting the window on a machine without a screen
  desktop-file-utils appstream      # validating the menu entry and the metainfo file (tests)
  groff-base                        # checking the manual pages (tests)
  clang-format-14                   # scripts/check-format.sh
  time                              # /usr/bin/time: peak memory in bench/run.sh
  python3                           # the strict HTML5 reading of the comparison page (tests)
  chromium                          # the comparison page rendered in a browser (one test)
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
