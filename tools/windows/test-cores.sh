#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the Qt-free cores and their tests for 64-bit Windows into
# build/windows-cores and runs the tests through ctest under Wine. Extra
# arguments go to ctest (e.g. -R serial).
set -euo pipefail
cd "$(dirname "$0")/../.."
gtest=${MV_MINGW_GTEST:-$HOME/.cache/mvconf-mingw-gtest}
build=build/windows-cores

tools/windows/build-gtest.sh "$gtest"
nice -n 19 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMV_WERROR=ON -DMV_CORES_ONLY=ON \
    -DMV_BUILD_BENCHMARKS=OFF -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/windows/mingw-toolchain.cmake" \
    -DGTest_DIR="$gtest/lib/cmake/GTest" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/tools/windows/wine-run.sh"
nice -n 19 cmake --build "$build" -j 1
# One test at a time: the COM port test restarts Wine's server of its prefix.
ctest --test-dir "$build" --output-on-failure -j 1 "$@"
