#!/usr/bin/env bash
# Prepares a Wine prefix of the project's own: Japanese fonts for the dialog
# font, a virtual desktop (window captions in screenshots without a window
# manager), and drives backed by folders: D: and G: fixed, E: and F: CD-ROM.
# Usage: wine-prefix.sh PREFIX   (quick when the prefix is ready already)
set -euo pipefail
prefix=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh" "$prefix"

if [ ! -f "$prefix/.tav-ready" ]; then
  rm -rf "$prefix"
  mkdir -p "$prefix"
  wine wineboot -i >/dev/null 2>&1
  wineserver -w
  reg() { wine reg add "$@" /f >/dev/null; }
  reg 'HKCU\Software\Wine\Explorer' /v Desktop /d Default
  reg 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768
  # The dialogs ask for "ＭＳ Ｐゴシック" / "ＭＳ ゴシック": map them to IPA Gothic.
  reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic'
  reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d 'IPAGothic'
  reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d 'IPAPGothic'
  reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS Shell Dlg' /d 'IPAPGothic'
  reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS Shell Dlg 2' /d 'IPAPGothic'
  wineserver -w
  touch "$prefix/.tav-ready"
fi
tav_drive d fixed
tav_drive g fixed
tav_drive e cdrom
tav_drive f cdrom
wineserver -k 2>/dev/null || true
