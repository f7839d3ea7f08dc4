#!/usr/bin/env bash
# Time from process start to the main window shown (splash skipped), and the
# resident memory at that moment: bench/startup_bench.sh [BUILD-DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-20}
program="$build/dist/PK_517/zr4400"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build/dist" "$work/dist"
export XDG_CONFIG_HOME="$work/config"
times=()
rss=0
for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    rss=$("$work/dist/PK_517/zr4400" --startup-benchmark 2>/dev/null | awk '/rss_kib/ {print $2}')
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
median=${sorted[$((runs / 2))]}
echo "start to main window shown: median $((median / 1000)).$(((median % 1000) / 100)) ms, best $((sorted[0] / 1000)) ms ($runs runs, $QT_QPA_PLATFORM)"
echo "resident memory after start: $((rss / 1024)) MiB ($rss KiB)"
