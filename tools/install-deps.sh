#!/usr/bin/env bash
# Installs with apt-get whatever the build, the program under Wine and the tests need and
# this Debian machine does not have yet. With the argument "fuzz": what the native libFuzzer
# build needs instead (clang and its runtime libraries with libFuzzer and the sanitizers).
set -euo pipefail
needed=(cmake ninja-build make g++-mingw-w64-x86-64-posix wine wine64 xvfb googletest
        xdotool imagemagick x11-utils zip python3)
if [ "${1:-}" = fuzz ]; then
    needed=(clang libclang-rt-14-dev)
fi
missing=()
for package in "${needed[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
