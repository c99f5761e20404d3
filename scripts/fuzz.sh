#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for the given number of seconds
# (default 30). New inputs go to build/fuzz/corpus; the seeds in fuzz/corpus
# stay as they are. A longer run: bash scripts/fuzz.sh 3600
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target parse_line_fuzzer load_fuzzer

for target in parse_line load; do
    corpus="build/fuzz/corpus/$target"
    log="build/fuzz/$target.log"
    mkdir -p "$corpus"
    echo "== fuzzing $target for $seconds s"
    if ! "build/fuzz/fuzz/${target}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 \
        -artifact_prefix=build/fuzz/ "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzzing $target failed; the input is in build/fuzz/"
        exit 1
    fi
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$log"
done
