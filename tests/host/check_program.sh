#!/usr/bin/env bash
# Runs the built Linux vorn-check itself: the language it speaks (LC_ALL over
# LC_MESSAGES over LANG, --lang over all of them), its options, its exit
# status and what --fix writes. A row: the environment, the arguments, the
# exit status, and a text the output must hold; rows run in order. The
# second argument is a library whose rename(2) does its work and then fails.
set -uo pipefail
check=$1
rename_fails_after=$2
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
# For --add: lines ending in LF alone; a last line without its line end; a file Vorn reads no more of.
printf 'CA\tE\tALERT\nCA\tF\tQUIT\n' >"$folder/lf.vorn"
cp "$folder/lf.vorn" "$folder/lf.original"
printf 'CA\tE\tALERT\r\nCA\tF\tQUIT' >"$folder/open.vorn"
printf 'C\tE\tQUIT\r\n%.0s' $(seq 50) >"$folder/full.vorn"
cp "$folder/full.vorn" "$folder/full.original"

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
LANG=C.UTF-8                                      | --help                       | 0 | usage: vorn-check [--lang ja|en] [--code-page N] --add COMBINATION ACTION [TARGET [PARAMETERS]] [--file FILE]
LANG=C.UTF-8                                      | --add Ctrl+Alt+N EXEC a.exe --file lf.vorn    | 0 | lf.vorn: Ctrl+Alt+N added as line 3: CA<Tab>N<Tab>EXEC<Tab>a.exe
LANG=C.UTF-8                                      | --add Ctrl+Alt+N ALERT --file lf.vorn         | 1 | vorn-check: Ctrl+Alt+N was not added to lf.vorn: line 3 binds it already
LANG=ja_JP.UTF-8                                  | --file lf.vorn --add ctrl+alt+左方向キー QUIT  | 0 | lf.vorn: 「Ctrl+Alt+左方向キー」を 4 行目に追加しました: CA<タブ>LEFT<タブ>QUIT
LANG=C.UTF-8                                      | --file open.vorn --add Alt+Num5 ALERT         | 0 | open.vorn has mistakes that --fix corrects; they are corrected in the same write:
LANG=C.UTF-8                                      | --file new.vorn --add Ctrl+Shift+F5 ALERT     | 0 | new.vorn created, with Ctrl+Shift+F5 as line 1: CS<Tab>t<Tab>ALERT
LANG=C.UTF-8                                      | --file new.vorn --add Ctrl+Alt+Left QUIT      | 0 | To use it, start Vorn with the folder of new.vorn as its working folder
LANG=C.UTF-8                                      | --file full.vorn --add Ctrl+Alt+N ALERT       | 1 | it has 50 lines already, and Vorn reads only the first 50
LANG=C.UTF-8                                      | --file gone.vorn --add N ALERT                | 1 | add this line to gone.vorn yourself (<Tab> is a tab): <Tab>N<Tab>ALERT
LANG=C.UTF-8                                      | --file gone.vorn --add Ctrl+F12 ALERT         | 1 | no character that a settings line can hold stands for this key
LANG=C.UTF-8                                      | --file gone.vorn --add Ctrl+Alt+C EXEC C:\café.exe | 1 | "é" (U+00E9) cannot be written in code page 932
LANG=C.UTF-8                                      | --code-page 437 --file cafe.vorn --add Ctrl+Alt+C EXEC C:\café.exe | 0 | cafe.vorn created
LANG=C.UTF-8                                      | --file gone.vorn --add Ctrl+Alt+C EXEC a b c  | 2 | c is one more: put a target or parameters with spaces in quotes
LANG=C.UTF-8                                      | --file gone.vorn --add Ctrl+Alt+Enter ALERT   | 1 | no character that a settings line can hold stands for this key
LANG=C.UTF-8                                      | --file gone.vorn --add Hyper+N ALERT          | 2 | vorn-check: "Hyper" is not a modifier key
LANG=C.UTF-8                                      | new.vorn                                      | 1 | new.vorn: 2 lines: 2 bound, 0 rejected, 0 blank; 1 bound with warnings
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
expect '[ "$(cat "$folder/lf.vorn")" = "$(printf "CA\tE\tALERT\nCA\tF\tQUIT\nCA\tN\tEXEC\ta.exe\nCA\tLEFT\tQUIT")" ] &&
    cmp -s "$folder/lf.original" "$folder/lf.vorn.bak" && [ -e "$folder/lf.vorn.2.bak" ] && [ ! -e "$folder/lf.vorn.3.bak" ]' \
    "--add to a file of LF lines: $(od -c "$folder/lf.vorn")"
