#!/bin/sh
# Regenerates the RTF test data:
#  1. tests/data/rtf/lo-*.rtf from the sources in tests/data/rtf/sources with
#     LibreOffice (only with --libreoffice, since the files are checked in and
#     another LibreOffice version writes slightly different RTF);
#  2. the golden dumps tests/data/rtf/*.jsonl with kolorat-rtfdump.
# The dumps of tests/data/rtf/constructs/ (one construct each, and the file our
# writer wrote) are rewritten by `KOLORAT_REGENERATE=1 build/tests/platform_tst_documents`.
# Review every changed .jsonl with `git diff` before committing it.
# Usage: scripts/regen-rtf-testdata.sh BUILD_DIR [--libreoffice]
set -eu
build=${1:?build directory}
here=$(cd "$(dirname "$0")/.." && pwd)
data="$here/tests/data/rtf"
if [ "${2:-}" = "--libreoffice" ]; then
    profile=$(mktemp -d)
    for src in "$data"/sources/*.fodt; do
        soffice "-env:UserInstallation=file://$profile" --headless --convert-to rtf \
            --outdir "$data" "$src" >/dev/null
    done
    rm -rf "$profile"
fi
for rtf in "$data"/*.rtf; do
    "$build/tools/rtfdump/kolorat-rtfdump" "$rtf" > "${rtf%.rtf}.jsonl"
done
