#!/usr/bin/env bash
# Prints the footprint and speed of Vorn, each figure beside a floor measured
# in the same run: the loader on the host, the real Vorn.exe under Wine, the
# size of Vorn.exe, and whether our own code allocates from the heap.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh >/dev/null
jobs=$(nproc)
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$jobs" --target load_bench >/dev/null
for preset in mingw-x64 mingw-x86; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs" --target Vorn >/dev/null
done
cmake --build --preset mingw-x64 -j "$jobs" --target wine_bench >/dev/null

echo "== Host: loading a 50-line settings file through the fake platform"
echo "   (ReadOnlyBaseline reads the same file through the fake and parses nothing)"
build/bench/bench/load_bench --benchmark_min_time=1

echo
echo "== Windows (Wine): the real Vorn.exe beside floors of our own"
source scripts/wine-env.sh
trap vorn_wine_cleanup EXIT
"${vorn_no_aslr[@]}" wine build/mingw-x64/bin/wine_bench.exe
# Each alert box is an X window of its own on Wine's X11 desktop; in a virtual
# desktop, as on Windows, it is a window inside the desktop's.
"${vorn_no_aslr[@]}" wine explorer /desktop=VornBench,1024x768 build/mingw-x64/bin/wine_bench.exe --weeks

echo
echo "== Vorn.exe"
for preset in mingw-x64 mingw-x86; do
    printf '%-10s %6d bytes (target for x64: at most 32768)\n' "$preset" "$(stat -c %s build/$preset/bin/Vorn.exe)"
done
# Our own objects, not MinGW's start-up code, must not ask for heap memory.
allocations=$(find build/mingw-x64 \( -path '*vorn_core.dir*' -o -path '*vorn_platform_win32.dir*' -o -path '*Vorn.dir*' \) \
    -name '*.obj' -exec x86_64-w64-mingw32-nm -u {} + |
    grep -E ' (malloc|calloc|realloc|_Znwy|_Znay|__imp_HeapAlloc|__imp_LocalAlloc|__imp_GlobalAlloc|__imp_VirtualAlloc)$' || true)
echo "heap allocation in our code: ${allocations:-none}"
