#!/usr/bin/env bash
# Installs what is missing, builds the Windows tree and the release package:
# build/release/TavCopyTool-<version>-win64.zip (the exe, its INI and the
# help document) and build/release/TavCopyTool-<version>-win64.msi (the
# installer), and lists both.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
ensure_packages
build_windows
build_release
echo "Release package in $BUILD_ROOT/release:"
ls -l "$BUILD_ROOT/release"
