#!/usr/bin/env bash
# Runs one Windows test program under Wine inside the test run's private prefix and display.
# CTest uses this script as the cross-compiling emulator; test-env.sh prepares what it uses.
set -uo pipefail
dir=${VANTORELLE_TEST_WINE:?the test environment is not set up (run the tests through ctest)}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-common.sh"
export WINEPREFIX="$dir/prefix"
export DISPLAY
DISPLAY=$(cat "$dir/display")
# Wine's helper processes (services, devices, the desktop) outlive the program while the
# persistent wineserver runs. Left on CTest's pipes they would keep it waiting forever, so
# the program writes to a file that is shown when it ends.
log=$(mktemp "$dir/run.XXXXXX")
# Start inside the prefix: the build folder has no drive letter there (no Z: link).
if [ -e "${1:-}" ]; then set -- "$(realpath "$1")" "${@:2}"; fi
cd "$WINEPREFIX/drive_c"
"$WINE_LOADER" "$@" >"$log" 2>&1 </dev/null
status=$?
cat "$log"
rm -f "$log"
exit $status
