#!/usr/bin/env bash
# Fails on an #include "..." that runs back up the layers. Product folders,
# lowest first; a file may include its own folder and any folder of a lower
# rank. Portable code (outside win32/) includes nothing under a win32/ folder,
# and folders of one rank do not include each other.
# Usage: check-layers.sh [SOURCE_ROOT]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
declare -A rank=(
  [res]=0 [platform]=1 [catalogue]=2 [command]=3 [ui]=4 [copy]=5 [move]=5 [delete]=5 [app]=6 [unattended]=7
  [platform/win32]=11 [ui/win32]=14 [copy/win32]=15 [unattended/win32]=15 [app/win32]=16
)
status=0
cd "$root"
for dir in "${!rank[@]}"; do
  for file in "$dir"/*.h "$dir"/*.cpp; do
    [ -e "$file" ] || continue
    while IFS= read -r included; do
      to=$(dirname "$included")
      [ "$to" = "$dir" ] && continue
      if [ -z "${rank[$to]+set}" ]; then
        echo "$file: includes $included, which is in no layer" >&2; status=1; continue
      fi
      if [[ $dir != */win32 && $to == */win32 ]]; then
        echo "$file: portable code includes the Win32 layer ($included)" >&2; status=1
      elif ((rank[$to] >= rank[$dir])); then
        echo "$file: includes $included, which is not below $dir" >&2; status=1
      fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
  done
done
exit $status
