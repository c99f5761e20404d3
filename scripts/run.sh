#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Vorn.exe and runs it under Wine with
# the example settings in examples/ as its working directory.
#
# Vorn's texts are Japanese, written for a Japanese Windows, so it runs in a
# Wine prefix of its own created and run under the locale ja_JP.UTF-8 (OEM
# code page 932), with a Japanese font installed. Another locale:
#   VORN_LOCALE=C.UTF-8 bash scripts/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset mingw-x64 >/dev/null
cmake --build --preset mingw-x64 -j "$(nproc)" --target Vorn

locale="${VORN_LOCALE:-ja_JP.UTF-8}"
export LANG="$locale" LC_ALL="$locale"
export VORN_WINEPREFIX="${VORN_WINEPREFIX:-$PWD/build/wineprefix-$locale}"
source scripts/wine-env.sh
trap vorn_wine_cleanup EXIT
echo "Vorn runs on display $DISPLAY under $locale; its QUIT hotkey (Ctrl+Alt+Q in the example) or its icon's menu ends it."
cd examples
"${vorn_no_aslr[@]}" wine ../build/mingw-x64/bin/Vorn.exe
echo "Vorn ended with exit code $?"
