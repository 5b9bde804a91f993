#!/usr/bin/env bash
# Compares bjsim's speed on one core at two revisions. Where the linker puts the hot loop moves
# its speed by up to 12 % on some processors (a build with -falign-jumps=16 alone moved it by
# 9 %), so each revision is built with four code alignments and the runs of all eight builds are
# interleaved in a new random order each round; it prints each build's median hands per second
# and, per revision, the geometric mean over its four builds. On a shared virtual machine two
# runs of the same pair can still differ by a few per cent: repeat it before trusting a smaller
# difference.
#
# Usage: bench/compare_speed.sh [-n ROUNDS] REV_A REV_B   (default 8 rounds; REV: any git revision)
set -euo pipefail

rounds=8
while [[ "${1:-}" == -* ]]; do
    case "$1" in
    -n) rounds="$2"; shift ;;
    *) sed -n '2,8p' "$0"; exit 0 ;;
    esac
    shift
done
(($# == 2)) || { sed -n '2,8p' "$0"; exit 2; }

repo="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
layouts=("" "-falign-jumps=16" "-falign-functions=64" "-falign-loops=32")
run=(--table basic --decks 6 --soft17 stand --double-splits yes --hands 30000 --seed 1
    --sessions 60 --threads 1)

builds=()
for rev in "$1" "$2"; do
    src="$work/src-$(git -C "$repo" rev-parse --short "$rev")"
    mkdir -p "$src"
    git -C "$repo" archive "$rev" | tar -x -C "$src"
    for i in "${!layouts[@]}"; do
        out="$src-$i"
        cmake -S "$src" -B "$out" -DCMAKE_BUILD_TYPE=Release -DBJ_BUILD_GUI=OFF \
            -DCMAKE_CXX_FLAGS="${layouts[$i]}" >/dev/null
        cmake --build "$out" --target bjsim -j"$(nproc)" >/dev/null
        builds+=("$rev $i $out/bin/bjsim")
    done
done

for ((r = 0; r < rounds; ++r)); do
    printf '%s\n' "${builds[@]}" | shuf | while read -r rev i bin; do
        speed=$(taskset -c 0 "$bin" "${run[@]}" | sed -n 's/.*s, \([0-9]*\) hands per second/\1/p')
        echo "$rev $i $speed"
    done
done | sort -k1,1 -k2,2n -k3,3n | awk '
    { key = $1 " " $2; speed[key, ++count[key]] = $3; revs[$1] = 1 }
    END {
        for (rev in revs) {
            line = rev ":"; logs = 0
            for (i = 0; i < 4; ++i) {
                key = rev " " i; c = count[key]
                median = (speed[key, int((c + 1) / 2)] + speed[key, int(c / 2) + 1]) / 2
                line = line sprintf(" %.2f", median / 1e6); logs += log(median)
            }
            printf "%s  geometric mean %.2f M hands/s\n", line, exp(logs / 4) / 1e6
        }
    }'
