#!/usr/bin/env bash
# The demo: installs what is missing, builds TavCopyTool.exe, prepares a Wine
# prefix of its own (a product disc TAV07B_S in the CD-ROM drive E:, rights on
# a few subjects, the tool installed with its INI and help document) and
# starts the tool. With a display it opens there for
# you to use; without one it runs a scripted walk under Xvfb and saves a
# screenshot of every step.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
ensure_packages
build_windows

demo="$BUILD_ROOT/demo"
prefix="$demo/wineprefix"
scripts/wine-prefix.sh "$prefix" >/dev/null 2>&1 || xvfb-run -a scripts/wine-prefix.sh "$prefix"
source scripts/wine-env.sh "$prefix"

install="$prefix/drive_c/TavCopyTool"
mkdir -p "$install"
cp "$BUILD_ROOT/win/TavCopyTool.exe" "$BUILD_ROOT/win/TavCopyTool.INI" "$BUILD_ROOT/win/TavCopyTool.html" "$install/"
# The demo disc in the CD-ROM drive E: (F: is no drive, so it cannot pass for
# a foreign disc). The INI stays as shipped: the tool measures the disc.
scripts/make-demo-disc.sh "$prefix/drives/e" TAV07B_S >/dev/null
rm -f "$prefix/dosdevices/f:"
"$TAV_WINE" reg delete 'HKLM\Software\Wine\Drives' /v f: /f >/dev/null 2>&1 || true
wineserver -k 2>/dev/null || true  # the mount manager reads drives and labels at start
# The product's installer would have written these: administrator rights on
# Biology, English and Earth for the demo user.
for subject in Biology English Earth; do
  "$TAV_WINE" reg add "HKCU\\Software\\KR_LAB\\Tav2007\\$subject" /v UserLevel /d ADMIN /f >/dev/null
done

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Starting TavCopyTool in your display (prefix: $prefix)"
  exec "$TAV_WINE" 'C:\TavCopyTool\TavCopyTool.exe'
fi

shots="$demo/screenshots"
rm -rf "$shots"
mkdir -p "$shots"
echo "No display: a scripted walk through a copy, a move and a delete under Xvfb"
xvfb-run -a -s "-screen 0 1024x768x24" scripts/wine-run.sh "$prefix" "$BUILD_ROOT/win/e2e_tests.exe" \
  --gtest_filter='DemoWalk.*' --demo --exe="$install/TavCopyTool.exe" --shots="$shots"
to_png "$shots"
echo "Screenshots of every step:"
ls -1 "$shots"/*.png
