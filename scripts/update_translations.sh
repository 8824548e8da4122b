#!/usr/bin/env bash
# Brings the window's translations (translations/vt350-config_*.ts) up to date with the
# sources: new texts appear unfinished for the translator, texts gone from the sources go.
# Qt's lupdate finds the texts by Qt's own marks and by ours (config/ui_text.h).
#   scripts/update_translations.sh [TS-FILE...]   default: every language's file
#   scripts/update_translations.sh --check        fails when a file is not up to date with
#                                                 the sources or has unfinished entries
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
# lupdate's own messages only when it fails: it warns about every class it cannot place.
update() {
    local said
    said=$("$lupdate" -silent -locations none -no-obsolete \
        -tr-function-alias translate+=UiText,QT_TRANSLATE_NOOP+=UI_TEXT_NOOP,QT_TRANSLATE_NOOP3+=UI_TEXT_NOOP3 \
        src/config src/hid src/protocol src/ui -ts "$@" 2>&1) || { echo "$said"; exit 1; }
}
if [ "${1:-}" = --check ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp translations/vt350-config_*.ts "$work/"
    update "$work"/*.ts
    bad=0
    for ts in translations/vt350-config_*.ts; do
        copy=$work/$(basename "$ts")
        if ! cmp -s "$ts" "$copy"; then
            echo "$ts is not up to date with the sources (run scripts/update_translations.sh):"
            diff "$ts" "$copy" | head -20
            bad=1
        fi
        if grep -q 'type="unfinished"' "$copy"; then
            echo "$ts has unfinished entries:"
            grep -B2 'type="unfinished"' "$copy" | grep '<source>' | head -20
            bad=1
        fi
    done
    [ $bad -eq 0 ] && echo "translations: every language complete and up to date"
    exit $bad
fi
files=("$@")
[ ${#files[@]} -gt 0 ] || files=(translations/vt350-config_*.ts)
update "${files[@]}"
