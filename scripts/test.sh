#!/usr/bin/env bash
# Installs what is missing, builds the native and the Windows tree, and runs
# every test tier: native, under Wine, end to end.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
ensure_packages
build_native
build_windows
ctest --test-dir "$BUILD_ROOT/native" --output-on-failure
run_wine_tests
