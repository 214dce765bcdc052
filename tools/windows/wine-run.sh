#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows console program under Wine, in a private Wine prefix made
# on first use, without a display and without Wine's own messages.
# Usage: tools/windows/wine-run.sh [--echo-com N] PROGRAM.exe [ARGUMENTS...]
#   --echo-com N  COMN is a pseudo-terminal whose far end sends every byte
#                 back (MV_ECHO_COM=N tells the program). This runs in a
#                 prefix of its own, one program at a time.
# MV_WINEDEBUG sets Wine's channels (e.g. +comm to follow the port's calls).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEDEBUG=${MV_WINEDEBUG:--all}
export WINEPREFIX=${MV_WINE_PREFIX:-$HOME/.cache/mvconf-wine}
unset DISPLAY WAYLAND_DISPLAY

echo_com=
if [ "${1:-}" = --echo-com ]; then
    echo_com=$2
    shift 2
    export WINEPREFIX=${MV_WINE_SERIAL_PREFIX:-$HOME/.cache/mvconf-wine-serial}
fi
program=$1
shift
# Wine's settings for our programs, and the COM ports led to links of ours.
. "$here/wine-ports.sh"

mkdir -p "$(dirname "$WINEPREFIX")"
# Every Wine process gets the lock's descriptor closed (8>&-): the server
# and its services outlive the program and would hold the lock with it.
exec 8>"$WINEPREFIX.lock"
flock 8
if [ ! -f "$WINEPREFIX/.ready" ]; then
    wine wineboot --init >/dev/null 2>&1 8>&-
    wineserver -w 8>&-
    touch "$WINEPREFIX/.ready"
fi
# Programs share a prefix; the one with the wired port keeps it to itself.
[ -n "$echo_com" ] || flock -s 8

if [ -n "$echo_com" ]; then
    coproc ECHO { exec python3 "$here/pty-echo.py" 8>&-; }
    read -r device <&"${ECHO[0]}"
    wine_ports_prepare "$echo_com" 8>&-
    wine_port_to "$echo_com" "$device"
    export MV_ECHO_COM=$echo_com
fi
# Wine's server stays for half a minute after its last program, so that a
# run of many tests boots the prefix's services once. The server and the
# services are started apart from the program, so that they hold none of
# the caller's output open (ctest would wait for them); when they run
# already, this costs a moment.
(wineserver -p30 </dev/null >/dev/null 2>&1 8>&- &)
wine cmd.exe /c exit </dev/null >/dev/null 2>&1 8>&- || true
status=0
wine "$program" "$@" 8>&- || status=$?
exit "$status"
