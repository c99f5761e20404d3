#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Vorn.exe and runs it under Wine with
# the example settings in examples/ as its working directory.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset mingw-x64 >/dev/null
cmake --build --preset mingw-x64 -j "$(nproc)" --target Vorn

source scripts/wine-env.sh
trap vorn_wine_cleanup EXIT
echo "Vorn runs on display $DISPLAY; its QUIT hotkey (Ctrl+Alt+Q in the example) or its icon's menu ends it."
cd examples
wine ../build/mingw-x64/bin/Vorn.exe
echo "Vorn ended with exit code $?"
