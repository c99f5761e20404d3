#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the run need, and
# the Japanese locale Wine needs for code page 932 and Japanese file names.
set -euo pipefail

packages=(
    cmake make g++ googletest libgtest-dev libbenchmark-dev binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    clang libclang-rt-14-dev clang-tidy cppcheck shellcheck
    wine wine64 xvfb xauth locales fonts-ipafont-gothic x11-apps imagemagick xdotool
    fonts-wine zip unzip strip-nondeterminism
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    "${as_root[@]}" localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
