#!/usr/bin/env bash
# Runs a Windows program under the project's prefix with a set of discs in the
# virtual CD-ROM drives. Wine's mount manager reads drive types and volume
# labels once, when it starts, so the wineserver is stopped after the drives
# are set, and again after they are put back as wine-prefix.sh leaves them
# (E: and F: CD-ROM drives without a label).
# This table is the one description of the sets: the program sees the set's
# name in TAV_DISC_SET, and its tests of a set skip in any other run.
# Usage: wine-discs.sh PREFIX CONFIGURATION PROGRAM [ARGS...]
#   product               E: TAV07B_S (a whole disc)     F: no drive
#   foreign-then-product  E: DATA_DISC                   F: tav07e_e
#   foreign               E: (no label)                  F: TAV08B_S
#   nodisc                E: TAV07Z_S (no such subject)  F: no drive
#   earth                 E: TAV07T_S, a whole disc      F: no drive
#   alias                 E: 020626_0403, a whole disc   F: no drive
#   full-drive            E: TAV07B_S, larger files      F: no drive
#                         H: a fixed drive on a 192 KiB tmpfs (needs root)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1
configuration=$2
shift 2
source "$here/wine-env.sh" "$prefix"

# A letter that is no drive at all.
no_drive() {
  rm -f "$WINEPREFIX/dosdevices/$1:"
  "$TAV_WINE" reg delete 'HKLM\Software\Wine\Drives' /v "$1:" /f >/dev/null 2>&1 || true
}

small_drive() {
  mkdir -p "$WINEPREFIX/drives/h"
  mount -t tmpfs -o size=192k tavsmall "$WINEPREFIX/drives/h"
  tav_drive h fixed
}

restore() {
  if mountpoint -q "$WINEPREFIX/drives/h"; then umount "$WINEPREFIX/drives/h"; fi
  rm -f "$WINEPREFIX/dosdevices/h:"
  rm -rf "$WINEPREFIX/drives/e"/TestDoc_*
  tav_drive e cdrom
  tav_drive f cdrom
  wineserver -k 2>/dev/null || true
}

case "$configuration" in
  product)              tav_drive e cdrom TAV07B_S;  no_drive f
                        "$here/make-demo-disc.sh" "$WINEPREFIX/drives/e" TAV07B_S 48 >/dev/null ;;
  foreign-then-product) tav_drive e cdrom DATA_DISC; tav_drive f cdrom tav07e_e ;;
  foreign)              tav_drive e cdrom;           tav_drive f cdrom TAV08B_S ;;
  nodisc)               tav_drive e cdrom TAV07Z_S;  no_drive f ;;
  earth|alias)          label=$([ "$configuration" = earth ] && echo TAV07T_S || echo 020626_0403)
                        tav_drive e cdrom "$label";  no_drive f
                        "$here/make-demo-disc.sh" "$WINEPREFIX/drives/e" "$label" 1 >/dev/null ;;
  full-drive)           tav_drive e cdrom TAV07B_S;  no_drive f
                        "$here/make-demo-disc.sh" "$WINEPREFIX/drives/e" TAV07B_S 8 >/dev/null
                        trap restore EXIT
                        small_drive ;;
  *) echo "unknown disc configuration: $configuration" >&2; exit 2 ;;
esac
trap restore EXIT
wineserver -k 2>/dev/null || true
TAV_DISC_SET=$configuration "$here/wine-run.sh" "$prefix" "$@"
