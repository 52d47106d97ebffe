#!/usr/bin/env bash
# Runs a Windows program under the project's Wine prefix.
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]; an argument --exe=/linux/path
# (any --name=/linux/path) is handed over as a Windows path.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# Wine wants the prefix as an absolute path.
source "$here/wine-env.sh" "$(realpath -m "$1")"
shift
program=$1
shift
args=()
for a in "$@"; do
  case "$a" in
    --*=/*) args+=("${a%%=*}=$(tav_winpath "${a#*=}")") ;;
    *) args+=("$a") ;;
  esac
done
export TAV_WINEPREFIX_UNIX=$WINEPREFIX
exec "$TAV_WINE" "$program" "${args[@]}"
