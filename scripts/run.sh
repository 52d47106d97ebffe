#!/usr/bin/env bash
# The demo: installs what is missing, builds TavCopyTool.exe, prepares a Wine
# prefix of its own (rights on a few subjects, the tool installed with its INI
# and help document) and starts the tool. With a display it opens there for
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
# The product's installer would have written these: administrator rights on
# Biology, English and Earth for the demo user.
for subject in Biology English Earth; do
  wine reg add "HKCU\\Software\\KR_LAB\\Tav2007\\$subject" /v UserLevel /d ADMIN /f >/dev/null
done

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Starting TavCopyTool in your display (prefix: $prefix)"
  exec wine 'C:\TavCopyTool\TavCopyTool.exe'
fi

shots="$demo/screenshots"
rm -rf "$shots"
mkdir -p "$shots"
echo "No display: running the scripted walk under Xvfb"
xvfb-run -a -s "-screen 0 1024x768x24" scripts/wine-run.sh "$prefix" "$BUILD_ROOT/win/e2e_tests.exe" \
  --gtest_filter='DemoWalk.*' --demo --exe="$install/TavCopyTool.exe" --shots="$shots"
to_png "$shots"
echo "Screenshots of every step:"
ls -1 "$shots"/*.png
