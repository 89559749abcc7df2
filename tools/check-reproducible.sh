#!/usr/bin/env bash
# Builds the release of the committed HEAD twice with `make dist`, in two fresh clones whose
# folders differ in name and length, one after the other, and compares what dist/ holds
# byte for byte. Exits 1 when anything differs; the temporary folders are removed either way.
set -euo pipefail
root=$(git -C "$(dirname "${BASH_SOURCE[0]}")" rev-parse --show-toplevel)
commit=$(git -C "$root" rev-parse HEAD)
if [ -n "$(git -C "$root" status --porcelain)" ]; then
    echo "Note: uncommitted changes are not built; this checks $commit."
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/vantorelle-reproducible.XXXXXX")
trap 'rm -rf "$work"' EXIT
first=$work/a
second=$work/another-folder/b
for tree in "$first" "$second"; do
    git clone -q "$root" "$tree"
    git -C "$tree" checkout -q --detach "$commit"
    echo "Building $commit in $tree"
    if ! make -C "$tree" dist >"$tree.log" 2>&1; then
        tail -n 30 "$tree.log"
        exit 1
    fi
done

same=1
for file in "$first"/dist/*; do
    name=$(basename "$file")
    if cmp -s "$file" "$second/dist/$name"; then
        echo "identical  $(cd "$first/dist" && sha256sum "$name")"
    else
        same=0
        echo "DIFFERENT  $name: $(cmp -l "$file" "$second/dist/$name" 2>&1 | wc -l) bytes; the first offsets (1-based), octal values:"
        cmp -l "$file" "$second/dist/$name" 2>&1 | head -n 10 || true
    fi
done
[ "$(ls "$first/dist")" = "$(ls "$second/dist")" ] || { same=0; echo "DIFFERENT  the files in dist/"; }
[ $same = 1 ] && echo "The two builds are byte-identical." || echo "The two builds differ."
[ $same = 1 ]
