#!/usr/bin/env bash
# Fails when a text the program shows has no finished translation in a checked-in translation file, or
# the file keeps texts the sources no longer have: lupdate brings a copy of the file up to date with the
# sources, as the target update_translations would, and the copy must then hold every text translated.
#
#   check-complete.sh <lupdate> <source folder> <file.ts> [lupdate options...]
set -euo pipefail
lupdate=$1 sources=$2 ts=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/check.ts"
(cd "$sources" && "$lupdate" -silent -I . "$@" core platform ui app -ts "$work/check.ts")

# A translation left to do is marked unfinished; a text gone from the sources vanished or obsolete; an
# empty translation would show nothing.
pattern='type="(unfinished|vanished|obsolete)"|<translation></translation>|<translation/>'
if grep -q -E "$pattern" "$work/check.ts"; then
  echo "$(basename "$ts") is not complete for the sources; the texts without a finished translation:"
  grep -B3 -E "$pattern" "$work/check.ts" | grep '<source>' || true
  echo "Update it with: cmake --build <build folder> --target update_translations, and translate them."
  exit 1
fi
echo "$(basename "$ts"): $(grep -c '<message' "$work/check.ts") texts, every one translated"
