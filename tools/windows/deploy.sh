#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Gathers what the Windows programs need to run into one folder, in the
# layout Qt's own deployment gives: both programs with the Qt and MinGW
# run-time DLLs beside them, the plugins in folders of their kind, and Qt's
# German texts under translations/.
# Usage: tools/windows/deploy.sh BUILD QT_PREFIX OUTDIR
set -euo pipefail
build=$1
qt=$2
out=$3

rm -rf "$out"
mkdir -p "$out"/platforms "$out"/styles "$out"/translations
cp "$build"/confapp/mvconf.exe "$build"/fwload/fwload.exe "$out"/
for lib in Core Gui Widgets PrintSupport; do
    cp "$qt/bin/Qt6$lib.dll" "$out"/
done
cp "$qt"/plugins/platforms/qwindows.dll "$out"/platforms/
cp "$qt"/plugins/styles/qwindowsvistastyle.dll "$out"/styles/
# Qt itself links the compiler's run-time libraries dynamically.
gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
for dll in libgcc_s_seh-1.dll libstdc++-6.dll; do
    cp "$gcc_dir/$dll" "$out"/
done
cp /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$out"/
# The translations are the same files Debian's Qt uses.
# qt_de.qm only names the catalogues of the modules; qtbase_de.qm holds their texts.
cp /usr/share/qt6/translations/qt_de.qm /usr/share/qt6/translations/qtbase_de.qm "$out"/translations/
# MinGW's libraries come with their debugging symbols, which no user needs.
find "$out" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
x86_64-w64-mingw32-strip --strip-all "$out"/*.exe
# Qt looks for its plugins and translations beside the program.
printf '[Paths]\r\nPrefix = .\r\n' >"$out"/qt.conf
cp "$(dirname "$0")"/../../LICENSE "$out"/LICENSE.txt
echo "$out: $(find "$out" -type f | wc -l) files, $(du -sh "$out" | cut -f1)"
