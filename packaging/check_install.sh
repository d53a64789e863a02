#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what the build installs and packages, in folders of its own (the build is not changed):
#   check_install.sh install BUILD_DIR GUI VERSION   `cmake --install --strip` gives exactly the
#                                    expected files, stripped programs that name VERSION
#   check_install.sh deb BUILD_DIR GUI VERSION       the .deb of VERSION holds the same files
#                                    under /usr
# GUI is the TABULON_BUILD_GUI setting (ON/OFF). Exits 77 (skipped) when a tool is missing.
set -euo pipefail

mode="$1" build="$2" gui="$3" version="$4"
fail() { echo "FAIL: $*" >&2; exit 1; }

expected=(
  bin/tabulon-batch
  share/doc/tabulon/LICENSE
  share/man/man1/tabulon-batch.1
)
if [[ "$gui" == ON ]]; then
  expected+=(
    bin/tabulon
    share/applications/tabulon.desktop
    share/icons/hicolor/scalable/apps/tabulon.svg
    share/man/man1/tabulon.1
    share/metainfo/org.example.tabulon.metainfo.xml
  )
fi
expected_list="$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# Compares the listed files (paths relative to the prefix) with the expected ones.
same_files() {
  local found
  found="$(LC_ALL=C sort)"
  [[ "$found" == "$expected_list" ]] ||
    fail "$1 holds other files than expected:"$'\n'"$(diff <(echo "$expected_list") <(echo "$found"))"
}

case "$mode" in
  install)
    command -v readelf >/dev/null || { echo "SKIPPED: readelf is not installed"; exit 77; }
    prefix="$scratch/prefix"
    cmake --install "$build" --prefix "$prefix" --strip >/dev/null
    (cd "$prefix" && find . -type f -printf '%P\n') | same_files "the install"
    programs=(tabulon-batch)
    [[ "$gui" == ON ]] && programs+=(tabulon)
    for program in "${programs[@]}"; do
      if readelf -S "$prefix/bin/$program" | grep -q '\.symtab'; then
        fail "bin/$program is not stripped"
      fi
      # Both answer --help and --version on stdout, without a display.
      run=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program")
      printed="$("${run[@]}" --version 2>"$scratch/err")" || fail "bin/$program --version failed"
      [[ "$printed" == "$program $version" && ! -s "$scratch/err" ]] ||
        fail "bin/$program --version printed '$printed' $(cat "$scratch/err")"
      printed="$("${run[@]}" --help 2>"$scratch/err")" || fail "bin/$program --help failed"
      [[ "$printed" == "usage: $program "* && ! -s "$scratch/err" ]] ||
        fail "bin/$program --help printed '$printed' $(cat "$scratch/err")"
    done
    # tabulon-batch plot hands over to the window program installed beside it.
    if [[ "$gui" == ON ]]; then
      { echo THERMO
        echo '   200.000  1000.000  5000.000'
        sed -n '/^H2O /,+3p' "$(dirname "${BASH_SOURCE[0]}")/../examples/therm_a.dat"
        echo END; } >"$scratch/h2o.dat"
      env -u DISPLAY "$prefix/bin/tabulon-batch" plot "$scratch/h2o.dat" H2O \
        --out "$scratch/h2o.svg" 2>"$scratch/err" ||
        fail "bin/tabulon-batch plot failed: $(cat "$scratch/err")"
      [[ -s "$scratch/h2o.svg" ]] || fail "bin/tabulon-batch plot wrote no picture"
    fi
    ;;
  deb)
    for tool in dpkg-deb dpkg-shlibdeps cpack; do
      command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
    done
    cpack --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
      fail "cpack failed:"$'\n'"$(cat "$scratch/cpack.log")"
    debs=("$scratch"/*.deb)
    ((${#debs[@]} == 1)) && [[ -f "${debs[0]}" ]] || fail "cpack made no single .deb"
    deb="${debs[0]}"
    # Regular files only ('-' in the mode column), their paths under /usr.
    dpkg-deb -c "$deb" | awk '$1 ~ /^-/ { print $6 }' | sed -n 's|^\./usr/||p' |
      same_files "$(basename "$deb")"
    [[ "$(dpkg-deb -c "$deb" | awk '$1 ~ /^-/' | grep -vc ' \./usr/')" == 0 ]] ||
      fail "the package installs files outside /usr"
    [[ "$(dpkg-deb -f "$deb" Package)" == tabulon ]] || fail "package name"
    [[ "$(dpkg-deb -f "$deb" Version)" == "$version" ]] || fail "package version"
    depends="$(dpkg-deb -f "$deb" Depends)"
    [[ "$depends" == *libc6* ]] || fail "Depends lacks the C library: '$depends'"
    if [[ "$gui" == ON && ("$depends" != *libqt6widgets6* || "$depends" != *qt6-qpa-plugins*) ]]
    then
      fail "Depends lacks Qt Widgets or Qt's platform plugins: '$depends'"
    fi
    ;;
  *)
    echo "usage: check_install.sh install|deb BUILD_DIR GUI VERSION" >&2
    exit 2
    ;;
esac
echo "OK: $mode"