expect '[ "$(od -c <"$folder/open.vorn")" = "$(printf "CA\tE\tALERT\r\nCA\tF\tQUIT\r\nA\te\tALERT\r\n" | od -c)" ]' \
    "--add to a file without a final line end: $(od -c "$folder/open.vorn")"
expect '[ "$(od -c <"$folder/new.vorn")" = "$(printf "CS\tt\tALERT\r\nCA\tLEFT\tQUIT\r\n" | od -c)" ] && [ ! -e "$folder/new.vorn.2.bak" ]' \
    "--add to a missing file: $(od -c "$folder/new.vorn")"
expect '[ "$(od -c <"$folder/cafe.vorn")" = "$(printf "CA\tC\tEXEC\tC:\\\\caf\x82.exe\r\n" | od -c)" ]' \
    "--add in code page 437: $(od -c "$folder/cafe.vorn")"
expect 'cmp -s "$folder/full.original" "$folder/full.vorn" && [ ! -e "$folder/full.vorn.bak" ] && [ ! -e "$folder/gone.vorn" ]' \
    "a refused --add wrote"

# A folder nobody may write in; root may write anywhere, so nobody runs it.
mkdir "$folder/locked"
cp "$folder/fix.original" "$folder/locked/fix.vorn"
chmod 755 "$folder" && chmod 555 "$folder/locked"
as_nobody=()
[ "$(id -u)" -ne 0 ] || as_nobody=(setpriv --reuid=65534 --regid=65534 --clear-groups)
output=$(cd "$folder/locked" && LANG=C.UTF-8 "${as_nobody[@]}" "$check" --fix fix.vorn 2>&1)
expect '[ $? -eq 2 ] && grep -qF "fix.vorn is unchanged: " <<<"$output" && grep -qF "(the folder or the file is read-only" <<<"$output"' "a failed write: $output"
expect 'cmp -s "$folder/fix.original" "$folder/locked/fix.vorn" && [ "$(ls "$folder/locked")" = fix.vorn ]' "a failed write changed the folder"
chmod 755 "$folder/locked"

# Each case in a folder of its own, from the correctable file: runs --fix on
# NAME there with any preloaded library, leaving the status in $status and
# what was said in $output.
fix_in() {
    local name=$1 preload=${2:-}
    output=$(cd "$folder/$name" && LANG=C.UTF-8 LD_PRELOAD=$preload ASAN_OPTIONS=verify_asan_link_order=0 \
        "$check" --fix "$name.vorn" 2>&1)
    status=$?
}
fresh() {
    mkdir -p "$folder/$1" && cp "$folder/fix.original" "$folder/$1/$1.vorn"
}
# Whether NAME's folder holds the file alone, as it was.
untouched() {
    cmp -s "$folder/fix.original" "$folder/$1/$1.vorn" && [ "$(ls -A "$folder/$1")" = "$1.vorn" ]
}
corrected() {
    cmp -s "$folder/fix.vorn" "$1"
}

# More than is corrected is never written, cut or whole.
fresh large && head -c 300000 /dev/zero | tr '\0' '#' >>"$folder/large/large.vorn"
cp "$folder/large/large.vorn" "$folder/large.original"
fix_in large
expect 'grep -qF "larger than 262144 bytes" <<<"$output" && cmp -s "$folder/large.original" "$folder/large/large.vorn" &&
    [ "$(ls -A "$folder/large")" = large.vorn ]' "a file over the limit: $output"

