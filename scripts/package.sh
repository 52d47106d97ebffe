#!/usr/bin/env bash
# Installs what is missing, builds the Windows tree and the release package:
# build/release/TavCopyTool-<version>-win64.zip (the exe, its INI and the
# help document) and build/release/TavCopyTool-<version>-win64.msi (the
# installer), and lists both. With TAV_SIGN_PKCS12 and TAV_SIGN_PASSWORD (and
# optionally TAV_SIGN_TIMESTAMP_URL) in the environment, the exe is signed
# before it goes into either and the installer after it is built
# (scripts/sign.sh, osslsigncode); without them both are unsigned.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
ensure_packages
build_windows
build_release
# sign.sh fails the build rather than leave a file unsigned, so reaching
# here with a certificate means both files are signed.
if [ -n "${TAV_SIGN_PKCS12:-}" ]; then
  echo "The exe and the installer are signed with $TAV_SIGN_PKCS12."
else
  echo "Unsigned: no TAV_SIGN_PKCS12 given."
fi
echo "Release package in $BUILD_ROOT/release:"
ls -l "$BUILD_ROOT/release"
