#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds Qt 6 for 64-bit Windows from Debian's own source of qt6-base,
# once, into a cache outside the checkout. Debian's host moc, rcc and uic do
# the code generation. The system's APT sources stay untouched: the source
# package comes through a private APT configuration.
# Usage: tools/windows/build-qt.sh PREFIX
set -euo pipefail
prefix=$1
here=$(cd "$(dirname "$0")" && pwd)
work="$prefix.work"

if [ -f "$prefix/.complete" ]; then
    echo "Qt for MinGW: ready in $prefix"
    exit 0
fi

mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial"
cat >"$work/apt/sources.list" <<SRC
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
SRC
apt_private=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o "Dir::Etc::SourceParts=-"
             -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache::Archives=$work/apt/archives"
             -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=")

if ! ls -d "$work"/src/qtbase-everywhere-src-* >/dev/null 2>&1; then
    echo "== Qt for MinGW: fetching Debian's source of qt6-base"
    apt-get "${apt_private[@]}" update -q
    mkdir -p "$work/src"
    (cd "$work/src" && apt-get "${apt_private[@]}" source --download-only qt6-base \
        && dpkg-source -x --skip-patches qt6-base_*.dsc qtbase-everywhere-src)
    # Debian's patches are for its own Linux build; only its source is wanted.
    mv "$work/src/qtbase-everywhere-src" "$work/src/qtbase-everywhere-src-debian"
fi
src=$(ls -d "$work"/src/qtbase-everywhere-src-* | head -n 1)

echo "== Qt for MinGW: configuring (the build takes about 45 minutes on 2 cores)"
rm -rf "$work/build"
mkdir -p "$work/build"
(cd "$work/build" && "$src/configure" -prefix "$prefix" -xplatform win32-g++ \
    -qt-host-path /usr -release -shared -nomake examples -nomake tests \
    -no-opengl -no-dbus -no-feature-sql -no-feature-network -no-feature-tabletevent \
    -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -- \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_FORCE_FIND_PACKAGE_CONFIG_LIBRARIES=ON)
echo "== Qt for MinGW: building"
nice cmake --build "$work/build" --parallel 2
cmake --install "$work/build"
touch "$prefix/.complete"
rm -rf "$work/build"
echo "Qt for MinGW: installed in $prefix"
