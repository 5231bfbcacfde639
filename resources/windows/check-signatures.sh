#!/usr/bin/env bash
# Verifies the Authenticode signatures of signed Windows files:
#   check-signatures.sh CA.pem|"" FILE...
# Each file must carry a signature whose digest matches its content and whose certificate chains
# to CA.pem (for a self-signed certificate: that certificate itself) or, with "", to the system's
# certificate authorities. An unsigned or altered file fails.
set -euo pipefail

ca=$1
shift
[ $# -gt 0 ] || { echo "check-signatures: no files given" >&2; exit 1; }
cafile=()
[ -z "$ca" ] || cafile=(-CAfile "$ca")
for file in "$@"; do
    [ -f "$file" ] || { echo "check-signatures: no $file" >&2; exit 1; }
    if ! report=$(osslsigncode verify "${cafile[@]}" -in "$file" 2>&1) ||
        ! grep -q '^Signature verification: ok' <<<"$report"; then
        echo "$report" >&2
        echo "check-signatures: FAILED: $file is not signed, or not intact" >&2
        exit 1
    fi
    echo "check-signatures: $(basename "$file"): signed by$(sed -n 's/^\s*Subject: //p' <<<"$report" | head -1 | sed 's/^/ /'), intact"
done
