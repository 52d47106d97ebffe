# Environment for every Wine process of the project, and drive helpers.
# Source with the prefix as argument.
export WINEPREFIX=$1
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
# Japanese locale: code page 932 for Wine, UTF-8 file names on the host
# (the README's commands generate the glibc locale).
export LC_ALL=ja_JP.UTF-8
# No Mono or Gecko installer questions at prefix creation.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The Wine loader, as a path every script can run, `exec` included: with
# wine32 absent, /usr/bin/wine may fail where wine64 itself runs.
if command -v wine >/dev/null && wine --version >/dev/null 2>&1; then
  TAV_WINE=$(command -v wine)
else
  TAV_WINE=/usr/lib/wine/wine64
fi
export TAV_WINE

# tav_drive LETTER fixed|cdrom [LABEL]: the drive is a folder under the prefix;
# a CD-ROM's volume label is the text of .windows-label in its root. Wine's
# mount manager caches drives and labels: run `wineserver -k` after changes.
tav_drive() {
  local letter=$1 type=$2 label=${3-}
  local folder="$WINEPREFIX/drives/$letter"
  mkdir -p "$folder"
  ln -sfn "$folder" "$WINEPREFIX/dosdevices/$letter:"
  if [ "$type" = cdrom ]; then
    "$TAV_WINE" reg add 'HKLM\Software\Wine\Drives' /v "$letter:" /d cdrom /f >/dev/null
  else
    "$TAV_WINE" reg delete 'HKLM\Software\Wine\Drives' /v "$letter:" /f >/dev/null 2>&1 || true
  fi
  if [ -n "$label" ]; then printf '%s' "$label" > "$folder/.windows-label"; else rm -f "$folder/.windows-label"; fi
}

# A Windows path for a Linux one (through drive Z:).
tav_winpath() { printf 'Z:%s' "${1//\//\\}"; }
