#include "check/check_text.h"

#include <string.h>

// Long texts are split over lines, which looks to the lint like a lost comma.
// NOLINTBEGIN(bugprone-suspicious-missing-comma)
static const char *const ENGLISH[TEXT_COUNT] = {
    /* TEXT_HEADER */ " line  slot  id     binding",
    /* TEXT_BLANK */ "blank line",
    /* TEXT_TOO_LONG */ "rejected: the line has %d bytes; a line of more than %d is never read",
    /* TEXT_NO_TAB */ "rejected: no tab, so the whole line was read as modifiers",
    /* TEXT_EMPTY_KEY */ "rejected: the key field is empty",
    /* TEXT_KEY_TRAILING_SPACE */ "rejected: the key \"%s\" ends with a space",
    /* TEXT_UNKNOWN_KEY */ "rejected: unknown key \"%s\": one character, or %s (names are case-sensitive)",
    /* TEXT_EMPTY_ACTION */ "rejected: the action field is empty: use %s",
    /* TEXT_ACTION_TRAILING_SPACE */ "rejected: the action \"%s\" ends with a space",
    /* TEXT_UNKNOWN_ACTION */ "rejected: unknown action \"%s\": use %s (case-sensitive)",
    /* TEXT_PAST_LAST_SLOT */ "ignored: only the first %d lines are read",
    /* TEXT_LIST_SEPARATOR */ ", ",
    /* TEXT_LIST_LAST_SEPARATOR */ " or ",
    /* TEXT_WARNING */ "warning: ",
    /* TEXT_DUPLICATE */ "%s is already bound by line %d, which wins; this line never fires",
    /* TEXT_HELD_ELSEWHERE */ "another program holds %s; this line never fires",
    /* TEXT_HELD_VORN_RUNNING */
    "%s is held, and Vorn is running: it may be the holder (quit it to check for other programs)",
    /* TEXT_LONG_MODIFIERS */ "the modifier field is longer than 9 bytes",
    /* TEXT_OTHER_MODIFIER_BYTES */ "modifier bytes other than A, C, S and W are ignored",
    /* TEXT_NO_MODIFIER */ "no modifier: the key alone is taken in every program",
    /* TEXT_SMALL_LETTER_KEY */ "the small letter '%c' names the key %s, not the %c key",
    /* TEXT_CHARACTER_KEY */ "the character '%c' names the key %s",
    /* TEXT_CONTROL_BYTE_KEY */ "the control byte 0x%02X names the key %s",
    /* TEXT_PUNCTUATION */
    "if you meant the '%c' key: Vorn names keys by virtual-key code, so punctuation keys cannot be bound",
    /* TEXT_HIGH_BYTE_KEY */ "a key byte above 0x7F names no usable key",
    /* TEXT_NO_SUCH_KEY */ "no key sends the virtual-key code 0x%02X; this line never fires: choose another key",
    /* TEXT_RARE_KEY */ "common keyboards have no %s key; this line fires only on one that has it",
    /* TEXT_RESERVED */
    "Windows keeps %s for itself, not another program; this line never fires: choose another combination",
    /* TEXT_DEBUGGER_KEY */
    "F12 is reserved for the debugger: Windows advises against it as a hotkey, and it fails where a debugger"
    " is resident; choose another key",
    /* TEXT_TARGET_MISSING */
    "the shell finds no file, folder, program or registered address for this target; the hotkey will open nothing",
    /* TEXT_SAVED_UTF8_BOM */
    "the file is saved as UTF-8 with a byte order mark; Vorn reads code page %u, so the mark joins line 1's"
    " modifiers and text beyond ASCII arrives garbled: %s",
    /* TEXT_SAVED_UTF16 */
    "the file is saved as UTF-16 (Unicode); Vorn reads code page %u byte by byte and binds nothing as written: %s",
    /* TEXT_SAVED_UTF8 */
    "the file is saved as UTF-8; Vorn reads code page %u, so its text beyond ASCII arrives garbled and such"
    " launches fail: %s",
    /* TEXT_FIX_SHIFT_JIS */ "save it as Shift-JIS / ANSI",
    /* TEXT_FIX_ANSI */ "save it as ANSI (code page %u)",
    /* TEXT_TRAILING_BYTES */ "%d bytes after the last LF are no line and are ignored; end the line with an LF",
    /* TEXT_SUMMARY */ "%s: %d lines: %d bound, %d rejected, %d blank; %d bound with warnings",
    /* TEXT_CODE_PAGE */ "read in code page %u (%s)",
    /* TEXT_CODE_PAGE_SYSTEM */ "the system's OEM code page",
    /* TEXT_CODE_PAGE_ASSUMED */ "assumed; --code-page N for another",
    /* TEXT_CODE_PAGE_GIVEN */ "given with --code-page",
    /* TEXT_CANNOT_OPEN */ "vorn-check: cannot open %s",
    /* TEXT_NOT_A_CODE_PAGE */ "vorn-check: not a code page: %s",
    /* TEXT_NOT_A_LANGUAGE */ "vorn-check: not a language: %s (ja or en)",
    /* TEXT_USAGE */ "usage: %s",
    /* TEXT_HELP */
    "\nExplains what Vorn makes of each line of a settings file (default: setting.vorn\n"
    "in the working directory): the slot and hotkey identifier of every line, the\n"
    "binding it makes or why it is rejected, and what may surprise: a combination\n"
    "bound twice or kept by Windows, a key character that names another key or no\n"
    "key at all, text after the last LF, lines past the 50th, a file saved as UTF-8\n"
    "or UTF-16, and on Windows a combination another program already holds and a\n"
    "target the shell cannot find.\n"
    "\n"
    "It speaks Japanese where the user's language is Japanese (on Windows the\n"
    "display language, elsewhere LC_ALL, LC_MESSAGES or LANG) and English otherwise;\n"
    "--lang ja or --lang en chooses.",
    /* TEXT_HELP_CODE_PAGE */
    "\nVorn reads the file in Windows' OEM code page; here it cannot be asked, so\n"
    "932 (Japanese) is assumed unless --code-page gives another.",
    /* TEXT_HELP_EXIT */
    "\nExit status: 0 when every line that is not blank is bound and nothing is\n"
    "warned of, 1 when anything was reported, 2 when the file cannot be opened.",
    /* TEXT_PRESS_ENTER */ "\nPress Enter to close",
};

