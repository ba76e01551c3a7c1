#!/bin/sh
# Runs one fuzz target for a while over a scratch copy of its committed seeds, so the inputs it
# finds never land in the repository. A crash is kept in <scratch>-crashes/.
# Usage: run-one.sh <fuzz executable> <seed folder> <scratch folder> [seconds, default 60]
set -eu
target=$1
seeds=$2
scratch=$3
seconds=${4:-60}
rm -rf "$scratch"
mkdir -p "$scratch" "$scratch-crashes"
cp "$seeds"/* "$scratch"/
echo "$(basename "$target"): ${seconds}s over a copy of $seeds"
exec "$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$scratch-crashes/" "$scratch"
