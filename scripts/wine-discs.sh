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
#   cross-device          E: TAV07B_S, a whole disc      F: no drive
#                         H: a fixed drive on a roomy tmpfs, another Unix device
#                            than D: and G: (needs root)
#   few-inodes            E: TAV07B_S, a whole disc      F: no drive
#                         H: a fixed drive on a tmpfs of 64 MiB and 30 inodes:
#                            room by the byte count for any copy of the disc,
#                            too few inodes for a whole one (needs root)
#   absent-drive          E: (no label)                  F: no drive
#                         H: no drive (an unplugged disk that held a data set)
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

# tmpfs_drive OPTIONS: H: a fixed drive on a tmpfs of its own.
tmpfs_drive() {
  mkdir -p "$WINEPREFIX/drives/h"
  mount -t tmpfs -o "$1" tavsmall "$WINEPREFIX/drives/h"
  tav_drive h fixed
  # Wine moves a folder by a rename: the set is only worth its name when H:
  # lies on another device than the prefix's own fixed drives.
  if [ "$(stat -c %d "$WINEPREFIX/drives/h/")" = "$(stat -c %d "$WINEPREFIX/drives/d/")" ]; then
    echo "H: is on the same device as D:" >&2
    exit 2
  fi
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
                        tmpfs_drive size=192k ;;
  cross-device|few-inodes)
                        tav_drive e cdrom TAV07B_S;  no_drive f
                        "$here/make-demo-disc.sh" "$WINEPREFIX/drives/e" TAV07B_S 1 >/dev/null
                        trap restore EXIT
                        # 30 inodes, the root's among them: a copy of the
                        # whole disc (36 files and folders below TestDoc_B,
                        # three folders above) runs out inside a kind folder,
                        # Word and PDF alone (12) fit with room to spare.
                        if [ "$configuration" = cross-device ]; then tmpfs_drive size=64m
                        else tmpfs_drive size=64m,nr_inodes=30; fi ;;
  absent-drive)         tav_drive e cdrom;           no_drive f; no_drive h ;;
  *) echo "unknown disc configuration: $configuration" >&2; exit 2 ;;
esac
trap restore EXIT
wineserver -k 2>/dev/null || true
TAV_DISC_SET=$configuration "$here/wine-run.sh" "$prefix" "$@"
