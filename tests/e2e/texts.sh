# SPDX-License-Identifier: GPL-3.0-or-later
# The texts the end-to-end run looks for, in the language it plays in: PLAYHAVEN_E2E_LANG=CODE
# (one of the catalogues) starts the program under LANG=<CODE>_<COUNTRY>.UTF-8, as a desktop in
# that language would; English by default. Sourced by run_e2e.sh.
e2e_lang=${PLAYHAVEN_E2E_LANG:-en}
catalogues="$here/../../translations"

# The text a window shows for its English source: `text CONTEXT SOURCE`.
text() {
    if [ "$e2e_lang" = en ]; then
        printf '%s' "$2"
        return
    fi
    python3 - "$catalogues/playhaven_$e2e_lang.ts" "$1" "$2" <<'PY'
import sys, xml.etree.ElementTree as ET
path, context, source = sys.argv[1:]
for c in ET.parse(path).getroot().iter('context'):
    if c.findtext('name') != context:
        continue
    for m in c.iter('message'):
        if m.findtext('source') == source:
            sys.stdout.write(m.findtext('translation'))
            sys.exit(0)
sys.exit(f'no {context} "{source}" in {path}')
PY
}

# The key that answers Yes in a message box: Alt and the accelerator of the toolkit's "&Yes".
yes_key() {
    if [ "$e2e_lang" = en ]; then
        echo alt+y
        return
    fi
    local qm="/usr/share/qt6/translations/qtbase_$e2e_lang.qm" yes lconvert
    lconvert=$(command -v lconvert || echo /usr/lib/qt6/bin/lconvert)
    yes=$("$lconvert" -i "$qm" -of ts -o - 2>/dev/null | python3 -c '
import sys, xml.etree.ElementTree as ET
for m in ET.parse(sys.stdin).getroot().iter("message"):
    if m.findtext("source") == "&Yes" and m.findtext("translation"):
        t = m.findtext("translation"); print(t[t.index("&") + 1].lower()); break')
    echo "alt+${yes:-y}"
}

# The desktop's locale for the language: de_DE.UTF-8, pt_BR.UTF-8, ...
e2e_locale() {
    case "$e2e_lang" in
    en) echo C.UTF-8 ;;
    *_*) echo "$e2e_lang.UTF-8" ;;
    *) echo "${e2e_lang}_${e2e_lang^^}.UTF-8" ;;
    esac
}
