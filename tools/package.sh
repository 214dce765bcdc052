#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds mvconf and fwload for release in build/package and makes the Debian
# package of both; prints the path of the .deb.
#
#   tools/package.sh
#   sudo apt install ./build/package/mvconf_*.deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/package"

"$root/tools/install-packages.sh" package
# Installing builds only the two programs, not the tools and tests beside them.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DMV_BUILD_TESTS=OFF -DMV_BUILD_BENCHMARKS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$build" -j 2 --target mvconf fwload

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate --no-hints "$root"/resources/desktop/*.desktop
fi

rm -f "$build"/mvconf_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/mvconf_*.deb)"
echo "$deb"
