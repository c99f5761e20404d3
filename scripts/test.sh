#!/usr/bin/env bash
# The whole test suite: static analysis, host tests (plain and under
# ASan/UBSan), a short fuzzing run, the Windows builds (x64 and x86), the
# Windows-side and end-to-end tests under Wine, the pictures of the first
# run, and the release: built twice to the same bytes, its executables
# inspected, and the unzipped Vorn.exe started.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

bash scripts/lint.sh

jobs=$(nproc)
for preset in host host-asan; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset"
done

bash scripts/fuzz.sh "${VORN_FUZZ_SECONDS:-30}"

for preset in mingw-x86 mingw-x64; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done

source scripts/wine-env.sh
trap vorn_wine_cleanup EXIT
echo "== mingw-x64 under Wine"
"${vorn_no_aslr[@]}" ctest --preset mingw-x64
vorn_wine_cleanup
trap - EXIT

echo "== pictures of the first run"
bash scripts/screenshots.sh

echo "== the release"
bash scripts/release-check.sh
