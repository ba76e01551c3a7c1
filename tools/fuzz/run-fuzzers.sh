#!/bin/sh
# Builds the fuzz targets (preset "fuzz", clang) and runs them one after another, each for the
# given number of seconds over a scratch copy of its seeds in tests/fuzz/<target>/. Inputs
# that break a target are kept in build-fuzz/corpus/<target>-crashes/.
# Usage: tools/fuzz/run-fuzzers.sh [seconds per target, default 60] [target ...]
set -eu
cd "$(dirname "$0")/../.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-info_block definition_file log_parser texture_list zip_entry_name}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
failed=""
for t in $targets; do
  tools/fuzz/run-one.sh "build-fuzz/tools/fuzz/fuzz_$t" "tests/fuzz/$t" "build-fuzz/corpus/$t" \
    "$seconds" || failed="$failed $t"
done
if [ -n "$failed" ]; then
  echo "Failed:$failed" >&2
  exit 1
fi
echo "All fuzz targets ran ${seconds}s without a fault."
