#!/usr/bin/env bash
# Benchmark: how long the tool takes under Wine to measure a disc's content
# kinds (the walk of every kind folder made before the content selection
# when the INI gives no sizes). Generates a disc of FILES files (default
# 20000) spread over the seven kind folders, in folders of 100, and prints
# the time of each of a few runs and the slowest. The target is under 1 s.
# Usage: bench-disc-size.sh [FILES]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
count=${1:-20000}
[[ $count =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [FILES]" >&2; exit 2; }

ensure_packages
build_windows >/dev/null

# The disc: TestDoc_B/<kind>/Q<nnn>/<file>. File contents are never read by
# the measurement, so small files of varied sizes stand in for real ones.
disc="$BUILD_ROOT/bench/disc-$count"
if [ "$(cat "$disc/.complete" 2>/dev/null)" != "$count" ]; then
  rm -rf "$disc"
  kinds=(Ichitaro Word PDF TIF TXT TXT0 VOICE)
  for ((i = 0; i < count; i++)); do
    printf -v folder '%s/TestDoc_B/%s/Q%03d' "$disc" "${kinds[i % 7]}" $((i / 700))
    ((i % 700 < 7)) && mkdir -p "$folder"
    printf '%*s' $((i * 37 % 4096 + 1)) '' > "$folder/$i.dat"
  done
  echo "$count" > "$disc/.complete"
fi

prefix="$BUILD_ROOT/win/wineprefix"
xvfb-run -a scripts/wine-prefix.sh "$prefix" >/dev/null 2>&1
xvfb-run -a scripts/wine-run.sh "$prefix" "$BUILD_ROOT/win/disc_size_bench.exe" --disc="$disc" --runs=5
