#!/usr/bin/env bash
# Brings the catalogues in translations/ up to date with the texts in src/:
# a new or changed text is added unfinished, one no longer used is dropped.
#   scripts/update-translations.sh          every catalogue
#   scripts/update-translations.sh pl       also starts translations/tarnwick_pl.ts
# Then translate the unfinished entries (Qt Linguist, or any editor) and
# build: the catalogue test names every entry still unfinished.
set -euo pipefail
cd "$(dirname "$0")/.."
bins=$(qtpaths6 --query QT_HOST_BINS 2>/dev/null || echo /usr/lib/qt6/bin)
catalogues=(translations/tarnwick_*.ts)
for language in "$@"; do
  catalogues+=("translations/tarnwick_$language.ts")
done
# No source locations: a line moving in a source file then changes nothing
# here, and catalogues merge as cleanly as the code does.
"$bins/lupdate" -no-obsolete -locations none src -ts "${catalogues[@]}"
