#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds mvconf and runs it.
#
#   tools/run.sh [FILE.mv8]     the window, with a simulated telephone on COM2
#   tools/run.sh --OPTION ...   a command-line mode of mvconf (see --help)
#
# The window runs with a profile of its own under build/tryit/, so trying it
# out never touches the user's settings. Its COM2 is the simulated
# telephone, which keeps what it was sent in build/tryit/telefon.mv8 for the
# next run. Without a display it reads the simulated telephone's
# configuration on the command line instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
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

build_targets() {
    "$root/tools/install-packages.sh" build
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMV_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build" -j 2 --target "$@" >/dev/null
}

# Sets section/key in a profile file whose lines end in CR LF, keeping every
# other line; a missing key goes to the end of its section, a missing
# section to the end of the file. Names match without regard to case.
set_profile_key() {
    local file="$1" section="$2" key="$3" value="$4"
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
        inside && !done && index($0, "=") > 0 && tolower(trim(substr($0, 1, index($0, "=") - 1))) == tolower(key) {
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

if command_line_mode "$@"; then
    build_targets mvconf
    exec "$build/confapp/mvconf" "$@"
fi
headless=""
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    headless=1
fi

build_targets mvconf simphone
mkdir -p "$tryit/config/mvconf" "$tryit/state"
phone_pid=""
stop_phone() {
    if [ -n "$phone_pid" ]; then
        kill "$phone_pid" 2>/dev/null || true
        wait "$phone_pid" 2>/dev/null || true
        phone_pid=""
    fi
}
trap stop_phone EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

path_file="$tryit/simphone.path"
rm -f "$path_file"
phone_args=(--save "$tryit/telefon.mv8" --path-file "$path_file")
if [ -f "$tryit/telefon.mv8" ]; then
    phone_args+=(--load "$tryit/telefon.mv8")
fi
"$build/tools/simphone/simphone" "${phone_args[@]}" >/dev/null 2>"$tryit/simphone.log" &
phone_pid=$!
for _ in $(seq 50); do
    [ -s "$path_file" ] && break
    if ! kill -0 "$phone_pid" 2>/dev/null; then
        phone_pid=""
        echo "run.sh: the simulated telephone did not start:" >&2
        cat "$tryit/simphone.log" >&2
        exit 1
    fi
    sleep 0.1
done
if [ ! -s "$path_file" ]; then
    echo "run.sh: the simulated telephone did not report its device within 5 s (see $tryit/simphone.log)." >&2
    exit 1
fi
device="$(head -n 1 "$path_file")"

profile="$tryit/config/mvconf/mvconf.ini"
set_profile_key "$profile" Ports COM2 "$device"
set_profile_key "$profile" Transfer ComPort 2
echo "Simulated telephone on $device as COM2."

status=0
if [ -n "$headless" ]; then
    # Without a display the window cannot open; show the same transfer on the
    # command line instead.
    echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set), so the window cannot open."
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
