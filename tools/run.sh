#!/usr/bin/env bash
# Starts the program under Wine in a prefix of its own, so that a scan walks the user's
# home folder rather than the whole Linux file system (Wine's default Z: drive).
#
# The prefix lives in ${XDG_DATA_HOME:-~/.local/share}/vantorelle/prefix and keeps the
# settings and the data file between runs. Drives in it:
#   C:  Wine's own system drive, typed "network" so that a scan passes it by
#   H:  the home folder, a fixed drive
# There is no Z: link to the Linux root.
set -euo pipefail
exe=$(realpath "${1:?path of Vantorelle.exe}")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../tests/support/wine-common.sh"
data=${XDG_DATA_HOME:-$HOME/.local/share}/vantorelle
export WINEPREFIX="$data/prefix"

if [ ! -e "$WINEPREFIX/dosdevices/h:" ]; then
    echo "Making the Wine prefix $WINEPREFIX (once)"
    mkdir -p "$data"
    "$WINE_LOADER" wineboot --init >"$data/wineboot.log" 2>&1
    cat >"$data/drives.reg" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"c:"="network"
"h:"="hd"
REG
    "$WINE_LOADER" regedit /S "Z:$(echo "$data/drives.reg" | tr / '\\')" >>"$data/wineboot.log" 2>&1
    "$WINE_SERVER" -w
    rm -f "$WINEPREFIX/dosdevices/z:"
    ln -sfn "$HOME" "$WINEPREFIX/dosdevices/h:"
fi

# The program lives inside the prefix, as an installed program would.
install_dir="$WINEPREFIX/drive_c/Program Files/Vantorelle"
mkdir -p "$install_dir"
cp "$exe" "$install_dir/Vantorelle.exe"

if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 50 99); do [ -e "/tmp/.X11-unix/X$n" ] || break; done
    echo "No X display is set: running on a virtual display :$n (Xvfb), which shows nothing."
    setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null || true' EXIT
    for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
    export DISPLAY=":$n"
fi
cd "$install_dir"
"$WINE_LOADER" "C:\\Program Files\\Vantorelle\\Vantorelle.exe"
