#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets (tests/fuzz) with clang, libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer in build/fuzz and runs each for a while on a
# copy of its seed corpus. Exits non-zero on any crash, leak, timeout,
# out-of-memory or sanitizer report; what libFuzzer saved for it is listed.
# Usage: tools/fuzz.sh [SECONDS]   (per target, default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

seconds=${1:-30}
case "$seconds" in
    '' | *[!0-9]*) echo "usage: $0 [SECONDS]" >&2; exit 2 ;;
esac
jobs=2
build="$root/build/fuzz"

CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMV_FUZZ=ON -DMV_WERROR=OFF -DMV_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target fuzz_targets

# The targets write their scratch files below TMPDIR: one folder for this
# run (in memory where possible, which is quicker), removed however it ends.
tmp_base=${TMPDIR:-/tmp}
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    tmp_base=/dev/shm
fi
scratch=$(mktemp -d "$tmp_base/mvfuzz-run.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TMPDIR="$scratch"
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# target:largest input (the seeds must fit)
targets=(profile:16384 document:65536 link:8192 firmware:65536 import:16384)
failed=()
summary=()
for entry in "${targets[@]}"; do
    name=${entry%%:*}
    max_len=${entry#*:}
    target="fuzz_$name"
    run="$build/fuzz-run/$name"
    rm -rf "$run"
    mkdir -p "$run/corpus" "$run/artifacts"
    cp -R "tests/fuzz/corpus/$name/." "$run/corpus/"
    args=(-max_total_time="$seconds" -rss_limit_mb=2048 -max_len="$max_len" -timeout=25
          -detect_leaks=1 -print_final_stats=1 -artifact_prefix="$run/artifacts/")
    if [ -f "tests/fuzz/$name.dict" ]; then
        args+=(-dict="$root/tests/fuzz/$name.dict")
    fi
    echo "== $target for ${seconds}s"
    status=0
    "$build/tests/fuzz/$target" "${args[@]}" "$run/corpus" >"$run/log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/log" | tail -n 1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$run/log" | tail -n 1)
    summary+=("$target: ${runs:-?} runs, ${speed:-?} exec/s")
    if [ "$status" -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$run/log" \
        || [ -n "$(ls -A "$run/artifacts")" ]; then
        failed+=("$target")
        echo "!! $target failed (status $status); log: $run/log"
        grep -E 'ERROR:|runtime error:|SUMMARY:|^==[0-9]+==|^    #[0-9]' "$run/log" | head -n 40 || true
        ls -1 "$run/artifacts" | sed "s|^|   saved: $run/artifacts/|"
    fi
done

echo "== Fuzzing summary"
printf '   %s\n' "${summary[@]}"
if [ ${#failed[@]} -ne 0 ]; then
    echo "Failed: ${failed[*]}"
    exit 1
fi
echo "No findings."
