#!/usr/bin/env bash
# The signed release, tested with a throw-away self-signed certificate made
# here (never a real one):
#   release_signing.sh build DIR CMAKE BUILD_TREE
#     makes the certificate in DIR and builds the release targets with it,
#     as scripts/package.sh does with a real one;
#   release_signing.sh verify DIR ZIP MSI NEXT_MSI UNSIGNED_EXE
#     checks with osslsigncode that the exe in the archive, the exe in the
#     installer and both installers carry a valid signature by that
#     certificate, and that without a certificate (or with a wrong one)
#     nothing is signed by accident.
set -euo pipefail
mode=$1 dir=$2

verify() {  # FILE: the signature checked against the test certificate only
  echo "--- osslsigncode verify $(basename "$1")"
  osslsigncode verify -CAfile "$dir/cert.pem" -in "$1"
}

case "$mode" in
  build)
    cmake=$3 tree=$4
    rm -rf "$dir" && mkdir -p "$dir"
    openssl rand -hex 16 >"$dir/password"
    openssl req -x509 -newkey rsa:2048 -sha256 -days 2 -nodes -subj "/CN=TavCopyTool test signer" \
      -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
      -keyout "$dir/key.pem" -out "$dir/cert.pem" 2>/dev/null
    openssl pkcs12 -export -inkey "$dir/key.pem" -in "$dir/cert.pem" -out "$dir/cert.p12" \
      -passout "file:$dir/password"
    TAV_SIGN_PKCS12="$dir/cert.p12" TAV_SIGN_PASSWORD="$(cat "$dir/password")" \
      "$cmake" --build "$tree" --target release release_next_version
    ;;
  verify)
    zip=$3 msi=$4 next=$5 unsigned=$6
    work="$dir/unpacked"
    rm -rf "$work" && mkdir -p "$work/zip" "$work/msi"
    (cd "$work/zip" && cmake -E tar xf "$zip")
    (cd "$work/msi" && msiextract "$msi" >/dev/null)
    inMsi=$(find "$work/msi" -name TavCopyTool.exe | head -1)
    [ -n "$inMsi" ] || { echo "no TavCopyTool.exe in $msi" >&2; exit 1; }
    verify "$work/zip/TavCopyTool.exe"
    verify "$inMsi"
    verify "$msi"
    verify "$next"
    cmp "$work/zip/TavCopyTool.exe" "$inMsi" || { echo "the archive and the installer ship different exes" >&2; exit 1; }

    # Without a certificate: an unchanged copy, no signature.
    env -u TAV_SIGN_PKCS12 bash scripts/sign.sh "$unsigned" "$work/plain.exe"
    cmp "$unsigned" "$work/plain.exe"
    if osslsigncode verify -in "$work/plain.exe" >/dev/null 2>&1; then
      echo "an exe built without a certificate carries a signature" >&2; exit 1
    fi
    # A certificate that is named but unusable fails instead of building unsigned.
    for bad in "TAV_SIGN_PKCS12=$dir/missing.p12 TAV_SIGN_PASSWORD=x" \
               "TAV_SIGN_PKCS12=$dir/cert.p12 TAV_SIGN_PASSWORD=wrong" \
               "TAV_SIGN_PKCS12=$dir/cert.p12"; do
      rm -f "$work/bad.exe"
      if env -u TAV_SIGN_PASSWORD $bad bash scripts/sign.sh "$unsigned" "$work/bad.exe" 2>/dev/null; then
        echo "signing went on with: $bad" >&2; exit 1
      fi
      [ ! -e "$work/bad.exe" ] || { echo "an output was left by a failed signing: $bad" >&2; exit 1; }
    done
    # A signature by another certificate does not pass as ours.
    openssl req -x509 -newkey rsa:2048 -days 2 -nodes -subj "/CN=someone else" \
      -keyout "$work/other.key" -out "$work/other.pem" 2>/dev/null
    if osslsigncode verify -CAfile "$work/other.pem" -in "$msi" >/dev/null 2>&1; then
      echo "the installer's signature verifies against an unrelated certificate" >&2; exit 1
    fi
    echo "signatures verified"
    ;;
  *) echo "usage: $0 build|verify ..." >&2; exit 2 ;;
esac
