#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# mvconf's window under Wine on Xvfb reads the configuration from the
# simulated telephone on COM3 (the window offers COM1 to COM4): Ctrl+R starts
# the read, and the kept copy of what arrived is the one the Linux program
# keeps. Skips (77) without Xvfb.
# Usage: window_read_under_wine.sh LINUX_BUILD WINDOWS_BUILD SOURCE_DIR
# (the Windows programs as shipped, in WINDOWS_BUILD/deployed)
set -uo pipefail
linux=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)/deployed
source_dir=$(cd "$3" && pwd)
. "$source_dir/tools/windows/wine-ports.sh"
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || {
    echo "SKIP: Xvfb or xdotool missing"
    exit 77
}

work=$(mktemp -d)
pids=()
finish() {
    wineserver -k 2>/dev/null
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap finish EXIT

display=:$((60 + RANDOM % 30))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

wine_ports_prepare 3
# A Wine server left from a run without a display would give the window none.
wineserver -k 2>/dev/null
wineserver -w 2>/dev/null
users=$WINEPREFIX/drive_c/users/$(id -un)
mkdir -p "$users/AppData/Roaming/mvconf"
printf '[Transfer]\r\nComPort=3\r\n' >"$users/AppData/Roaming/mvconf/mvconf.ini"
backups=$users/AppData/Local/mvconf/backups
rm -rf "$backups"

"$linux/tools/simphone/simphone" --sessions 1 --path-file "$work/device" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/device" ] && break; sleep 0.05; done
wine_port_to 3 "$(cat "$work/device")"

(cd "$work" && wine "$windows/mvconf.exe" >"$work/mvconf.out" 2>&1) &
disown  # ended with Wine's server at the end, without a word from the shell
window=
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name "Systemtelefon MV850" 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "FAIL: mvconf's window did not appear under Wine"
    cat "$work/mvconf.out"
    exit 1
fi
echo "ok: window \"$(xdotool getwindowname "$window")\" is shown"
sleep 1
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" 30 62 click 1
sleep 0.5
xdotool key ctrl+r

copy=
for _ in $(seq 300); do
    copy=$(ls "$backups"/*-gelesen-konfiguration.mv8 2>/dev/null | head -n 1)
    [ -n "$copy" ] && break
    sleep 0.1
done
if [ -z "$copy" ]; then
    echo "FAIL: no kept copy of a read arrived in $backups"
    exit 1
fi

# The same read by the Linux program, for its kept copy.
export XDG_STATE_HOME=$work/state
"$linux/tools/simphone/simphone" --sessions 1 --path-file "$work/device2" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/device2" ] && break; sleep 0.05; done
"$linux/confapp/mvconf" --device "$(cat "$work/device2")" --read-config "$work/linux.mv8" >/dev/null
linux_copy=$(ls "$work"/state/mvconf/backups/*-gelesen-konfiguration.mv8 | head -n 1)
if cmp -s "$copy" "$linux_copy"; then
    echo "ok: the window's read under Wine keeps the bytes the Linux program keeps"
else
    echo "FAIL: the window's kept copy differs from Linux's"
    diff "$copy" "$linux_copy" | head -n 20
    exit 1
fi
