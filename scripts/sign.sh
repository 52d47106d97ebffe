#!/usr/bin/env bash
# Authenticode signature of one release file (the exe, or the MSI in place):
#   scripts/sign.sh IN OUT
# With a code-signing certificate given through the environment it signs IN
# into OUT with osslsigncode; without one OUT becomes an unchanged copy of IN
# (an unsigned build, as before). A certificate that is named but unusable
# fails the build: a release must never go out unsigned by accident.
#   TAV_SIGN_PKCS12         the certificate and its private key, a PKCS#12 file (.p12/.pfx)
#   TAV_SIGN_PASSWORD       its password (may be empty, but must be set)
#   TAV_SIGN_TIMESTAMP_URL  optional: an RFC 3161 timestamp server, so that the
#                           signature stays valid after the certificate expires
set -euo pipefail
in=$1 out=$2
tmp="$out.signing"
trap 'rm -f "$tmp"' EXIT

if [ -z "${TAV_SIGN_PKCS12:-}" ]; then
  # Copied only when different: an unchanged copy keeps the archive and the
  # installer from being rebuilt for nothing.
  [ "$in" = "$out" ] || cmp -s "$in" "$out" 2>/dev/null || cp -f "$in" "$out"
  exit 0
fi
if [ ! -r "$TAV_SIGN_PKCS12" ]; then
  echo "sign.sh: TAV_SIGN_PKCS12 names no readable file: $TAV_SIGN_PKCS12" >&2
  exit 1
fi
if [ -z "${TAV_SIGN_PASSWORD+set}" ]; then
  echo "sign.sh: TAV_SIGN_PKCS12 is set but TAV_SIGN_PASSWORD is not" >&2
  exit 1
fi
command -v osslsigncode >/dev/null || { echo "sign.sh: osslsigncode is not installed" >&2; exit 1; }

args=(sign -pkcs12 "$TAV_SIGN_PKCS12" -readpass /dev/stdin -h sha256 -n "Tavコピーツール" -in "$in" -out "$tmp")
if [ -n "${TAV_SIGN_TIMESTAMP_URL:-}" ]; then args+=(-ts "$TAV_SIGN_TIMESTAMP_URL"); fi
# The password goes through a pipe, never the command line (which every
# user of the machine can read).
rm -f "$tmp"
printf '%s' "$TAV_SIGN_PASSWORD" | osslsigncode "${args[@]}" >/dev/null
mv -f "$tmp" "$out"
