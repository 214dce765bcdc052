#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Windows programs with their installer under Wine, silently,
# checks what it left (programs that start, start-menu entries, the document
# type), uninstalls them again and checks that nothing but the user's own
# files stays behind.
# Usage: tools/windows/check-installer.sh SETUP.exe
set -euo pipefail
setup=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
. "$(dirname "$0")/wine-ports.sh"
target='C:\mvconf-probe'
folder="$WINEPREFIX/drive_c/mvconf-probe"
failures=0
fail() {
    echo "installer: $*" >&2
    failures=$((failures + 1))
}

rm -rf "$folder"
wine "$setup" /S "/D=$target"
for f in mvconf.exe fwload.exe uninstall.exe Qt6Widgets.dll platforms/qwindows.dll translations/qtbase_de.qm; do
    [ -f "$folder/$f" ] || fail "$f is not installed"
done
for program in mvconf fwload; do
    wine "$folder/$program.exe" --help 2>/dev/null | grep -q . || fail "$program.exe --help prints nothing"
done
links=$(find "$WINEPREFIX/drive_c" -path '*Start Menu*mvconf*' -name '*.lnk' | wc -l)
[ "$links" -eq 3 ] || fail "$links start-menu entries instead of 3"
wine reg query 'HKLM\Software\Classes\mvconf.Dokument\shell\open\command' 2>/dev/null | grep -q 'mvconf.exe' ||
    fail "*.mv8 does not open in mvconf"

# _?= keeps the uninstaller in place, so that the call waits for it.
wine "$folder/uninstall.exe" /S "_?=$target"
rm -f "$folder/uninstall.exe"
left=$(find "$folder" -mindepth 1 2>/dev/null | wc -l)
[ "$left" -eq 0 ] || fail "$left files stay after uninstalling"
rmdir "$folder" 2>/dev/null || true
if wine reg query 'HKLM\Software\Classes\.mv8' >/dev/null 2>&1; then
    fail "the document type stays after uninstalling"
fi
[ "$failures" -eq 0 ] || exit 1
echo "installer: installs, starts both programs, registers *.mv8, uninstalls cleanly"
