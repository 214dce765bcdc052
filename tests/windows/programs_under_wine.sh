#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows programs' command-line modes under Wine against the simulated
# telephone and boot loader, which run natively on pseudo-terminals that Wine
# sees as COM ports: a read, a write and a firmware download must give the
# very bytes the Linux programs give, and a missing port and a telephone
# that vanishes midway their messages.
# Usage: programs_under_wine.sh LINUX_BUILD WINDOWS_BUILD SOURCE_DIR
# (the Windows programs as shipped, in WINDOWS_BUILD/deployed)
set -uo pipefail
linux=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)/deployed
source_dir=$(cd "$3" && pwd)
. "$source_dir/tools/windows/wine-ports.sh"

work=$(mktemp -d)
sims=()
finish() {
    for pid in "${sims[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap finish EXIT
cd "$work"
# The Linux programs keep their profiles and copies here, not in the user's folders.
export XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# start SIMULATOR ARGS...: starts it and sets $pty to the device it prints first.
start() {
    rm -f device
    "$@" --sessions 1 >device 2>sim.err &
    sims+=($!)
    pty=
    for _ in $(seq 100); do
        pty=$(head -n 1 device 2>/dev/null)
        [ -n "$pty" ] && break
        sleep 0.05
    done
}
# on_linux|on_windows PROGRAM ARGS... against the simulator's $pty.
on_linux() {
    local program=$1
    shift
    "$linux/$program" --device "$pty" "$@"
}
on_windows() {
    local program=$1
    shift
    wine_port_to 5 "$pty"
    wine_run "$windows/$(basename "$program").exe" --device COM5 "$@"
}
same() {
    if cmp -s "$1" "$2"; then
        echo "ok: $3 byte for byte as on Linux"
    else
        fail "$3 differs from Linux's"
        diff <(od -c "$1") <(od -c "$2") | head -n 20
    fi
}

wine_ports_prepare 5
phone=$linux/tools/simphone/simphone
boot=$linux/tools/bootsim/bootsim

for side in linux windows; do
    start "$phone"
    on_$side confapp/mvconf --read-config "read-$side.mv8" >"read-$side.out" 2>&1 || fail "read on $side: $(cat "read-$side.out")"
    wait "${sims[-1]}"
done
same read-linux.mv8 read-windows.mv8 "the configuration read"

for side in linux windows; do
    start "$phone" --save "written-$side.mv8"
    on_$side confapp/mvconf --write-config read-linux.mv8 >"write-$side.out" 2>&1 || fail "write on $side: $(cat "write-$side.out")"
    wait "${sims[-1]}"
done
same written-linux.mv8 written-windows.mv8 "the configuration written"

for side in linux windows; do
    start "$boot" --save-image "image-$side.hex"
    on_$side fwload/fwload --cli --file "$source_dir/tools/sample/beispiel.hex" --yes >"fw-$side.out" 2>&1 ||
        fail "firmware download on $side: $(cat "fw-$side.out")"
    wait "${sims[-1]}"
done
same image-linux.hex image-windows.hex "the firmware image received"

# COM9 is mapped to nothing.
if wine_run "$windows/mvconf.exe" --device COM9 --read-config missing.mv8 >missing.out 2>&1; then
    fail "a read from a missing port succeeded"
elif ! grep -q "COM9" missing.out || [ -e missing.mv8 ]; then
    fail "missing port: $(cat missing.out)"
else
    echo "ok: missing port says: $(tr '\n' ' ' <missing.out)"
fi

for side in linux windows; do
    start "$phone" --vanish-after 3
    if on_$side confapp/mvconf --read-config "vanished-$side.mv8" >"vanished-$side.out" 2>&1; then
        fail "a read from a vanished telephone succeeded on $side"
    elif [ -e "vanished-$side.mv8" ]; then
        fail "a read from a vanished telephone left a document on $side"
    else
        echo "ok: vanished telephone on $side says: $(tr '\n' ' ' <"vanished-$side.out")"
    fi
done

[ "$failures" -eq 0 ]
