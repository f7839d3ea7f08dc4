#!/usr/bin/env bash
# Transfer times against the simulated radio: a full read (with decode and
# save) at full speed, and a full read and write at real 9600-baud line
# timing (and a write with its read-back) compared with the line time of their bytes,
# and two radios written on two ports at once against one.
#   bench/link_bench.sh [BUILD-DIR]
set -euo pipefail
build=${1:-build}
dist="$build/dist/PK_517"
work=$(mktemp -d)
sim=0
trap '[[ $sim -gt 0 ]] && kill $sim 2>/dev/null; rm -rf "$work"' EXIT
# Backups and the write journal of these transfers stay in the scratch folder.
export XDG_DATA_HOME="$work/data"

start_sim() { # args... ; sets $sim and $port
    : > "$work/sim.out"
    "$dist/zr4400-radio-sim" "$@" > "$work/sim.out" 2>/dev/null &
    sim=$!
    for _ in $(seq 50); do [[ -s "$work/sim.out" ]] && break; sleep 0.1; done
    port=$(head -1 "$work/sim.out")
}
stop_sim() {
    kill "$sim" 2>/dev/null || true
    wait "$sim" 2>/dev/null || true
    sim=0
}
seconds() { # command... ; prints the wall time in seconds
    local t0 t1
    t0=$(date +%s%N)
    "$@" > /dev/null 2>&1
    t1=$(date +%s%N)
    awk -v ns=$((t1 - t0)) 'BEGIN { printf "%.3f", ns / 1e9 }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.4f", a / b }'; }

"$dist/zr4400-cli" encode "$dist/Init/1_PK2323_New.dat" "$work/image.bin" > /dev/null 2>&1

start_sim --image "$work/image.bin"
fast=$(seconds "$dist/zr4400-cli" read "$port" "$work/fast.dat" --no-backup)
stop_sim
echo "full speed: read + decode + save: ${fast} s"

# Line time at 10 bits a byte and 9600 baud: handshake 7+3, identify 1+16,
# END 3+1, and 1024 x (4+22) for a read or 1009 x (22+1) for a write.
read_line=$(awk 'BEGIN { printf "%.3f", (10 + 17 + 4 + 1024 * 26) * 10 / 9600 }')
write_line=$(awk 'BEGIN { printf "%.3f", (10 + 17 + 4 + 1009 * 23) * 10 / 9600 }')
# A verified write reads the 1009 written blocks back after a second handshake.
verify_line=$(awk 'BEGIN { printf "%.3f", (2 * (10 + 17 + 4) + 1009 * (23 + 26)) * 10 / 9600 }')

start_sim --image "$work/image.bin" --line-rate
slow_read=$(seconds "$dist/zr4400-cli" read "$port" "$work/slow.dat" --no-backup)
slow_write=$(seconds "$dist/zr4400-cli" write "$port" "$dist/Init/1_PK2323_New.dat")
verified=$(seconds "$dist/zr4400-cli" write "$port" "$dist/Init/1_PK2323_New.dat" --verify)
stop_sim
echo "line rate: read ${slow_read} s for ${read_line} s of line time (ratio $(ratio "$slow_read" "$read_line"))"
echo "line rate: write ${slow_write} s for ${write_line} s of line time (ratio $(ratio "$slow_write" "$write_line"))"
echo "line rate: verified write ${verified} s for ${verify_line} s of line time (ratio $(ratio "$verified" "$verify_line"))"

# Two radios on two ports at once against one radio's write.
start_sim --line-rate
first=$sim; port_a=$port
start_sim --line-rate
second=$sim; port_b=$port
single=$(seconds "$dist/zr4400-cli" write "$port_a" "$dist/Init/1_PK2323_New.dat")
fleet=$(seconds "$dist/zr4400-cli" group-write "$port_a,$port_b" "$dist/Init/1_PK2323_New.dat" --count 2)
kill "$first" "$second" 2>/dev/null || true
wait "$first" "$second" 2>/dev/null || true
sim=0
echo "line rate: two radios on two ports ${fleet} s, one radio ${single} s (ratio $(ratio "$fleet" "$single"))"

# One port, two radios: the time between them is the swap detection's.
start_sim --line-rate --swap-after-write 3
pair=$(seconds "$dist/zr4400-cli" group-write "$port" "$dist/Init/1_PK2323_New.dat" --count 2)
stop_sim
echo "line rate: two radios on one port ${pair} s: $(awk -v a="$pair" -v b="$single" 'BEGIN { printf "%.3f", a - 2 * b }') s between them"
