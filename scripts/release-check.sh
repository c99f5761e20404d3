#!/usr/bin/env bash
# Checks the release as a user or a verifier meets it:
# 1. two builds of the same source, in two scratch folders at two times, give
#    identical bytes (any file that differs is named);
# 2. each zip holds exactly its files, at its top level, all listed in its
#    SHA256SUMS; the guides and the licence with CRLF line ends, the Japanese
#    guide in UTF-8 with a byte order mark; the example in Shift-JIS, which
#    Notepad keeps as ANSI; the executables: subsystems, imported DLLs, one
#    asInvoker manifest, the version, and the size of the x64 Vorn.exe;
# 3. the x64 zip, unzipped, starts Vorn.exe from its own folder under Wine,
#    without the start-up error, holding the example's hotkeys.
set -euo pipefail
cd "$(dirname "$0")/.."

export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}"
version=$(sed -n 's/^project(Vorn VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
scratch=$(mktemp -d /tmp/vorn-release.XXXXXX)
vorn_pid=
finish() {
    [ -n "$vorn_pid" ] && kill "$vorn_pid" 2>/dev/null
    declare -F vorn_wine_cleanup >/dev/null && vorn_wine_cleanup
    rm -rf "$scratch"
}
trap finish EXIT
fail() {
    echo "release check: $*" >&2
    exit 1
}

echo "== the release, built twice"
# Folders of different depths and names, so no path can hide in the bytes.
builds=("$scratch/a" "$scratch/second/build folder")
for build in "${builds[@]}"; do
    mkdir -p "$build"
    tar --exclude=./build --exclude=./.git -cf - . | tar -xf - -C "$build"
    (cd "$build" && VORN_SKIP_DEPS=1 bash scripts/package.sh >/dev/null)
    (cd "$build/build/release" && find . -type f | LC_ALL=C sort | xargs -d '\n' sha256sum) >"$build.sums"
    sleep 1
done
if ! diff -q "${builds[0]}.sums" "${builds[1]}.sums" >/dev/null; then
    diff "${builds[0]}.sums" "${builds[1]}.sums" | sed -n 's/^< [0-9a-f]*  \.\//differs between the two builds: /p' >&2
    fail "the release is not reproducible"
fi
echo "identical: $(wc -l <"${builds[0]}.sums") files"
release="${builds[0]}/build/release"

echo "== the executables"
# DLLs that every supported Windows has.
allowed="kernel32.dll user32.dll gdi32.dll shell32.dll ole32.dll advapi32.dll msvcrt.dll"
check_exe() {  # file, subsystem, binutils prefix
    local dump dll resources field
    dump=$("$3-objdump" -p "$1")
    grep -q "^Subsystem.*($2)" <<<"$dump" || fail "$1 is not a $2 program"
    grep -q '^Time/Date.*Thu Jan  1 00:00:00 1970' <<<"$dump" || fail "$1 carries a link time"
    for dll in $(sed -n 's/^\tDLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z'); do
        [[ " $allowed " == *" $dll "* ]] || fail "$1 imports $dll, which not every Windows has"
    done
    resources=$("$3-windres" -i "$1" -O rc 2>/dev/null) || fail "$1 has no resources: no manifest, no version"
    [ "$(grep -c 'RT_MANIFEST' <<<"$resources")" -eq 1 ] || fail "$1 has not exactly one manifest"
    grep -q 'requestedExecutionLevel level=""asInvoker""' <<<"$resources" || fail "$1: its manifest asks for no asInvoker level"
    grep -q "FILEVERSION ${version//./, }\$" <<<"$resources" || fail "$1: the version resource is not $version"
    for field in FileVersion ProductVersion; do
        grep -q "VALUE \"$field\", \"$version\"" <<<"$resources" || fail "$1: $field is not $version"
    done
    grep -q "VALUE \"OriginalFilename\", \"${1##*/}\"" <<<"$resources" || fail "$1: OriginalFilename is not ${1##*/}"
}
# Every line ends in CR LF, and no CR stands anywhere else.
crlf_only() {
    [ "$(tail -c 1 "$1" | od -An -tx1 | tr -d ' ')" = 0a ] && ! LC_ALL=C grep -qv $'\r$' "$1" &&
        [ "$(tr -cd '\r' <"$1" | wc -c)" -eq "$(tr -cd '\n' <"$1" | wc -c)" ]
}
# Every file at the top of each zip, so a double-clicked Vorn.exe finds its settings.
contents="LICENSE README-ja.txt README.txt SHA256SUMS Vorn.exe setting.vorn vorn-check.exe"
for arch in x64 x86; do
    prefix=$([ "$arch" = x64 ] && echo x86_64-w64-mingw32 || echo i686-w64-mingw32)
    zip="$release/Vorn-$version-windows-$arch.zip"
    entries=$(unzip -Z1 "$zip")
    for file in $contents; do
        grep -qxF "$file" <<<"$entries" || fail "$arch zip: $file is missing from its top level"
    done
    while read -r entry; do
        [[ " $contents " == *" $entry "* ]] || fail "$arch zip: $entry does not belong there (only $contents, at the top)"
    done <<<"$entries"
    unzip -q "$zip" -d "$scratch/$arch"
    (cd "$scratch/$arch" && sha256sum --quiet -c SHA256SUMS) || fail "$arch: SHA256SUMS does not match the files"
    [ "$(sed 's/^[0-9a-f]*  //' "$scratch/$arch/SHA256SUMS" | LC_ALL=C sort | tr '\n' ' ')" = "${contents/ SHA256SUMS/} " ] ||
        fail "$arch: SHA256SUMS does not list exactly the other files"
    # Notepad on any Windows reads the Japanese guide right only as UTF-8 with a byte order mark.
    [ "$(head -c 3 "$scratch/$arch/README-ja.txt" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
        fail "$arch: README-ja.txt has no UTF-8 byte order mark"
    iconv -f UTF-8 -t UTF-8 "$scratch/$arch/README-ja.txt" >/dev/null 2>&1 || fail "$arch: README-ja.txt is not valid UTF-8"
    for text in README.txt README-ja.txt LICENSE; do
        crlf_only "$scratch/$arch/$text" || fail "$arch: $text has a line end other than CRLF"
    done
    # Notepad opens a file that is valid UTF-8 as UTF-8, and would save it so
    # after a Japanese path is typed in: the example's first lines are not.
    example="$scratch/$arch/setting.vorn"
    head -n 2 "$example" | iconv -f UTF-8 -t UTF-8 >/dev/null 2>&1 && fail "$arch: setting.vorn's first lines are valid UTF-8"
    decoded=$(iconv -f CP932 -t UTF-8 "$example") && grep -q 'メモ' <<<"$decoded" ||
        fail "$arch: setting.vorn does not decode as Shift-JIS (CP932)"
    check_exe "$scratch/$arch/Vorn.exe" "Windows GUI" "$prefix"
    check_exe "$scratch/$arch/vorn-check.exe" "Windows CUI" "$prefix"
done
size=$(stat -c %s "$scratch/x64/Vorn.exe")
[ "$size" -le 24576 ] || fail "the x64 Vorn.exe has $size bytes, more than 24 KiB"
echo "line ends, the example's encoding, subsystems, imports, manifests and versions as they should be; x64 Vorn.exe: $size bytes"

echo "== the x64 zip, started from its own folder"
source scripts/wine-env.sh
cd "$scratch/x64"
"${vorn_no_aslr[@]}" wine Vorn.exe </dev/null >/dev/null 2>&1 &
vorn_pid=$!
# vorn-check from the same zip sees every line held while Vorn runs; after a
# start-up error Vorn would hold none. It reads a copy: Vorn opens its file
# shared with nobody, and would fail to start while the check has it open.
cp setting.vorn copy.vorn
# vorn-check asks whether a combination is held by registering it for a moment,
# which in the moment Vorn registers the same one would take it from Vorn. So
# it runs once Vorn holds them all, which Vorn marks by loading ole32 for COM.
for _ in $(seq 100); do
    grep -qi ole32 "/proc/$vorn_pid/maps" 2>/dev/null && break
    kill -0 "$vorn_pid" 2>/dev/null || fail "Vorn.exe ended at once"
    sleep 0.1
done
held=0
for _ in $(seq 50); do
    held=$("${vorn_no_aslr[@]}" wine vorn-check.exe --lang en copy.vorn 2>/dev/null | grep -c 'is held, and Vorn is running' || true)
    [ "$held" -eq 6 ] && break
    kill -0 "$vorn_pid" 2>/dev/null || fail "Vorn.exe ended at once"
    sleep 0.2
done
[ "$held" -eq 6 ] || fail "Vorn.exe holds $held of the example's 6 hotkeys"
kill -0 "$vorn_pid" 2>/dev/null || fail "Vorn.exe did not stay running"
echo "Vorn.exe runs from the unzipped folder and holds the example's 6 hotkeys"
