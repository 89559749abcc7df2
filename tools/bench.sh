#!/usr/bin/env bash
# Runs the benchmarks under Wine in a private prefix and writes docs/performance.md.
#   tools/bench.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:?build folder}")
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
env_dir="$build/bench-wine"
support="$top/tests/support"
"$support/test-env.sh" start "$env_dir"
trap '"$support/test-env.sh" stop "$env_dir"' EXIT
export VANTORELLE_TEST_WINE="$env_dir"
rows=$(mktemp)
notes=$(mktemp)
# Table rows go to the table, lines starting with "- " below it.
run() {
    local out
    out=$("$support/wine-run.sh" "$@")
    grep '^|' <<<"$out" >>"$rows" || true
    grep '^- ' <<<"$out" >>"$notes" || true
}
load() { cut -d' ' -f1 /proc/loadavg; }

# A tree the size of a used disk on the fixed drive D:, made on the Linux side, which is far
# quicker than through Wine; Z: stays empty.
drive="$env_dir/drives/d"
started=$(date +%s)
tree=$(python3 "$top/tools/make-bench-tree.py" "$drive")
echo "- Scan tree: $tree; made in $(($(date +%s) - started)) s by tools/make-bench-tree.py." >>"$notes"
load_before=$(load)
run "$build/bench/ScanBench.exe" 'D:\'
echo "- Load average (1 minute) when the scan figures began and ended: $load_before and $(load)." >>"$notes"
rm -rf "${drive:?}"/*

cp "$build/Vantorelle.exe" "$drive/Vantorelle.exe"
run "$build/bench/IndexBench.exe" 'D:\'
run "$build/bench/StartupBench.exe" 'D:\Vantorelle.exe' 'D:\start.dat'

out="$top/docs/performance.md"
mkdir -p "$top/docs"
{
    echo "# Performance"
    echo
    echo "Made by \`make bench\` on $(date -u +%Y-%m-%d). Every figure is measured under Wine"
    echo "($(wine --version 2>/dev/null || echo wine)) beside the plain platform work it is compared with,"
    echo "in the same run; the ratio is the first over the second (lower is better)."
    echo
    echo "Machine: $(nproc) cores ($(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'))," \
         "$(free -g | awk '/Mem:/ {print $2}') GiB of memory, Xvfb display."
    echo "Index figures: 1,000,000 records (264 MB). Scan figures: the medians of three scans and"
    echo "three bare walks taking turns on a shared machine."
    echo
    echo "| what | figure | compared with | ratio |"
    echo "|---|---|---|---|"
    cat "$rows"
    echo
    cat "$notes"
    echo
    echo "Targets: the scan within 1.1 times the bare walk that lists each folder once, and at most"
    echo "half the time of dir /s; the memory a scan or a load adds within its target (ratio 1 or"
    echo "less); the sort under 2 s; load and save within 2 times plain file work; a keystroke within"
    echo "1.2 times the plain loop (and under 100 ms); the start within 1.5 times reading the data file."
} >"$out"
rm -f "$rows" "$notes"
cat "$out"
