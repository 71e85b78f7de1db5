#!/usr/bin/env bash
# Brings assets/translations/*.ts up to date with the texts the program shows: builds and runs rna_texts, which
# lists every text with its window and control, and merges that list into each .ts with Qt's lupdate (new texts
# come in untranslated, texts no longer shown go). Translate the new entries (Qt Linguist, or by hand: each
# <message> gets its <translation>), then rebuild: the .qm files are compiled and embedded by the build.
# Usage: bash tools/update-translations.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-${BUILD_DIR:-$root/build}}
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || { echo "Qt 6's lupdate was not found: install qt6-l10n-tools" >&2; exit 1; }
cmake --build "$build_dir" --target rna_texts
mkdir -p "$build_dir/texts"
"$build_dir/tools/texts/rna_texts" "$build_dir/texts/ProgramTexts.cpp"
for ts in "$root"/assets/translations/*.ts; do
  language=$(basename "$ts" .ts)
  "$lupdate" -silent -locations none -no-obsolete -source-language ro -target-language "$language" \
    "$build_dir/texts/ProgramTexts.cpp" -ts "$ts"
done