static const char *const JAPANESE[TEXT_COUNT] = {
    /* TEXT_HEADER */ "   行  枠    ID     割り当て",
    /* TEXT_BLANK */ "空行",
    /* TEXT_TOO_LONG */ "却下: この行は %d バイトです。%d バイトを超える行は読まれません",
    /* TEXT_NO_TAB */ "却下: タブがないため、行全体が修飾キーとして読まれました",
    /* TEXT_EMPTY_KEY */ "却下: キーの欄が空です",
    /* TEXT_KEY_TRAILING_SPACE */ "却下: キー \"%s\" の末尾に空白があります",
    /* TEXT_UNKNOWN_KEY */ "却下: 不明なキー \"%s\"。1 文字か、%s のどれかを書きます (大文字と小文字は区別されます)",
    /* TEXT_EMPTY_ACTION */ "却下: 動作の欄が空です。%s のどれかを書きます",
    /* TEXT_ACTION_TRAILING_SPACE */ "却下: 動作 \"%s\" の末尾に空白があります",
    /* TEXT_UNKNOWN_ACTION */ "却下: 不明な動作 \"%s\"。%s のどれかを書きます (大文字と小文字は区別されます)",
    /* TEXT_PAST_LAST_SLOT */ "無視: 読まれるのは最初の %d 行だけです",
    /* TEXT_LIST_SEPARATOR */ "、",
    /* TEXT_LIST_LAST_SEPARATOR */ "、",
    /* TEXT_WARNING */ "警告: ",
    /* TEXT_DUPLICATE */ "%s は %d 行目ですでに割り当てられ、そちらが優先されます。この行は働きません",
    /* TEXT_HELD_ELSEWHERE */ "%s は別のプログラムが使っています。この行は働きません",
    /* TEXT_HELD_VORN_RUNNING */
    "%s は使用中で、Vorn が起動しています。使っているのは Vorn 自身かもしれません"
    " (通知領域のアイコンから Vorn を終了すると、ほかのプログラムかどうか確かめられます)",
    /* TEXT_LONG_MODIFIERS */ "修飾キーの欄が 9 バイトを超えています",
    /* TEXT_OTHER_MODIFIER_BYTES */ "修飾キーの欄の A、C、S、W 以外の文字は無視されます",
    /* TEXT_NO_MODIFIER */ "修飾キーがありません。このキーはどのプログラムでも単独で横取りされます",
    /* TEXT_SMALL_LETTER_KEY */ "小文字の '%c' はキー %s を表します (%c キーではありません)",
    /* TEXT_CHARACTER_KEY */ "文字 '%c' はキー %s を表します",
    /* TEXT_CONTROL_BYTE_KEY */ "制御文字 0x%02X はキー %s を表します",
    /* TEXT_PUNCTUATION */
    "'%c' のキーのつもりなら: Vorn はキーを仮想キー コードで指定するため、記号のキーは割り当てられません",
    /* TEXT_HIGH_BYTE_KEY */ "0x7F を超えるバイトは、使えるキーを表しません",
    /* TEXT_NO_SUCH_KEY */ "仮想キー コード 0x%02X を送るキーはありません。この行は働きません。別のキーを選んでください",
    /* TEXT_RARE_KEY */ "一般的なキーボードには %s キーがありません。この行は、そのキーがあるキーボードでだけ働きます",
    /* TEXT_RESERVED */
    "%s は Windows 自身が使う組み合わせです (別のプログラムではありません)。この行は働きません。"
    "別の組み合わせを選んでください",
    /* TEXT_DEBUGGER_KEY */
    "F12 はデバッガー用に予約されています。Windows はホットキーに使わないよう勧めており、"
    "デバッガーが常駐していると登録できません。別のキーを選んでください",
    /* TEXT_TARGET_MISSING */
    "この対象に当たるファイル、フォルダー、プログラム、登録済みのアドレスがシェルに見つかりません。"
    "このホットキーでは何も開きません",
    /* TEXT_SAVED_UTF8_BOM */
    "ファイルは UTF-8 (BOM 付き) で保存されています。Vorn はコード ページ %u で読むため、BOM は 1 行目の"
    "修飾キーに混ざり、ASCII 以外の文字は化けます。%s",
    /* TEXT_SAVED_UTF16 */
    "ファイルは UTF-16 LE で保存されています。Vorn はコード ページ %u で 1 バイトずつ読むため、"
    "書かれたとおりには何も割り当てられません。%s",
    /* TEXT_SAVED_UTF8 */
    "ファイルは UTF-8 で保存されています。Vorn はコード ページ %u で読むため、ASCII 以外の文字は化け、"
    "その起動は失敗します。%s",
    /* TEXT_FIX_SHIFT_JIS */ "「ANSI」(Shift-JIS) で保存し直してください (メモ帳では「名前を付けて保存」で選べます)",
    /* TEXT_FIX_ANSI */ "「ANSI」(コード ページ %u) で保存し直してください",
    /* TEXT_TRAILING_BYTES */ "最後の LF の後の %d バイトは行にならず、無視されます。行末で改行してください",
    /* TEXT_SUMMARY */ "%s: %d 行。割り当て %d、却下 %d、空行 %d。警告のある割り当て %d",
    /* TEXT_CODE_PAGE */ "コード ページ %u で読みました (%s)",
    /* TEXT_CODE_PAGE_SYSTEM */ "システムの OEM コード ページ",
    /* TEXT_CODE_PAGE_ASSUMED */ "仮定。ほかのコード ページは --code-page N で指定",
    /* TEXT_CODE_PAGE_GIVEN */ "--code-page で指定",
    /* TEXT_CANNOT_OPEN */ "vorn-check: %s を開けません",
    /* TEXT_NOT_A_CODE_PAGE */ "vorn-check: コード ページではありません: %s",
    /* TEXT_NOT_A_LANGUAGE */ "vorn-check: 言語ではありません: %s (ja か en)",
    /* TEXT_USAGE */ "使い方: %s",
    /* TEXT_HELP */
    "\n設定ファイル (既定は作業フォルダーの setting.vorn) の各行を Vorn がどう読むかを説明します。\n"
    "各行の枠とホットキー ID、できる割り当てか却下の理由、そして気を付けたい点を示します:\n"
    "二重に割り当てた組み合わせや Windows が使う組み合わせ、別のキーを表す文字やどのキーも\n"
    "表さない文字、最後の LF の後の文字、51 行目以降の行、UTF-8 や UTF-16 で保存したファイル。\n"
    "Windows では、別のプログラムが使っている組み合わせと、シェルが見つけられない対象も示します。\n"
    "\n"
    "ユーザーの言語が日本語なら日本語 (Windows では表示言語、ほかでは LC_ALL、LC_MESSAGES、LANG)、\n"
    "それ以外なら英語で表示します。--lang ja か --lang en で選べます。",
    /* TEXT_HELP_CODE_PAGE */
    "\nVorn はファイルを Windows の OEM コード ページで読みます。ここでは調べられないため、\n"
    "--code-page で指定しない限り 932 (日本語) とみなします。",
    /* TEXT_HELP_EXIT */
    "\n終了コード: 空行以外のすべての行が割り当てられ、警告がなければ 0、何か報告があれば 1、\n"
    "ファイルを開けなければ 2。",
    /* TEXT_PRESS_ENTER */ "\nEnter キーを押すと閉じます",
};

// NOLINTEND(bugprone-suspicious-missing-comma)

static const char *const *const TABLES[REPORT_LANGUAGES] = {ENGLISH, JAPANESE};

const char *ReportTextIn(ReportLanguage language, ReportText text)
{
    const char *found = language >= 0 && language < REPORT_LANGUAGES && text >= 0 && text < TEXT_COUNT
                            ? TABLES[language][text]
                            : nullptr;
    return found ? found : "";
}

ReportLanguage LanguageFromName(const char *name)
{
    return name && strncmp(name, "ja", 2) == 0 ? REPORT_JAPANESE : REPORT_ENGLISH;
}
