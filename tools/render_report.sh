#!/usr/bin/env bash
# Renders the HTML report of a sample backup into a picture with headless
# Chromium (Debian's `chromium` package), for the README. A developer tool,
# not part of the build or of CI:
#
#   tools/render_report.sh [BUILD_DIR] [SAMPLE] [OUTPUT.png]
#
# defaults: build, samples/lum_spot, docs/report/lum_spot.png. The page is
# shown at 1280 pixels wide; the picture is its top 1280 x 1800 pixels.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
sample=${2:-samples/lum_spot}
picture=${3:-docs/report/$(basename "$sample").png}
command -v chromium >/dev/null || { echo "chromium is missing: apt-get install -y chromium"; exit 1; }
[ -x "$build/velloran-report" ] || { echo "no $build/velloran-report: build it first"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/velloran-report" --lang en -o "$work/report.html" "$sample"
mkdir -p "$(dirname "$picture")"
chromium --headless=new --no-sandbox --disable-gpu --hide-scrollbars --force-device-scale-factor=1 \
  --user-data-dir="$work/profile" --window-size=1280,1800 \
  --screenshot="$PWD/$picture" "file://$work/report.html" 2>/dev/null
echo "$picture"