# The mode is the file's own, not that of a new file.
fresh mode && chmod 640 "$folder/mode/mode.vorn"
fix_in mode
expect '[ $status = 0 ] && corrected "$folder/mode/mode.vorn" && [ "$(stat -c %a "$folder/mode/mode.vorn")" = 640 ]' \
    "the mode was not kept: $(stat -c %a "$folder/mode/mode.vorn") $output"

# Run by root, as through sudo, the file keeps its owner.
if [ "$(id -u)" -eq 0 ]; then
    fresh owner && chown 65534:65534 "$folder/owner/owner.vorn"
    fix_in owner
    expect '[ $status = 0 ] && [ "$(stat -c %u:%g "$folder/owner/owner.vorn" "$folder/owner/owner.vorn.bak")" = "$(printf "65534:65534\n65534:65534")" ]' \
        "the owner was not kept: $output"
    # Where the owner cannot be kept, nothing is written.
    fresh others && chmod 777 "$folder/others" && chmod 666 "$folder/others/others.vorn"
    output=$(cd "$folder/others" && LANG=C.UTF-8 "${as_nobody[@]}" "$check" --fix others.vorn 2>&1)
    expect '[ $? = 2 ] && grep -qF "could not be given the owner of the file" <<<"$output" && untouched others' \
        "a file of another owner: $output"
fi

# A write cut short by the file size limit: the original stays, alone.
fresh cut && printf '; a comment line of some length\r\n%.0s' $(seq 400) >>"$folder/cut/cut.vorn"
cp "$folder/cut/cut.vorn" "$folder/cut.original"
output=$(cd "$folder/cut" && ulimit -f 4 && LANG=C.UTF-8 "$check" --fix cut.vorn 2>&1)
expect '[ $? = 2 ] && cmp -s "$folder/cut.original" "$folder/cut/cut.vorn" && [ "$(ls -A "$folder/cut")" = cut.vorn ]' \
    "a cut write: $output"

# A rename that happened although it reported a failure: a success, the backup kept.
fresh renamed
fix_in renamed "$rename_fails_after"
expect '[ $status = 0 ] && grep -qF "the original is kept as renamed.vorn.bak" <<<"$output" &&
    cmp -s "$folder/fix.original" "$folder/renamed/renamed.vorn.bak" && corrected "$folder/renamed/renamed.vorn"' \
    "a rename that reported a failure after it happened: $output"

# A symbolic link is followed: the file it points to is corrected in its own folder.
fresh link && mkdir "$folder/link/real" && mv "$folder/link/link.vorn" "$folder/link/real/target.vorn" &&
    ln -s real/target.vorn "$folder/link/link.vorn"
fix_in link
expect '[ $status = 0 ] && [ -L "$folder/link/link.vorn" ] && corrected "$folder/link/real/target.vorn" &&
    cmp -s "$folder/fix.original" "$folder/link/real/target.vorn.bak" &&
    grep -qF "link.vorn is a symbolic link: the file it points to, $folder/link/real/target.vorn, was corrected" <<<"$output"' \
    "a symbolic link: $output"

# A file with another name, which would keep the old text, is refused; so is a read-only one.
fresh hard && ln "$folder/hard/hard.vorn" "$folder/hard.other"
fix_in hard
expect '[ $status = 2 ] && grep -qF "other names (hard links)" <<<"$output" && untouched hard && cmp -s "$folder/fix.original" "$folder/hard.other"' \
    "a hard link: $output"
fresh readonly && chmod 444 "$folder/readonly/readonly.vorn"
fix_in readonly
expect '[ $status = 2 ] && grep -qF "(the file is read-only)" <<<"$output" && untouched readonly' "a read-only file: $output"

# A temporary file of a run that never finished is named, never deleted.
fresh leftover && echo "corrected once" >"$folder/leftover/leftover.vorn.vorn-check-Ab3xYz"
fix_in leftover
expect '[ $status = 0 ] && grep -qF "leftover.vorn.vorn-check-Ab3xYz was left by a vorn-check that did not finish; it can be deleted" <<<"$output" &&
    [ "$(cat "$folder/leftover/leftover.vorn.vorn-check-Ab3xYz")" = "corrected once" ]' "a leftover: $output"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
