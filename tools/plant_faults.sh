#!/usr/bin/env bash
# Plants realistic faults in the product code one at a time, runs the whole
# test suite against each and reports which tests catch it. Every fault is
# one Perl substitution on one file; the file is restored after each run, also
# when the run is interrupted. Nothing is committed.
#
#   tools/plant_faults.sh [BUILD_DIR] [FAULT_ID...]
#
# BUILD_DIR defaults to build/ (configured already). Without fault ids all
# faults run. A fault whose text no longer matches the code is reported as
# "does not apply": update its substitution when the code moves.
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0

# id | file | what the fault is | perl substitution (run with -0pi)
faults=(
  "F01|log/codestatistics.cpp|statistics read the parameters from the wrong column|s/table\.cell\(firstRows\.at\(i\), ColAxisNo, axis\)/table.cell(firstRows.at(i), ColMessage, axis)/"
  "F02|log/recordtable.cpp|arrow keys: Up and Down swapped|s/key == Qt::Key_Up \? -1 : 1/key == Qt::Key_Up ? 1 : -1/"
  "F03|log/logtable.cpp|rows of the previous log not dropped (heights survive)|s/\n *m_table->setRowCount\(0\);//"
  "F04|app/translation.cpp|notices translated for English instead of Chinese|s/m_language == vlog::Chinese/m_language == vlog::English/"
  "F05|log/logparser.h|header without position item defaults to position line 0|s/int positionStart = -1;/int positionStart = 0;/"
  "F06|log/logparser.cpp|time taken from the third blank-separated field|s/row\.set\(ColTime, cell\(ColTime, parts\.at\(1\)\)\)/row.set(ColTime, cell(ColTime, parts.at(2)))/"
  "F07|details/iosnapshot.cpp|unchecked general I/O box gets a wrong style sheet|s/kUnchecked = QStringLiteral\(\"color : grey\"\)/kUnchecked = QStringLiteral(\"color: grey\")/"
  "F08|log/logparser.cpp|arc notice comes after the eight-axes notice|s/bool arcNoticeShown = false;/bool arcNoticeShown = false; bool pendingArc = false;/; s/m_sink\.notice\(Notice::Arc\);/st.pendingArc = true;/; s/(\n *)row\.set\(ColNo, simplified/\$1if (st.pendingArc) { st.pendingArc = false; m_sink.notice(Notice::Arc); }\$1row.set(ColNo, simplified/"
  "F09|log/statistics.cpp|statistics sorted ascending|s/sortItems\(StatCount, Qt::DescendingOrder\)/sortItems(StatCount, Qt::AscendingOrder)/"
  "F10|details/signalbytes.cpp|MC1 and MC2 system inputs swapped|s/\{\"mc2\", 2, 1,/{\"mc2\", 2, 3,/; s/\{\"mc1\", 2, 3,/{\"mc1\", 2, 1,/"
  "F11|details/messagecodes.cpp|Error Code box uses the second parameter under Kav too|s/family == Family::Lum && parameters\.size\(\) >= 2/parameters.size() >= 2/"
  "F12|log/logopen.cpp|indicators cleared under Kav instead of Lum/Luma|s/if \(family\(\) == vlog::Family::Lum\) \{/if (family() == vlog::Family::Kav) {/"
  "F13|search/finddialog.cpp|closing the find dialog leaves its result list shown|s/\n *ui\.listWidget->hide\(\);\n *QDialog::closeEvent/\n    QDialog::closeEvent/"
  "F14|app/formtables.cpp|record table header DI4 reads DI3|s/\"VelloranClass\", \"DI4\"\), 160/\"VelloranClass\", \"DI3\"), 160/"
  "F15|details/messagecodes.cpp|message template: second parameter replaced by the first|s/tmpl\.replace\(at, 2, p2\)/tmpl.replace(at, 2, p1)/"
  "F16|details/helpdatabase.cpp|special code 1494 gets nine remedy items instead of ten|s/\{1494, 9, 10\}/{1494, 9, 9}/"
)

cmake "$build" >/dev/null && tests=$(ninja -C "$build" -t targets all 2>/dev/null | grep -o '^tst_[a-z_]*' | sort -u | tr '\n' ' ')
[ -n "$tests" ] || { echo "no tests in $build (configure it first)"; exit 1; }
cmake --build "$build" >/dev/null || { echo "the clean tree does not build"; exit 1; }
ctest --test-dir "$build" -j2 >/dev/null || { echo "the clean tree does not pass its tests"; exit 1; }

backup=$(mktemp -d)
trap 'if [ -n "${current:-}" ]; then cp "$backup/file" "$current"; fi; rm -rf "$backup"' EXIT

for fault in "${faults[@]}"; do
  IFS='|' read -r id file what subst <<<"$fault"
  if [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -qx "$id"; then continue; fi
  cp "$file" "$backup/file"
  current=$file
  perl -0pi -e "$subst" "$file"
  if cmp -s "$file" "$backup/file"; then
    result="does not apply"
  elif ! cmake --build "$build" --target $tests >/dev/null 2>&1; then
    result="build fails"
  else
    out=$(ctest --test-dir "$build" -j2 2>&1)
    failed=$(printf '%s\n' "$out" | sed -n 's/^[[:space:]]*[0-9]* - \(tst_[a-z_]*\) .*/\1/p' | sort | tr '\n' ' ')
    result=${failed:-NOT CAUGHT}
  fi
  cp "$backup/file" "$file"
  current=
  printf '%s | %-22s | %-58s | %s\n' "$id" "$file" "$what" "$result"
done
# Leave the build matching the clean tree.
cmake --build "$build" --target $tests >/dev/null
