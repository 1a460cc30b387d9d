#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings every catalogue in translations/ up to date with the texts of src/, or starts the
# catalogues named on the command line: translations/update.sh [de fr ...]
# The window tables' texts are found where they are written: caption("Spin") in frmSpinzo is the
# text "Spin" of the context frmSpinzo, as the window layer looks it up; the texts of the rules
# carry PH_TRANSLATE_NOOP(context, text); texts said before the application exists go through
# earlyText(context, text).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
catalogues=()
for code in "$@"; do catalogues+=("translations/playhaven_$code.ts"); done
[ ${#catalogues[@]} -gt 0 ] || catalogues=(translations/playhaven_*.ts)
aliases=QT_TR_NOOP+=caption,QT_TR_NOOP+=menuItem,QT_TR_NOOP+=topMenu,QT_TR_NOOP+=accessibleName
aliases+=,QT_TR_NOOP+=slidingLabel,QT_TRANSLATE_NOOP+=PH_TRANSLATE_NOOP,translate+=earlyText
for ts in "${catalogues[@]}"; do
  code=$(basename "$ts" .ts); code=${code#playhaven_}
  "$lupdate" -silent -no-obsolete -locations none -source-language en -target-language "$code" \
    -tr-function-alias "$aliases" src -ts "$ts"
done
