#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds mvconf or fwload and runs it against a simulated telephone.
#
#   tools/run.sh [FILE.mv8]           mvconf's window, with a simulated telephone on COM2
#   tools/run.sh --OPTION ...         a command-line mode of mvconf (see --help)
#   tools/run.sh --fwload [FILE.hex]  fwload's window, with a simulated boot loader on
#                                     COM2 and the sample image (tools/sample/beispiel.hex)
#
# The windows run with profiles of their own under build/tryit/, so trying
# them out never touches the user's settings. Both simulators take as long
# as the real 9600 baud line, so the progress shows as with a telephone.
# mvconf's COM2 keeps what it was sent in build/tryit/telefon.mv8 for the
# next run; fwload's keeps the lines it received in
# build/tryit/empfangen.hex. Without a display the same transfer runs on the
# command line instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd -P)"
build="$root/build/app"
tryit="$root/build/tryit"

# mvconf itself takes any argument beginning with "--", and -h and -v, as a
# command-line mode.
command_line_mode() {
    local arg
    for arg in "$@"; do
        case "$arg" in --* | -h | -v) return 0 ;; esac
    done
    return 1
}

# A build folder moved or copied along with the checkout still names the
# folder it was made for, and CMake refuses it; it is made afresh instead.
check_build_folder() {
    local cache="$build/CMakeCache.txt" made_for
    [ -f "$cache" ] || return 0
    made_for="$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$cache")"
    if [ ! "$made_for" -ef "$root" ]; then
        echo "run.sh: $build was made for the checkout in $made_for; building it afresh." >&2
        rm -rf "$build"
    fi
}

# The build's progress goes to stderr, so that a command-line mode's output
# on stdout stays clean.
build_targets() {
    "$root/tools/install-packages.sh" build >&2
    check_build_folder
    [ -f "$build/CMakeCache.txt" ] || echo "run.sh: configuring the build in $build" >&2
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMV_BUILD_TESTS=OFF \
        -DMV_BUILD_BENCHMARKS=OFF >/dev/null
    echo "run.sh: building $* (the first build takes some minutes)" >&2
    cmake --build "$build" -j 2 --target "$@" >&2
}

# Sets section/key in a profile file whose lines end in CR LF, keeping every
# other line; a missing key goes to the end of its section, a missing
# section to the end of the file. Names match without regard to case.
set_profile_key() {
    local file="$1" section="$2" key="$3" value="$4"
    mkdir -p "$(dirname "$file")"
    touch "$file"
    awk -v section="$section" -v key="$key" -v value="$value" '
        function trim(s) { gsub(/^[ \t]+|[ \t]+$/, "", s); return s }
        function put() { if (inside && !done) { printf "%s=%s\r\n", key, value; done = 1 } }
        { sub(/\r$/, "") }
        /^\[/ {
            put()
            inside = tolower(trim($0)) == tolower("[" section "]")
            if (inside) seen = 1
            printf "%s\r\n", $0
            next
        }
        inside && !done && index($0, "=") > 0 && tolower(trim(substr($0, 1, index($0, "=") - 1))) == tolower(trim(key)) {
            printf "%s=%s\r\n", key, value
            done = 1
            next
        }
        { printf "%s\r\n", $0 }
        END {
            put()
            if (!seen) printf "[%s]\r\n%s=%s\r\n", section, key, value
        }
    ' "$file" >"$file.tmp"
    mv "$file.tmp" "$file"
}

# Starts a simulator (program name, then its options) in the background; it
# prints its device as its first line. Sets sim_pid and device.
sim_pid=""
device=""
start_simulator() {
    local name="$1" out="$tryit/$1.device" log="$tryit/$1.log"
    shift
    rm -f "$out"
    "$build/tools/$name/$name" "$@" >"$out" 2>"$log" &
    sim_pid=$!
    for _ in $(seq 50); do
        [ -s "$out" ] && [ "$(wc -l <"$out")" -ge 1 ] && break
        if ! kill -0 "$sim_pid" 2>/dev/null; then
            sim_pid=""
            echo "run.sh: $name did not start:" >&2
            cat "$log" >&2
            exit 1
        fi
        sleep 0.1
    done
    if [ "$(wc -l <"$out")" -lt 1 ]; then
        echo "run.sh: $name did not report its device within 5 s (see $log)." >&2
        exit 1
    fi
    device="$(head -n 1 "$out")"
}
stop_simulator() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
        sim_pid=""
    fi
}

