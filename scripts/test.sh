#!/usr/bin/env bash
# The whole test suite: host tests (plain and under ASan/UBSan), the Windows
# builds (x64 and x86), and the Windows-side tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
for preset in host host-asan; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset"
done

for preset in mingw-x86 mingw-x64; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done

source scripts/wine-env.sh
trap vorn_wine_cleanup EXIT
echo "== mingw-x64 under Wine"
ctest --preset mingw-x64
