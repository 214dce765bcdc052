#!/usr/bin/env bash
# Builds mvconf and runs it with the given arguments (see --help).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/tools/install-packages.sh" build
cmake -S "$root" -B "$root/build/app" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMV_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build/app" -j 2 --target mvconf >/dev/null
if [ $# -eq 0 ]; then
    set -- --help
fi
exec "$root/build/app/confapp/mvconf" "$@"
