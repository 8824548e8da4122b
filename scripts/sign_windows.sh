#!/usr/bin/env bash
# Signs a Windows program in place and verifies the signature, when a key is given (else
# does nothing): VT350_SIGN_CERT (PEM certificate chain) and VT350_SIGN_KEY (PEM private
# key, VT350_SIGN_PASS its password if any); VT350_SIGN_TIMESTAMP names a time-stamping
# server. The release signs its programs and installer with it, and makensis its
# uninstaller before it is packed into the installer.
#   scripts/sign_windows.sh FILE.exe
set -euo pipefail
[ -n "${VT350_SIGN_KEY:-}" ] && [ -n "${VT350_SIGN_CERT:-}" ] || exit 0
file=$1
extra=()
[ -n "${VT350_SIGN_PASS:-}" ] && extra+=(-pass "$VT350_SIGN_PASS")
[ -n "${VT350_SIGN_TIMESTAMP:-}" ] && extra+=(-ts "$VT350_SIGN_TIMESTAMP")
osslsigncode sign -certs "$VT350_SIGN_CERT" -key "$VT350_SIGN_KEY" "${extra[@]}" \
    -n "VT-350 configuration" -h sha256 -in "$file" -out "$file.signed" > /dev/null
mv "$file.signed" "$file"
log=$(osslsigncode verify -CAfile "$VT350_SIGN_CERT" -in "$file" 2>&1) ||
    { echo "$log"; echo "the signature of $file does not verify" >&2; exit 1; }
echo "signed and verified: $(basename "$file")"
