#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package of mvconf and fwload and prints the path of the .deb.
#
#   tools/package.sh          builds both programs for release, hardened, in
#                             build/package and packages them
#   tools/package.sh BUILD    packages a release build configured with
#                             -DMV_HARDEN=ON that is already built (the test
#                             script's), so nothing is compiled twice
#   sudo apt install ./build/package/mvconf_*.deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/tools/install-packages.sh" package >&2
if [ $# -gt 0 ]; then
    build="$(cd "$1" && pwd)"
    if ! grep -q '^MV_HARDEN:BOOL=ON$' "$build/CMakeCache.txt" ||
        ! grep -q '^CMAKE_BUILD_TYPE:STRING=Release$' "$build/CMakeCache.txt"; then
        echo "$0: $build is no release build with -DMV_HARDEN=ON" >&2
        exit 2
    fi
else
    build="$root/build/package"
    launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    # Installing builds only the two programs, not the tools and tests beside them.
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMV_HARDEN=ON "${launcher[@]}" \
        -DMV_BUILD_TESTS=OFF -DMV_BUILD_BENCHMARKS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
    cmake --build "$build" -j 2 --target mvconf fwload >&2
fi

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate --no-hints "$root"/resources/desktop/*.desktop
fi

rm -f "$build"/mvconf_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/mvconf_*.deb
