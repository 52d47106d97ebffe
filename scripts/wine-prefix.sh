#!/usr/bin/env bash
# Prepares a Wine prefix of the project's own: Japanese fonts for the dialog
# font, a virtual desktop (window captions in screenshots without a window
# manager), and drives backed by folders: D: and G: fixed, E: and F: CD-ROM.
# Usage: wine-prefix.sh PREFIX   (quick when the prefix is ready already)
set -euo pipefail
prefix=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh" "$prefix"

# Bumped whenever the settings below change, so older prefixes are made anew.
version=2
if [ "$(cat "$prefix/.tav-ready" 2>/dev/null)" != "$version" ]; then
  rm -rf "$prefix"
  mkdir -p "$prefix"
  "$TAV_WINE" wineboot -i >/dev/null 2>&1
  wineserver -w
  # Imported from a UTF-16 .reg file: command-line arguments cannot carry the
  # full-width font names (glibc has no ja_JP.UTF-8 locale for Wine to decode them).
  # The dialogs ask for "ＭＳ Ｐゴシック": map it and its kin to IPA Gothic.
  settings=$(mktemp --suffix=.reg)
  cat <<'REG' | iconv -f UTF-8 -t UTF-16 > "$settings"
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAPGothic"
"MS Shell Dlg"="IPAPGothic"
"MS Shell Dlg 2"="IPAPGothic"

; The usage guide is an HTML file: open it as Windows would, in the browser.
[HKEY_CLASSES_ROOT\.html]
@="htmlfile"
REG
  "$TAV_WINE" regedit /S "$(tav_winpath "$settings")"
  rm -f "$settings"
  wineserver -w
  echo "$version" > "$prefix/.tav-ready"
fi
# Debian's Wine does not find the symbol font of its own caption buttons (the
# close box shows an "r"): put it where every Windows program finds fonts.
fonts="$prefix/drive_c/windows/Fonts"
if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ]; then
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
tav_drive d fixed
tav_drive g fixed
tav_drive e cdrom
tav_drive f cdrom
wineserver -k 2>/dev/null || true
