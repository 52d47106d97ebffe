#!/usr/bin/env bash
# Benchmarks: the tool's speed against its floors, measured side by side.
# Builds the exe and the bench programs, prepares a Wine prefix and discs of
# its own under build/bench/, takes every figure alternately with its floor
# (medians of ROUNDS samples each; thrice as many for the quick ones:
# start-up, detection, the walks) and prints one table, also written to
# build/bench/results.md. Not part of the test command: the machine's load
# moves these figures, so they are read, never asserted.
# Usage: bench.sh [ROUNDS]   (default 3)
set -euo pipefail
self="$(cd "$(dirname "$0")" && pwd)/$(basename "$0")"
cd "$(dirname "$0")/.."
source scripts/lib.sh

bench="$BUILD_ROOT/bench"
prefix="$bench/wineprefix"
programs="$BUILD_ROOT/win/bench"
exe="$BUILD_ROOT/win/TavCopyTool.exe"
install="$prefix/drive_c/tav-bench"

# The discs: TAV07B_S in E:, about 150 MB in 3,000 files, for start-up,
# detection and the copy; a 20,000-file disc in F: for the walks (labelled
# per session below).
copy_disc=(TAV07B_S 5 125)
walk_disc=(TAV07T_S 1 834)
walk_copy=D:\\KR_LAB\\Tav2007\\TestDoc_T

# A disc is written again only when its parameters change.
make_disc() {
  local drive=$1 label=$2 unit_kb=$3 copies=$4
  local folder="$prefix/drives/$drive" stamp="$label $unit_kb $copies"
  if [ "$(cat "$folder/.bench-disc" 2>/dev/null)" != "$stamp" ]; then
    echo "Writing the $label disc ($copies × 24 files) into $drive:"
    rm -f "$folder/.bench-disc"
    scripts/make-demo-disc.sh "$folder" "$label" "$unit_kb" "$copies" > "$bench/$label.ini"
    echo "$stamp" > "$folder/.bench-disc"
  fi
}

# Both CD-ROM drives with a label of the product's form whose code is no
# subject: the disc scan treats such a drive as empty (Wine cannot show an
# empty CD-ROM drive), or the two discs. The mount manager reads labels once.
set_labels() {
  printf '%s' "$1" > "$prefix/drives/e/.windows-label"
  printf '%s' "$2" > "$prefix/drives/f/.windows-label"
  wineserver -k 2>/dev/null || true
}

driver() {
  scripts/wine-run.sh "$prefix" "$programs/bench_driver.exe" --exe="$install/TavCopyTool.exe" \
    --bench-dir="$programs" --disc='E:\TestDoc_B' --rounds="$rounds" "$@"
}

# Everything under Wine, inside one X server of its own.
measure() {
  scripts/wine-prefix.sh "$prefix" >/dev/null
  source scripts/wine-env.sh "$prefix"
  make_disc e "${copy_disc[@]}"
  make_disc f "${walk_disc[@]}"
  echo "bench copy_files $(find "$prefix/drives/e/TestDoc_B" -type f | wc -l)"
  echo "bench copy_mb $(($(du -sb "$prefix/drives/e/TestDoc_B" | cut -f1) / 1048576))"
  # The arrival check's copy of the walk disc, made on the host side.
  local walk_copy_unix="$prefix/drives/d/KR_LAB/Tav2007/TestDoc_T"
  if [ "$(cat "$walk_copy_unix/../.bench-copy" 2>/dev/null)" != "$(cat "$prefix/drives/f/.bench-disc")" ]; then
    rm -rf "$walk_copy_unix"
    mkdir -p "$(dirname "$walk_copy_unix")"
    cp -r "$prefix/drives/f/TestDoc_T" "$walk_copy_unix"
    cat "$prefix/drives/f/.bench-disc" > "$walk_copy_unix/../.bench-copy"
  fi

  mkdir -p "$install"
  cp "$exe" "$BUILD_ROOT/win/TavCopyTool.html" "$install/"
  { printf '[HELP]\r\nFILE=TavCopyTool.html\r\n'; cat "$bench/${copy_disc[0]}.ini"; } > "$install/TavCopyTool.INI"
  wine reg add 'HKCU\Software\KR_LAB\Tav2007\Biology' /v UserLevel /d ADMIN /f >/dev/null

  set_labels TAV07Z_S TAV07Z_S
  driver --gtest_filter=Bench.WaitingForDisc --seconds=5
  set_labels "${copy_disc[0]}" "${walk_disc[0]}"
  driver --gtest_filter=Bench.StartUp:Bench.DiscIdentified:Bench.CopyStep
  # A walk takes a second or two: thrice the rounds for a steadier median.
  scripts/wine-run.sh "$prefix" "$programs/bench_walk.exe" --disc='F:\TestDoc_T' --copy="$walk_copy" \
    --rounds=$((rounds * 3))
  # Why a copy could take longer inside the tool: one condition at a time.
  driver --gtest_filter=Bench.ShellCopyConditions
  wineserver -k 2>/dev/null || true
}

if [ "${1-}" = --measure ]; then
  rounds=$2
  measure
  exit
fi

rounds=${1:-3}
[[ $rounds =~ ^[1-9][0-9]*$ ]] || { echo "usage: bench.sh [ROUNDS]" >&2; exit 2; }
ensure_packages
build_windows bench_programs
mkdir -p "$bench"
load_before=$(uptime)
log="$bench/measure.log"
xvfb-run -a -s "-screen 0 1024x768x24" bash "$self" --measure "$rounds" | tee "$log"
load_after=$(uptime)
{
  echo "# TavCopyTool benchmarks"
  echo
  echo "$(date -u '+%Y-%m-%d %H:%M UTC'), commit $(git rev-parse --short HEAD 2>/dev/null || echo '?'), medians of $rounds rounds ($((rounds * 3)) for start-up, detection and the walks); Wine $(wine --version 2>/dev/null || /usr/lib/wine/wine64 --version), $(nproc) cores."
  echo "Load before: $load_before"
  echo "Load after:  $load_after"
  echo
  awk -v exe_bytes="$(stat -c %s "$exe")" -f scripts/bench-table.awk "$log"
} | tee "$bench/results.md"
