#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each for the
# given number of seconds (default 60) on its seed corpus: the sample
# backups, the shipped help files and the corpus committed in fuzz/corpus.
# A finding stops the run with a non-zero exit and leaves its input in
# build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
jobs=$(nproc 2>/dev/null || echo 2)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLORAN_FUZZ=ON
cmake --build build-fuzz -j "$jobs"

seed() {
  local target=$1; shift
  local dir=build-fuzz/corpus/$target
  mkdir -p "$dir"
  cp -n fuzz/corpus/"$target"/* "$dir"/ 2>/dev/null || true
  for f in "$@"; do cp -n "$f" "$dir/$(echo "$f" | tr '/' '_')"; done
}
seed fuzz_log samples/*/ROBOT.{ERR,STP,E01,S01}
seed fuzz_help resources/help/*/*.xml
seed fuzz_decoders $(ls samples/*/ROBOT.{MCH,C01,INF,CON,C00} 2>/dev/null)
seed fuzz_history $(ls samples/*/ROBOT.{OPR,TR0} 2>/dev/null)

mkdir -p build-fuzz/findings
status=0
for target in fuzz_log fuzz_help fuzz_decoders fuzz_history; do
  dict=fuzz/${target#fuzz_}.dict
  echo "== $target: ${seconds} s =="
  if ! ASAN_OPTIONS=detect_leaks=0 build-fuzz/$target build-fuzz/corpus/$target \
      -dict="$dict" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=4096 \
      -artifact_prefix=build-fuzz/findings/$target- -print_final_stats=1 2>build-fuzz/$target.log; then
    tail -n 40 build-fuzz/$target.log
    status=1
  fi
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb|cov:" build-fuzz/$target.log | tail -n 3
done
exit $status
