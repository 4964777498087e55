#!/usr/bin/env bash
# Builds Velloran twice and runs the whole test suite in each build: a plain
# optimised build (build/) and one with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/), so that a read past the end of a
# record fails. Between them each fuzz target runs for a minute
# (VELLORAN_FUZZ_SECONDS), where a finding fails the check. After the plain
# build its Debian package is installed, tried and removed (as root). Ends
# with the ratio of test lines to the other C++ lines.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

echo "== sanitizer build (build-asan) =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELLORAN_SANITIZE=ON -DVELLORAN_BENCH=OFF -DVELLORAN_WERROR=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== fuzz targets, ${VELLORAN_FUZZ_SECONDS:-60} s each (build-fuzz) =="
fuzz/run.sh "${VELLORAN_FUZZ_SECONDS:-60}"

echo "== release build (build) =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLORAN_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Debian package: built, installed, run and removed =="
tools/check_package.sh build

# The size of the test suite against the rest of the C++ (kept between 25% and 33%).
count_lines() { git ls-files -z "$@" | xargs -0 cat | grep -cv '^[[:space:]]*$' || true; }
all=$(count_lines '*.cpp' '*.h' '*.hpp' '*.cc')
tests=$(count_lines 'tests/*.cpp' 'tests/*.h' 'tests/*.hpp' 'tests/*.cc')
other=$((all - tests))
awk -v t="$tests" -v o="$other" 'BEGIN { printf "test lines: %d, other C++ lines: %d, ratio %.1f%%\n", t, o, 100 * t / o }'
