#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything, runs the test suite, prints the benchmark figures, then
# builds and runs the test suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and fuzzes every parser of outside input for a
# bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh test
jobs=2

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DMV_WERROR=ON
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

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