headless=""
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    headless=1
fi
no_display="No display found (neither DISPLAY nor WAYLAND_DISPLAY is set), so the window cannot open."

run_fwload() {
    local hex="${1:-$root/tools/sample/beispiel.hex}" name profile="$tryit/config/fwload/fwload.ini" status=0
    name="$(basename "$hex")"
    if [ ! -f "$hex" ]; then
        echo "run.sh: $hex does not exist." >&2
        exit 2
    fi
    # The window takes its file up to the first blank, so it gets the name
    # alone, in the file's folder: a checkout's path may hold blanks.
    if [ -z "$headless" ] && [[ "$name" == *" "* ]]; then
        echo "run.sh: fwload's window takes no file name with blanks ($name); rename the file." >&2
        exit 2
    fi
    build_targets fwload bootsim
    mkdir -p "$tryit/config"
    trap stop_simulator EXIT
    start_simulator bootsim --throttle --save-image "$tryit/empfangen.hex"
    set_profile_key "$profile" Ports COM2 "$device"
    echo "Simulated boot loader on $device as COM2."
    if [ -n "$headless" ]; then
        echo "$no_display"
        echo "Loading $hex into the simulated boot loader on the command line instead:"
        XDG_CONFIG_HOME="$tryit/config" "$build/fwload/fwload" --cli --device "$device" --file "$hex" || status=$?
        exit "$status"
    fi
    echo "Press START to load $hex. Profile of this run: $profile"
    (cd "$(dirname "$hex")" && XDG_CONFIG_HOME="$tryit/config" "$build/fwload/fwload" /COM:2 "/FILE:$name") ||
        status=$?
    exit "$status"
}

trap 'exit 130' INT
trap 'exit 143' TERM
if [ "${1:-}" = "--fwload" ]; then
    shift
    run_fwload "$@"
fi
if command_line_mode "$@"; then
    build_targets mvconf
    exec "$build/confapp/mvconf" "$@"
fi

build_targets mvconf simphone
mkdir -p "$tryit/config/mvconf" "$tryit/state"
trap stop_simulator EXIT
phone_args=(--throttle --save "$tryit/telefon.mv8")
if [ -f "$tryit/telefon.mv8" ]; then
    phone_args+=(--load "$tryit/telefon.mv8")
fi
start_simulator simphone "${phone_args[@]}"

profile="$tryit/config/mvconf/mvconf.ini"
set_profile_key "$profile" Ports COM2 "$device"
set_profile_key "$profile" Transfer ComPort 2
echo "Simulated telephone on $device as COM2."

status=0
if [ -n "$headless" ]; then
    echo "$no_display"
    echo "Reading the configuration of the simulated telephone on the command line instead:"
    out="$tryit/ausgelesen.mv8"
    XDG_CONFIG_HOME="$tryit/config" XDG_STATE_HOME="$tryit/state" \
        "$build/confapp/mvconf" --port 2 --read-config "$out" || status=$?
    if [ "$status" -eq 0 ]; then
        echo "Saved as $out. Open it in the window from a graphical session with: tools/run.sh $out"
    fi
    exit "$status"
fi
echo "Start a transfer on the page \"Datenaustausch\". Profile of this run: $profile"
XDG_CONFIG_HOME="$tryit/config" XDG_STATE_HOME="$tryit/state" "$build/confapp/mvconf" "$@" || status=$?
exit "$status"
