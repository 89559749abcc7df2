#!/usr/bin/env bash
# Starts and stops the test run's private world: an Xvfb display, a fresh Wine prefix whose
# drives point at folders of the build tree, and one persistent wineserver so that every
# test process starts in milliseconds.
#
#   test-env.sh start DIR [EXE SHOTS]   DIR/prefix, DIR/display, DIR/drives/<letter>
#   test-env.sh stop DIR [SHOTS]
#
# With EXE, the program is copied to C:\Vantorelle\Vantorelle.exe of the prefix, where a
# test can start it as a process of its own (the build folder has no drive letter there).
# With SHOTS, that folder is emptied and mapped as B:, where tests write screenshots: a
# scan never walks A: or B:. Stopping turns the screenshots (BMP) into PNG files.
#
# Drives of the prefix: C: is Wine's own (typed "network", so a scan passes it by); D: and
# Z: are fixed drives on DIR/drives/d and DIR/drives/z; R: is a CD drive and S: a network
# drive; L: (network, so no scan walks it) holds a tree with directory links, which Wine
# cannot make itself (its CreateSymbolicLinkA reports success and makes nothing). There is
# no link to the Linux root.
#
# Xvfb runs no window manager. Wine would then wait about two seconds for a withdrawal
# that nobody confirms each time a shown top-level window (the scan's notice, a box) is
# hidden or destroyed, so its windows are made unmanaged: Wine draws their frames itself.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-common.sh"
action=${1:?start or stop}
dir=${2:?folder of the test environment}
export WINEPREFIX="$dir/prefix"

stop() {
    if [ -d "$WINEPREFIX" ]; then "$WINE_SERVER" -k >/dev/null 2>&1 || true; fi
    if [ -f "$dir/xvfb.pid" ]; then
        kill "$(cat "$dir/xvfb.pid")" >/dev/null 2>&1 || true
        rm -f "$dir/xvfb.pid"
    fi
}

start_display() {
    local n
    for n in $(seq 90 199); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.05
    done
    [ -e "/tmp/.X11-unix/X$n" ] || { echo "Xvfb did not start" >&2; cat "$dir/xvfb.log" >&2; exit 1; }
    echo ":$n" >"$dir/display"
    export DISPLAY=":$n"
}

make_prefix() {
    "$WINE_LOADER" wineboot --init >"$dir/wineboot.log" 2>&1
    "$WINE_SERVER" -w
    cat >"$dir/drives.reg" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"c:"="network"
"d:"="hd"
"r:"="cdrom"
"s:"="network"
"l:"="network"
"z:"="hd"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
REG
    "$WINE_LOADER" regedit /S "$(winepath_of "$dir/drives.reg")" >>"$dir/wineboot.log" 2>&1
    "$WINE_SERVER" -w
    local letter
    rm -f "$WINEPREFIX/dosdevices/z:"
    for letter in d r s z; do
        mkdir -p "$dir/drives/$letter"
        ln -sfn "$dir/drives/$letter" "$WINEPREFIX/dosdevices/$letter:"
    done
    make_link_tree "$dir/drives/l"
    ln -sfn "$dir/drives/l" "$WINEPREFIX/dosdevices/l:"
}

# root\A\B, root\C, and links: A\up -> root, A\sibling -> C, dangling -> a missing folder.
make_link_tree() {
    local tree="$1/root"
    mkdir -p "$tree/A/B" "$tree/C/D"
    ln -s .. "$tree/A/up"
    ln -s ../C "$tree/A/sibling"
    ln -s missing "$tree/dangling"
}

# regedit runs before the Z: link is removed, so it still reads Linux paths through Z:.
winepath_of() { echo "Z:$1" | tr / '\\'; }

# The program inside the prefix, and B: for the screenshots.
install_program() {
    local exe=$1 shots=$2
    mkdir -p "$WINEPREFIX/drive_c/Vantorelle"
    cp "$exe" "$WINEPREFIX/drive_c/Vantorelle/Vantorelle.exe"
    rm -rf "$shots"
    mkdir -p "$shots"
    ln -sfn "$shots" "$WINEPREFIX/dosdevices/b:"
}

to_png() {
    local bmp
    command -v convert >/dev/null || return 0
    for bmp in "$1"/*.bmp; do
        [ -e "$bmp" ] || continue
        convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
    done
}

case "$action" in
start)
    stop
    rm -rf "$dir"
    mkdir -p "$dir"
    start_display
    make_prefix
    if [ -n "${3:-}" ]; then install_program "$3" "${4:?folder for screenshots}"; fi
    # The server forks into the background; it must not hold CTest's output pipes open.
    "$WINE_SERVER" -p </dev/null >/dev/null 2>&1
    ;;
stop)
    stop
    if [ -n "${3:-}" ]; then to_png "$3"; fi
    ;;
*) echo "usage: $0 start DIR [EXE SHOTS] | stop DIR [SHOTS]" >&2; exit 2 ;;
esac
