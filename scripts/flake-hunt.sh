#!/usr/bin/env bash
# Hunts for tests that fail now and then: runs the Windows-side and
# end-to-end stage (the CTest preset mingw-x64 under Wine) N times in a row,
# default 20, while a CPU-bound process keeps one of the two cores busy the
# whole time (--idle leaves the machine alone). Prints which runs failed,
# keeps each failed run's output in build/flake-hunt/run-K.log, and ends with
# the count of green runs; its exit status is 1 when any run failed.
#
#   bash scripts/flake-hunt.sh [--idle] [N]
set -euo pipefail
cd "$(dirname "$0")/.."

load=1
runs=20
for argument in "$@"; do
    case "$argument" in
    --idle) load= ;;
    *) runs=$argument ;;
    esac
done

bash scripts/install-deps.sh >/dev/null
cmake --preset mingw-x64 >/dev/null
cmake --build --preset mingw-x64 -j "$(nproc)" >/dev/null
logs=build/flake-hunt
rm -rf "$logs"
mkdir -p "$logs"

source scripts/wine-env.sh
load_pid=
finish() {
    [ -n "$load_pid" ] && kill "$load_pid" 2>/dev/null
    vorn_wine_cleanup
}
trap finish EXIT
if [ -n "$load" ]; then
    yes >/dev/null &
    load_pid=$!
fi

green=0
for run in $(seq "$runs"); do
    start=$SECONDS
    if "${vorn_no_aslr[@]}" ctest --preset mingw-x64 --output-on-failure >"$logs/run-$run.log" 2>&1; then
        green=$((green + 1))
        rm "$logs/run-$run.log"
        echo "run $run: green ($((SECONDS - start)) s)"
    else
        echo "run $run: RED ($((SECONDS - start)) s), $logs/run-$run.log:"
        grep -E '^\[  FAILED  \]|Failure$|^tests/' "$logs/run-$run.log" | sort -u | sed 's/^/    /'
    fi
done
echo "flake hunt: $green of $runs runs green${load:+ with one core kept busy}"
[ "$green" -eq "$runs" ]
