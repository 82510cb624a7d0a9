#!/usr/bin/env bash
# Brings the catalogues in translations/ up to date with the texts they translate: the program's
# (translations/*.ts, from src/) and those of the desktop entry and the AppStream metadata
# (translations/data/*.po, from data/). New texts arrive unfinished (for a translator to fill in,
# with linguist or any PO editor), texts no longer used leave. Source line numbers are not kept,
# so that moving code changes no catalogue.
#
#   scripts/update-translations.sh          # updates translations/
#   scripts/update-translations.sh FOLDER   # updates FOLDER/*.ts and FOLDER/data/*.po instead
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

# The desktop entry and the AppStream metadata, through gettext.
template=$(mktemp)
trap 'rm -f "$template"' EXIT
xgettext --from-code=UTF-8 --no-location --no-wrap --omit-header -o "$template" \
    data/"$(basename data/*.desktop)" data/"$(basename data/*.metainfo.xml)"
for catalogue in "$folder"/data/*.po; do
    msgmerge --quiet --no-location --no-wrap --no-fuzzy-matching --update --backup=none \
        "$catalogue" "$template"
done
