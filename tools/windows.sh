#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows version, built and tested on Debian: installs the packages it
# needs, builds Qt for MinGW once into a cache outside the checkout (or takes
# a ready one from MV_MINGW_QT), cross-builds both programs and the tests,
# runs the tests under Wine, and makes the installable result in
# build/windows-dist/: the folder of programs and DLLs and the installer.
# The first run takes about three quarters of an hour for Qt; later ones reuse it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
cache=${XDG_CACHE_HOME:-$HOME/.cache}
qt=${MV_MINGW_QT:-$cache/mvconf-mingw-qt6}
gtest=$cache/mvconf-mingw-gtest
build=build/windows
dist=build/windows-dist
started=$SECONDS

stage() {
    printf '== [%4d s] %s\n' $((SECONDS - started)) "$*"
}

stage "Debian packages"
tools/install-packages.sh windows

if [ -z "${MV_MINGW_QT:-}" ]; then
    stage "Qt for MinGW in $qt"
    tools/windows/build-qt.sh "$qt"
elif [ ! -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    echo "MV_MINGW_QT=$qt holds no Qt 6 for MinGW (lib/cmake/Qt6 is missing)." >&2
    exit 1
fi
stage "GoogleTest for MinGW in $gtest"
tools/windows/build-gtest.sh "$gtest"

stage "Linux build of the simulators the Windows programs are tested against"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DMV_WERROR=ON -DMV_HARDEN=ON >/dev/null
cmake --build build/release -j 2 --target simphone bootsim mvconf fwload

stage "cross-building both programs and the tests"
tools/windows/configure.sh "$build" "$qt" "$gtest" build/release >/dev/null
cmake --build "$build" -j 2

stage "tests under Wine"
ctest --test-dir "$build" --output-on-failure -j 2

stage "the programs folder and the installer"
tools/windows/deploy.sh "$build" "$qt" "$dist/mvconf"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
makensis -V2 -DVERSION="$version" -DDIST="$root/$dist/mvconf" \
    -DOUTFILE="$root/$dist/mvconf-$version-setup.exe" tools/windows/installer.nsi
tools/windows/check-installer.sh "$dist/mvconf-$version-setup.exe"

stage "done"
echo "Programs: $dist/mvconf/"
echo "Installer: $dist/mvconf-$version-setup.exe ($(du -h "$dist/mvconf-$version-setup.exe" | cut -f1))"
