#!/usr/bin/env bash
# Brings the catalogues in translations/ up to date with the texts in src/: new texts arrive
# unfinished (for a translator to fill in, e.g. with linguist), texts no longer used leave. Source
# line numbers are not kept, so that moving code changes no catalogue.
#
#   scripts/update-translations.sh          # updates translations/*.ts
#   scripts/update-translations.sh FOLDER   # updates the .ts files in FOLDER instead
#
# LUPDATE names the lupdate to use (default: Qt 6's).
set -euo pipefail
checkout=$(cd "$(dirname "$0")/.." && pwd)
folder=$(cd "${1:-$checkout/translations}" && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}

shopt -s nullglob
catalogues=("$folder"/glowdeck_*.ts)
if [ ${#catalogues[@]} -eq 0 ]; then
    echo "$0: no glowdeck_*.ts in $folder" >&2
    exit 1
fi
cd "$checkout"
"$lupdate" -silent -locations none -no-obsolete -extensions cpp,h src -ts "${catalogues[@]}"
