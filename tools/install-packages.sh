#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages the build and the tests need, when missing.
# Usage: tools/install-packages.sh [build|test|package|windows]
set -euo pipefail

build_packages=(g++ cmake ninja-build qt6-base-dev)
# The test script also builds the package and checks it: lintian, the
# metadata validator, and what renders and lints the manual pages; xvfb,
# xdotool and x11-utils (xwininfo) let one test drive the window on a real X server;
# Qt's own texts in German come with qt6-translations-l10n; at-spi2-core, dbus
# and the GObject bindings let another read what a screen reader sees.
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev
               lintian appstream man-db mandoc xvfb xdotool x11-utils qt6-translations-l10n
               at-spi2-core dbus python3-gi gir1.2-atspi-2.0)
# dpkg-buildflags gives the hardening flags and dpkg-shlibdeps the package's
# dependencies; desktop-file-validate checks the menu entries; pkg-config and
# bash-completion name the folder for the completion.
package_packages=(dpkg-dev desktop-file-utils pkgconf bash-completion)
# The Windows version: MinGW-w64 in its POSIX-threads flavour, Wine to run
# what it builds (on Xvfb for the windows), NSIS for the installer, dpkg-dev
# to unpack Debian's source of Qt, whose host tools qt6-base-dev-tools brings,
# and GoogleTest's source.
windows_packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 nsis dpkg-dev
                  qt6-base-dev-tools qt6-translations-l10n googletest xvfb xdotool x11-utils)

wanted=("${build_packages[@]}")
case "${1:-build}" in
    test) wanted+=("${test_packages[@]}" "${package_packages[@]}") ;;
    package) wanted+=("${package_packages[@]}") ;;
    windows) wanted+=("${windows_packages[@]}") ;;
esac

missing=()
for p in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
