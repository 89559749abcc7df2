#!/usr/bin/env bash
# Builds the release, checks under Wine that it opens its main window, and writes to dist/
# the zip, the bare Vantorelle.exe (the same bytes as in the zip) and SHA256SUMS for both.
#
# The zip is the same bytes for the same commit wherever and whenever it is made: its
# entries are sorted, carry no extra fields (-X: no Unix times or owners), and all
# have the time of the commit (or SOURCE_DATE_EPOCH when set) and fixed modes.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
build=$root/build/release

rm -rf dist
cmake --preset release
cmake --build --preset release
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=Vantorelle-$version

# The program starts in a private prefix and display of its own, as the tests' does, so
# nothing of the user's Wine prefix or folders is touched.
check=$build/start-check
trap 'tests/support/test-env.sh stop "$check"' EXIT
tests/support/test-env.sh start "$check" "$build/Vantorelle.exe" "$check/screenshots"
VANTORELLE_TEST_WINE=$check tests/support/wine-run.sh "$build/StartCheck.exe" 'C:\Vantorelle\Vantorelle.exe'
tests/support/test-env.sh stop "$check"
trap - EXIT

epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
stage=$build/dist-stage
rm -rf "$stage"
mkdir -p "$stage/$name" dist
cp "$build/Vantorelle.exe" README.md LICENSE "$stage/$name/"
chmod 755 "$stage/$name"
chmod 644 "$stage/$name"/*
# Zip stores local times; in UTC every machine writes the same ones.
export TZ=UTC
touch -d "@$epoch" "$stage/$name"/* "$stage/$name"
(cd "$stage" && find "$name" | LC_ALL=C sort | zip -q -X -@ "$root/dist/$name-win64.zip")
cp "$build/Vantorelle.exe" dist/
(cd dist && sha256sum "$name-win64.zip" Vantorelle.exe >SHA256SUMS)
ls -l dist
cat dist/SHA256SUMS
