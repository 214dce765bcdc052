#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything (hardened, as the package ships it), runs the test suite,
# makes the Debian package from that build and checks it with lintian and the
# AppStream validator, prints the benchmark figures, then builds and runs the
# test suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and
# fuzzes every parser of outside input for a bounded time; where Qt for
# MinGW has been built, it also tests the Windows version under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh test
jobs=2

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DMV_WERROR=ON -DMV_HARDEN=ON
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

echo "== Debian package: lintian and AppStream"
deb=$(tools/package.sh build/release)
echo "$deb"
# Errors and warnings fail, and so does any missing hardening (an info tag).
lintian_out=$(lintian -I --pedantic --fail-on error,warning "$deb") || {
    echo "$lintian_out"
    echo "lintian: errors or warnings" >&2
    exit 1
}
echo "${lintian_out:-lintian: no tags}"
if grep -q ' hardening-' <<<"$lintian_out"; then
    echo "lintian: the programs are not hardened" >&2
    exit 1
fi
unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
appstreamcli validate --no-net --pedantic "$unpacked"/usr/share/metainfo/*.metainfo.xml
appstreamcli validate-tree --no-net --pedantic "$unpacked"
rm -rf "$unpacked"

echo "== Benchmarks"
build/release/tests/bench_document --benchmark_min_time=0.2
build/release/tests/bench_link_turnaround
build/release/tests/bench_download --kib 16

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
CC=clang-14 CXX=clang++-14 cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DMV_WERROR=ON -DMV_SANITIZE=ON -DMV_BUILD_BENCHMARKS=OFF
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

echo "== Fuzzing every parser of outside input (30 s each)"
tools/fuzz.sh 30

echo "== The Windows version under Wine"
# Qt for MinGW takes half an hour to build, so the test run never builds it:
# it tests the Windows version where tools/windows.sh has built that Qt before.
windows_qt=${MV_MINGW_QT:-${XDG_CACHE_HOME:-$HOME/.cache}/mvconf-mingw-qt6}
if [ -f "$windows_qt/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    MV_MINGW_QT=$windows_qt tools/windows.sh
else
    echo "SKIPPED: no Qt for MinGW in $windows_qt; tools/windows.sh builds it once (or set MV_MINGW_QT)."
fi
