#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings the catalogues in translations/ up to date with the sources: new texts go in as
# unfinished, texts the sources no longer have go out, finished translations stay. Then lists
# every text still without a finished translation, per catalogue, with its context; the build's
# test translations_*_complete fails until there is none.
#   scripts/update-translations.sh [BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || { echo "lupdate is missing: run scripts/install-deps.sh" >&2; exit 1; }

# The build lists which sources belong to which catalogue.
cmake -S . -B "$build" >/dev/null
# The options of the completeness check (cmake/Translations.cmake), so that both agree.
options=(-source-language cs_CZ -locations none -no-obsolete -no-ui-lines -I "$PWD")
for sources in "$build"/translations/*.sources; do
  catalogue=$(basename "$sources" .sources)
  for ts in translations/"${catalogue}"_*.ts; do
    "$lupdate" "${options[@]}" "@$sources" -ts "$ts" 2>&1 | sed -n 's/^ *Found/  Found/p' |
      sed "s|^|$ts:|"
  done
done

# What is left to translate: the check names each text with its context.
if (cd "$build" && ctest -R '^translations_' --output-on-failure >/tmp/update-translations.$$ 2>&1); then
  echo "Every text is translated."
else
  grep -E '^ +[^ ].*: |unfinished, ' /tmp/update-translations.$$ | sed 's/^[0-9]*: //'
  echo "Translate these in translations/*.ts (Qt Linguist, or an editor: fill <translation>,"
  echo "remove type=\"unfinished\"), then run this script again."
fi
rm -f /tmp/update-translations.$$
