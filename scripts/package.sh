#!/usr/bin/env bash
# Builds the release archive build/mingw-x64/Vorn-0.0.2.2-windows.zip: Vorn.exe
# for x64 and x86, vorn-check.exe, the example settings, README and licence.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
jobs=$(nproc)
cmake --preset mingw-x86 >/dev/null
cmake --build --preset mingw-x86 -j "$jobs" --target Vorn
cmake --preset mingw-x64 -DVORN_X86_EXE="$PWD/build/mingw-x86/bin/Vorn.exe" >/dev/null
cmake --build --preset mingw-x64 -j "$jobs" --target Vorn vorn-check
(cd build/mingw-x64 && cpack -C MinSizeRel)
