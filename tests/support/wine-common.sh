# Shared by the scripts that start Wine: which loader and server to use, and the fixed
# environment every run gets.
for candidate in /usr/lib/wine/wine64 "$(command -v wine64 || true)" "$(command -v wine || true)"; do
    if [ -n "$candidate" ] && [ -x "$candidate" ]; then WINE_LOADER=$candidate; break; fi
done
for candidate in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver "$(command -v wineserver || true)"; do
    if [ -n "$candidate" ] && [ -x "$candidate" ]; then WINE_SERVER=$candidate; break; fi
done
: "${WINE_LOADER:?Wine is not installed}" "${WINE_SERVER:?wineserver is not installed}"
# Under C.UTF-8 Wine reads Linux file names as UTF-8 and hands them to the ANSI API in the
# process's code page (UTF-8 by the program's manifest); under plain C non-ASCII names turn
# into garbage.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
