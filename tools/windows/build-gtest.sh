#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds GoogleTest for 64-bit Windows from Debian's own source of it
# (package googletest, in /usr/src/googletest), once, into a cache outside
# the checkout, for the tests of the Qt-free cores under Wine.
# Usage: tools/windows/build-gtest.sh PREFIX
set -euo pipefail
prefix=$1
here=$(cd "$(dirname "$0")" && pwd)
src=/usr/src/googletest

if [ -f "$prefix/.complete" ]; then
    echo "GoogleTest for MinGW: ready in $prefix"
    exit 0
fi
if [ ! -f "$src/CMakeLists.txt" ]; then
    echo "GoogleTest for MinGW: $src is missing (apt-get install googletest)" >&2
    exit 1
fi
build="$prefix.work"
rm -rf "$build"
# Static, with the C++ runtime linked in, as the tests themselves are.
nice -n 19 cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=OFF -Dgtest_disable_pthreads=OFF -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON
nice -n 19 cmake --build "$build" -j 2
cmake --install "$build"
rm -rf "$build"
touch "$prefix/.complete"
