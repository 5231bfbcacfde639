#!/usr/bin/env bash
# Signs a Windows file in place with osslsigncode (Authenticode, SHA-256) when a certificate is
# given, and does nothing otherwise, so unsigned packages stay the default:
#   TALLYWICK_SIGN_PFX=cert.pfx SIGN_PASS=… [TALLYWICK_SIGN_TIMESTAMP_URL=url] sign.sh FILE
# The password comes from the environment and reaches osslsigncode through a pipe, never on a
# command line that other users could read. With a URL, an RFC 3161 timestamp keeps the
# signature valid after the certificate expires.
set -euo pipefail

file=$1
[ -n "${TALLYWICK_SIGN_PFX:-}" ] || exit 0
command -v osslsigncode >/dev/null || { echo "sign.sh: osslsigncode is not installed" >&2; exit 1; }
timestamp=()
[ -z "${TALLYWICK_SIGN_TIMESTAMP_URL:-}" ] || timestamp=(-ts "$TALLYWICK_SIGN_TIMESTAMP_URL")
rm -f "$file.signed"
osslsigncode sign -pkcs12 "$TALLYWICK_SIGN_PFX" -readpass <(printf '%s' "${SIGN_PASS:-}") \
    -h sha256 -n Tallywick -i https://github.com/tallywick/tallywick "${timestamp[@]}" \
    -in "$file" -out "$file.signed" >/dev/null
mv -f "$file.signed" "$file"
echo "sign.sh: signed $(basename "$file")"
