#!/usr/bin/env bash
# Builds the Debian package from a built folder (cpack -G DEB), installs it
# with dpkg, uses the programs from the PATH as a user would and removes the
# package again, so that the machine is left as it was. Needs root.
#
#   tools/check_package.sh [BUILD_DIR]     (default: build)
#
# Checked: the package's file name; /opt/velloran holds exactly what
# `cmake --install` lays out; the desktop entry and the icon; velloran-report
# reports a sample backup with its English help texts from
# another folder; the viewer, started offscreen from another folder, runs in
# /opt/velloran until it is stopped after three seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
prefix=/opt/velloran

fail() { echo "check_package: $*" >&2; exit 1; }

if [ "$(id -u)" -ne 0 ]; then
  echo "check_package: skipped, dpkg -i needs root"
  exit 0
fi

# One check at a time on this machine: they install the same package.
exec 9>/run/lock/velloran-package-check.lock
flock 9

# dpkg with the given arguments, waiting up to five minutes while another
# dpkg or apt holds the package database.
dpkg_waiting() {
  local out=""
  for _ in $(seq 60); do
    if out=$(dpkg "$@" 2>&1); then
      echo "$out"
      return 0
    fi
    case $out in
      *lock*) sleep 5 ;;
      *) break ;;
    esac
  done
  echo "$out" >&2
  return 1
}

if dpkg-query -W -f='${Status}' velloran 2>/dev/null | grep -q 'ok installed'; then
  fail "a velloran package is installed on this machine already; remove it (dpkg -r velloran) first"
fi

work=$(mktemp -d)
remove() {
  dpkg_waiting -r velloran >/dev/null || true
  rm -rf "$work"
}
trap 'rm -rf "$work"' EXIT

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/velloran_${version}_amd64.deb"
rm -f "$deb"
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
[ -f "$deb" ] || fail "cpack made no $(basename "$deb")"
dpkg_waiting -i "$deb" >/dev/null
trap remove EXIT
echo "check_package: $(basename "$deb") installed"

# The runnable folder, file for file.
cmake --install "$build" --prefix "$work/folder" >/dev/null
diff <(cd "$work/folder" && find . | sort) <(cd "$prefix" && find . | sort) \
  || fail "$prefix differs from the folder that cmake --install lays out (< folder, > package)"

[ "$(command -v velloran)" = /usr/bin/velloran ] || fail "velloran is not /usr/bin/velloran on the PATH"
[ -f /usr/share/applications/velloran.desktop ] || fail "no desktop entry"
[ -f /usr/share/icons/hicolor/48x48/apps/velloran.png ] || fail "no icon"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate /usr/share/applications/velloran.desktop
fi

[ "$(command -v velloran-report)" = /usr/bin/velloran-report ] \
  || fail "velloran-report is not /usr/bin/velloran-report on the PATH"
(cd / && velloran-report --format csv --lang en "$prefix/samples/lum_spot") >"$work/report.csv" \
  || fail "velloran-report failed on the spot-welding sample"
grep -q 'Motion processing time over' "$work/report.csv" \
  || fail "the report of the spot-welding sample lacks the English message of E-0015"
echo "check_package: velloran-report reported $prefix/samples/lum_spot"

# The viewer, started from / as a desktop would: its launcher runs it in the
# runnable folder, and it keeps running until timeout stops it (124).
(cd / && exec env QT_QPA_PLATFORM=offscreen timeout 3 velloran >"$work/velloran.log" 2>&1) &
timer=$!
sleep 1.5
viewer=$(pgrep -P "$timer" || true)
[ -n "$viewer" ] || { cat "$work/velloran.log" >&2; fail "velloran ended at once"; }
[ "$(readlink "/proc/$viewer/exe")" = "$prefix/velloran" ] || fail "the launcher did not start $prefix/velloran"
[ "$(readlink "/proc/$viewer/cwd")" = "$prefix" ] || fail "velloran does not run in $prefix"
status=0
wait "$timer" || status=$?
[ "$status" -eq 124 ] || { cat "$work/velloran.log" >&2; fail "velloran ended with status $status before it was stopped"; }
echo "check_package: velloran ran offscreen in $prefix until it was stopped"

trap - EXIT
remove
[ ! -e /usr/bin/velloran ] && [ ! -e "$prefix" ] || fail "dpkg -r velloran left files behind"
echo "check_package: velloran removed"
