#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures the cross-build of the Windows programs and their tests, which
# ctest runs under Wine.
# Usage: tools/windows/configure.sh BUILD QT_PREFIX GTEST_PREFIX LINUX_BUILD
# (LINUX_BUILD: a Linux build whose simulators the programs are tested against)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
qt=$(cd "$2" && pwd)
gtest=$(cd "$3" && pwd)
linux=$(cd "$4" && pwd)
cmake -S "$here/../.." -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMV_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
    -DCMAKE_PREFIX_PATH="$qt;$gtest" -DGTest_DIR="$gtest/lib/cmake/GTest" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$here/wine-run.sh" \
    -DMV_LINUX_BUILD="$linux" -DMV_BUILD_BENCHMARKS=OFF
