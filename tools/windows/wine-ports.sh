# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that run the Windows programs under Wine against
# the simulators. Wine maps COMn to a Unix device through its registry and
# reads that only when it starts; each COM port is therefore mapped once to
# a link of our own, which is pointed at the simulator's pseudo-terminal of
# the moment, without restarting Wine.
export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/mvconf-wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Under Wine, Qt's GDI font engine leaves the text of line edits out; its
# FreeType engine draws everything. (On Windows itself GDI is right.)
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-windows:fontengine=freetype}
wine_port_links=$WINEPREFIX/mvconf-ports

# wine_ports_prepare N...: maps COM N... to links in $wine_port_links.
wine_ports_prepare() {
    mkdir -p "$wine_port_links"
    local n changed=0
    for n in "$@"; do
        if [ ! -e "$wine_port_links/.com$n" ]; then
            wine reg add 'HKLM\Software\Wine\Ports' /v "COM$n" /t REG_SZ /d "$wine_port_links/com$n" /f >/dev/null 2>&1
            touch "$wine_port_links/.com$n"
            changed=1
        fi
    done
    if [ "$changed" -eq 1 ]; then
        wineserver -k 2>/dev/null
        wineserver -w 2>/dev/null
    fi
    return 0
}

# wine_port_to N DEVICE: COM N leads to DEVICE from now on.
wine_port_to() {
    ln -sfn "$2" "$wine_port_links/com$1"
}

# wine_run PROGRAM.exe ARGS...: runs it, with its exit status.
wine_run() {
    wine "$@"
}
