#!/usr/bin/env bash
# Runs the built Linux vorn-check itself: the language it speaks (LC_ALL over
# LC_MESSAGES over LANG, --lang over all of them), its options, its exit
# status and what --fix writes. A row: the environment, the arguments, the
# exit status, and a text the output must hold; rows run in order.
set -uo pipefail
check=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
# C:\テスト.exe in Shift-JIS, and C:\café.exe in code page 437.
printf 'CA\tE\tEXEC\tC:\\\x83\x65\x83\x58\x83\x67.exe\r\n' >"$folder/sjis.vorn"
printf 'CA\tE\tEXEC\tC:\\caf\x82.exe\r\n' >"$folder/oem437.vorn"
# A good line, then small letters for the modifiers.
printf 'CA\tE\tALERT\r\nca\tF\tALERT\r\n' >"$folder/fix.vorn"
cp "$folder/fix.vorn" "$folder/fix.original"
# The same with a backup of the user's own in the way.
cp "$folder/fix.vorn" "$folder/taken.vorn"
echo "the user's own" >"$folder/taken.vorn.bak"

passed=0
failed=0
while IFS='|' read -r environment arguments status text; do
    read -ra variables <<<"$environment"
    read -ra words <<<"$arguments"
    status=${status// /}
    text=$(sed 's/^ *//; s/ *$//' <<<"$text")
    output=$(cd "$folder" && env -u LC_ALL -u LC_MESSAGES -u LANG "${variables[@]}" "$check" "${words[@]}" 2>&1)
    actual=$?
    if [ "$actual" = "$status" ] && grep -qF -- "$text" <<<"$output"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAILED: %s vorn-check %s: status %s (expected %s), expected "%s" in:\n%s\n' \
            "$environment" "$arguments" "$actual" "$status" "$text" "$output"
    fi
done <<'CASES'
LANG=ja_JP.UTF-8                                  | missing.vorn                 | 2 | missing.vorn を開けません
LANG=en_US.UTF-8 LC_MESSAGES=ja_JP.UTF-8          | missing.vorn                 | 2 | missing.vorn を開けません
LANG=ja_JP.UTF-8 LC_MESSAGES=C                    | missing.vorn                 | 2 | vorn-check: cannot open missing.vorn
LC_MESSAGES=ja_JP.UTF-8 LC_ALL=C.UTF-8            | missing.vorn                 | 2 | vorn-check: cannot open missing.vorn
LANG=C LC_ALL=ja_JP.UTF-8                         | missing.vorn                 | 2 | missing.vorn を開けません
LC_ALL=ja_JP.UTF-8                                | --lang en missing.vorn       | 2 | vorn-check: cannot open missing.vorn
LC_ALL=C.UTF-8                                    | --lang ja sjis.vorn          | 0 | コード ページ 932 で読み込みました
LANG=C.UTF-8                                      | --lang fr sjis.vorn          | 2 | vorn-check: not a language: fr (ja or en)
LANG=C.UTF-8                                      | sjis.vorn                    | 0 | EXEC  "C:\テスト.exe"
LANG=C.UTF-8                                      | sjis.vorn                    | 0 | read in code page 932 (assumed; --code-page N for another)
LANG=C.UTF-8                                      | --code-page 437 oem437.vorn  | 1 | EXEC  "C:\café.exe"
LANG=C.UTF-8                                      | --code-page 437 oem437.vorn  | 1 | Vorn reads code page 437, and ANSI (code page 1252)
LANG=C.UTF-8                                      | --code-page 43x sjis.vorn    | 2 | vorn-check: not a code page: 43x
LANG=C.UTF-8                                      | --help                       | 0 | usage: vorn-check [--fix] [--lang ja|en] [--code-page N] [FILE]
LANG=C.UTF-8                                      | --bogus sjis.vorn            | 2 | vorn-check: not understood: --bogus
LANG=C.UTF-8                                      | sjis.vorn oem437.vorn        | 2 | one file is checked at a time, and oem437.vorn is a second one
LANG=C.UTF-8                                      | sjis.vorn oem437.vorn        | 2 | usage: vorn-check [--fix] [--lang ja|en] [--code-page N] [FILE]
LANG=C.UTF-8                                      | fix.vorn                     | 1 | run vorn-check --fix fix.vorn
LANG=C.UTF-8                                      | --fix fix.vorn               | 0 | lines corrected: 1; the original is kept as fix.vorn.bak
LANG=C.UTF-8                                      | --fix fix.vorn               | 0 | fix.vorn: nothing to correct; the file is unchanged
LANG=C.UTF-8                                      | --fix taken.vorn             | 0 | the original is kept as taken.vorn.2.bak
CASES
expect() {
    if eval "$1"; then passed=$((passed + 1)); else failed=$((failed + 1)) && echo "FAILED: $2"; fi
}
expect 'cmp -s "$folder/fix.original" "$folder/fix.vorn.bak"' "the backup is not the original byte for byte"
expect '[ "$(cat "$folder/fix.vorn")" = "$(printf "CA\tE\tALERT\r\nCA\tF\tALERT\r")" ]' "the corrected file is not as expected"
expect '[ ! -e "$folder/fix.vorn.2.bak" ]' "the run with nothing to correct made a backup"
expect '[ "$(cat "$folder/taken.vorn.bak")" = "the user'"'"'s own" ] && cmp -s "$folder/fix.original" "$folder/taken.vorn.2.bak"' \
    "a backup in the way was overwritten"

# A folder nobody may write in; root may write anywhere, so nobody runs it.
mkdir "$folder/locked"
cp "$folder/fix.original" "$folder/locked/fix.vorn"
chmod 755 "$folder" && chmod 555 "$folder/locked"
as_nobody=()
[ "$(id -u)" -ne 0 ] || as_nobody=(setpriv --reuid=65534 --regid=65534 --clear-groups)
output=$(cd "$folder/locked" && LANG=C.UTF-8 "${as_nobody[@]}" "$check" --fix fix.vorn 2>&1)
expect '[ $? -eq 2 ] && grep -qF "fix.vorn is unchanged: the original could not be kept as a backup (the folder or the file is read-only" <<<"$output"' "a failed write: $output"
expect 'cmp -s "$folder/fix.original" "$folder/locked/fix.vorn" && [ "$(ls "$folder/locked")" = fix.vorn ]' "a failed write changed the folder"
chmod 755 "$folder/locked"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
