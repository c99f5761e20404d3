#!/usr/bin/env bash
# Builds the release in build/release: one zip per architecture,
# Vorn-VERSION-windows-x64.zip and -x86.zip, each holding Vorn.exe,
# vorn-check.exe, setting.vorn, the user guide in English (README.txt) and in
# Japanese (README-ja.txt, UTF-8 with a byte order mark), the licence (these
# three with CRLF line ends) and their SHA256SUMS at its top level, so
# Vorn.exe finds its settings when double-clicked; and SHA256SUMS of the zips
# beside them.
#
# The same source gives the same bytes wherever and whenever it is built: the
# executables carry no link time and no build folder, and the zips hold their
# entries in a fixed order with fixed modes and with SOURCE_DATE_EPOCH (by
# default the time of the last commit) as every entry's time.
set -euo pipefail
cd "$(dirname "$0")/.."

[ -n "${VORN_SKIP_DEPS:-}" ] || bash scripts/install-deps.sh >/dev/null
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) || {
        echo "package.sh: set SOURCE_DATE_EPOCH, or run it in a git checkout" >&2
        exit 1
    }
fi
export SOURCE_DATE_EPOCH
version=$(sed -n 's/^project(Vorn VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
release=build/release
rm -rf "$release"
mkdir -p "$release"
# The texts a Windows user opens end their lines in CRLF, whatever line ends
# the checkout has: Notepad before Windows 10 1809 shows a bare LF as no break.
crlf() { LC_ALL=C sed 's/\r*$/\r/' "$1" >"$2"; }

for arch in x64 x86; do
    preset="mingw-$arch"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)" --target Vorn vorn-check >/dev/null
    stage="$release/$arch"
    mkdir -p "$stage"
    cp "build/$preset/bin/Vorn.exe" "build/$preset/bin/vorn-check.exe" examples/setting.vorn "$stage/"
    crlf LICENSE "$stage/LICENSE"
    crlf docs/user-guide.txt "$stage/README.txt"
    crlf docs/user-guide-ja.txt "$stage/README-ja.txt"
    (cd "$stage" && LC_ALL=C sha256sum LICENSE README-ja.txt README.txt Vorn.exe setting.vorn vorn-check.exe >SHA256SUMS)
    chmod 0644 "$stage"/*
    touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
    zip="Vorn-$version-windows-$arch.zip"
    (cd "$stage" && LC_ALL=C ls | TZ=UTC zip -q -X -D "../$zip" -@)
    strip-nondeterminism --type zip --timestamp "$SOURCE_DATE_EPOCH" "$release/$zip"
done
(cd "$release" && sha256sum Vorn-"$version"-windows-*.zip >SHA256SUMS)
echo "release in $release:"
cat "$release/SHA256SUMS"
