#!/usr/bin/env bash
# Checks the catalogues against the code:
# - lupdate, run into a copy, finds no text the committed catalogues lack, and no
#   catalogue keeps an obsolete entry (run scripts/translations-update.sh to fix);
# - with --require-finished, no entry is left unfinished;
# - no text is handed to a widget as a bare string literal, out of lupdate's sight
#   (a line that must pass a literal as it is ends with "// notr").
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/translations-common.sh
require_finished=0
[ "${1:-}" = "--require-finished" ] && require_finished=1
failed=0

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp translations/orvane_*.ts "$work"/
orvane_lupdate "$work" >"$work/lupdate.log" 2>&1 || { cat "$work/lupdate.log"; exit 1; }
if grep -q 'Cannot invoke tr\|warning' "$work/lupdate.log"; then
    echo "lupdate warns:"
    grep -i 'warning\|Cannot invoke' "$work/lupdate.log"
    failed=1
fi
for lang in en "${ORVANE_TS_LANGUAGES[@]}"; do
    committed=translations/orvane_$lang.ts
    updated=$work/orvane_$lang.ts
    new=$(diff <(grep -o '<source>.*' "$committed" | sort -u) <(grep -o '<source>.*' "$updated" | sort -u) |
        grep '^>' || true)
    if [ -n "$new" ]; then
        echo "$committed lacks texts of the code (run scripts/translations-update.sh):"
        echo "$new"
        failed=1
    fi
    if grep -q 'type="obsolete"\|type="vanished"' "$updated"; then
        echo "$committed has entries no longer in the code (run scripts/translations-update.sh):"
        grep -B2 'type="obsolete"\|type="vanished"' "$updated" | grep -o '<source>.*' || true
        failed=1
    fi
    if [ $require_finished -eq 1 ] && grep -q 'type="unfinished"' "$committed"; then
        echo "$committed has $(grep -c 'type="unfinished"' "$committed") unfinished entries"
        failed=1
    fi
done

# Literals handed straight to texts the user sees.
calls='setText|setWindowTitle|setToolTip|setStatusTip|setWhatsThis|setPlaceholderText|setTitle|setTabText|addTab'
calls+='|addAction|addMenu|AddAction|setHeaderLabels|QLabel|QPushButton|QCheckBox|QRadioButton|QGroupBox|QAction'
calls+='|Tell|Ask|AskDefaultNo|Warn|information|warning|critical|question'
literal='(QStringLiteral\(|QLatin1String\(|QString::fromLatin1\(|QString::fromUtf8\(|QString\()?"[^"]*[A-Za-z]'
bare=$(grep -rnE "\b($calls)\(([^,()]*,\s*)?$literal" "${ORVANE_TS_SOURCES[@]}" --include='*.cpp' --include='*.h' |
    grep -vE '// notr|^[^:]+:[0-9]+:\s*//' || true)
if [ -n "$bare" ]; then
    echo "texts out of lupdate's sight (wrap them in tr() or QCoreApplication::translate):"
    echo "$bare"
    failed=1
fi

[ $failed -eq 0 ] && echo "translations: catalogues match the code"
exit $failed
