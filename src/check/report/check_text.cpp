#include "check/report/check_text.h"

#include <string.h>

// Long texts are split over lines, which looks to the lint like a lost comma.
// NOLINTBEGIN(bugprone-suspicious-missing-comma)
static const char *const ENGLISH[TEXT_COUNT] = {
    /* TEXT_HEADER */ " line  slot  id     binding",
    /* TEXT_BLANK */ "blank line",
    /* TEXT_TOO_LONG */ "rejected: the line has %d bytes; a line of more than %d is never read",
    /* TEXT_NO_TAB */ "rejected: no tab, so the whole line was read as modifiers; separate the fields with tabs",
    /* TEXT_EMPTY_KEY */ "rejected: the key field is empty",
    /* TEXT_KEY_TRAILING_SPACE */ "rejected: the key \"%s\" ends with a space; remove the trailing space",
    /* TEXT_UNKNOWN_KEY */
    "rejected: unknown key \"%s\": use one half-width character, or %s in half-width capitals",
    /* TEXT_EMPTY_ACTION */ "rejected: the action field is empty: use %s",
    /* TEXT_ACTION_TRAILING_SPACE */ "rejected: the action \"%s\" ends with a space; remove the trailing space",
    /* TEXT_UNKNOWN_ACTION */ "rejected: unknown action \"%s\": use %s, in half-width capitals",
    /* TEXT_PAST_LAST_SLOT */ "rejected: only the first %d lines are read; this line is ignored",
    /* TEXT_LIST_SEPARATOR */ ", ",
    /* TEXT_LIST_LAST_SEPARATOR */ " or ",
    /* TEXT_NUMPAD_KEY */ "Num %s key",
    /* TEXT_KEY_NAMED */ "%s key",
    /* TEXT_VIRTUAL_KEY_CODE */ "virtual-key code 0x%02X",
    /* TEXT_WARNING */ "warning: ",
    /* TEXT_DUPLICATE */ "%s is already bound by line %d, which wins; this line's hotkey never works",
    /* TEXT_HELD_ELSEWHERE */ "another program holds %s; this line's hotkey never works",
    /* TEXT_HELD_VORN_RUNNING */
    "%s is held, and Vorn is running: it may be the holder (quit Vorn, then check again to see whether"
    " some other program has it)",
    /* TEXT_LONG_MODIFIERS */
    "the modifier field is longer than 9 bytes; every A, C, S and W in it counts: check that no tab is missing",
    /* TEXT_OTHER_MODIFIER_BYTES */
    "only the half-width capitals A, C, S and W count in the modifier field; everything else is ignored, small"
    " and full-width letters too",
    /* TEXT_NO_MODIFIER */ "no modifier: Vorn takes the key alone from every program",
    /* TEXT_SMALL_LETTER_KEY */ "the small letter '%c' names the %s",
    /* TEXT_CHARACTER_KEY */ "the character '%c' names the %s",
    /* TEXT_CONTROL_BYTE_KEY */ "the control byte 0x%02X names the %s",
    /* TEXT_LETTER_KEY */ "if you meant the %c key, write:",
    /* TEXT_SIGN_KEY */ "on a keyboard layout for %s, '%c' is typed with %s; to bind that key, write:",
    /* TEXT_SIGN_KEY_CANNOT_BIND */
    "on a keyboard layout for %s, the key that types '%c' has the virtual-key code 0x%02X, which no character"
    " in the key field names: that key cannot be bound",
    /* TEXT_SIGN_KEY_OTHER_STATE */
    "on a keyboard layout for %s, '%c' is typed with a key state that no line can write (beyond Shift, such as"
    " Hankaku or the layout's own shift keys), so no line binds that key",
    /* TEXT_KEY_NAME_AS_CHARACTER */
    "rejected: unknown key \"%s\": Vorn names the %s by the character '%c' (virtual-key code 0x%02X)",
    /* TEXT_KEY_NAME_CANNOT_BIND */
    "rejected: the key \"%s\" cannot be bound: no character that can be written in the key field names its"
    " virtual-key code, 0x%02X",
    /* TEXT_KEY_NAME_DEBUGGER */
    "rejected: the key \"%s\" is F12, which Windows keeps for the debugger; choose another key",
    /* TEXT_QUOTED_TARGET */
    "the target holds quotes: Vorn puts it in quotes of its own, so the shell looks for a name with quotes in"
    " it and opens nothing; write the target without quotes",
    /* TEXT_PARAMETER_QUOTES */
    "the parameters hold quotes: Vorn puts them in quotes of its own, so by Windows' rules the program receives"
    " these arguments: %s",
    /* TEXT_HIGH_BYTE_KEY */ "a character above 0x7F in the key field cannot be used as a key",
    /* TEXT_NO_SUCH_KEY */ "no key sends the virtual-key code 0x%02X; this line's hotkey never works: choose another key",
    /* TEXT_RARE_KEY */ "common keyboards have no %s; this line's hotkey works only on a keyboard that has it",
    /* TEXT_RESERVED */
    "Windows reserves %s for itself, so closing other programs does not free it; this line's hotkey never"
    " works: choose another combination",
    /* TEXT_DEBUGGER_KEY */
    "F12 is reserved for the debugger: Windows advises against it as a hotkey, and it fails where a debugger"
    " is resident; choose another key",
    /* TEXT_TARGET_MISSING */
    "the shell finds no file, folder, program or registered address for this target; the hotkey will open nothing",
    /* TEXT_TYPES_CHARACTER */
    "on a keyboard layout for %s, %s types '%s': each '%s' typed runs this line's action instead",
    /* TEXT_BEYOND_ASCII */
    "the target or parameters go beyond ASCII: Vorn reads code page %u, and ANSI (code page %u), which"
    " editors save, agrees with it only for ASCII; keep targets and parameters to ASCII",
    /* TEXT_SAVED_UTF8_BOM */
    "the file is saved as UTF-8 with a byte order mark; Vorn reads code page %u, so the mark joins line 1's"
    " modifiers and text beyond ASCII arrives garbled: %s",
    /* TEXT_SAVED_UTF16 */
    "the file is saved as UTF-16 (Unicode); Vorn reads code page %u, so no line is read right and nothing is"
    " bound as written: %s",
    /* TEXT_SAVED_UTF8 */
    "the file is saved as UTF-8; Vorn reads code page %u, so its text beyond ASCII arrives garbled and"
    " targets holding such text open nothing: %s",
    /* TEXT_FIX_SHIFT_JIS */ "save it as Shift-JIS / ANSI",
    /* TEXT_FIX_ANSI */ "save it as ANSI (code page %u)",
    /* TEXT_FIX_ASCII */
    "save it as ANSI and keep targets and parameters to ASCII, since code page %u and ANSI (code page %u)"
    " agree only for ASCII",
    /* TEXT_TRAILING_BYTES */ "%d bytes after the last LF are no line and are ignored; end the line with an LF",
    /* TEXT_NUL_BYTE */
    "line %d holds a NUL byte: Vorn reads the file in pieces of 99 bytes and drops the rest of a piece after a"
    " NUL, here bytes %ld to %ld of the file",
    /* TEXT_NUL_JOINS */ "so lines %d to %d are read as one line",
    /* TEXT_NUL_TO_END */ "the dropped bytes reach the end of the file: nothing after the NUL in line %d is read",
    /* TEXT_UNCONVERTIBLE */
    "line %d holds '%s' (U+%04X), which code page %u has no character for; once it is changed by hand, the file"
    " can be converted",
    /* TEXT_MORE_FINDINGS */ "and %d more of the same kind",
    /* TEXT_TAB_MARK */ "<Tab>",
    /* TEXT_CORRECTION */ "correction: %s",
    /* TEXT_LINE_END_ADDED */ " (line end added)",
    /* TEXT_LINE_CORRECTION */ "line %d, correction: %s",
    /* TEXT_BEFORE */ "before: %s",
    /* TEXT_AFTER */ "after:  %s",
    /* TEXT_TOO_LARGE_TO_FIX */ "the file is larger than %d bytes, so no corrections are offered",
    /* TEXT_FIX_OFFER */
    "to write the corrections shown (lines to change: %d), run vorn-check --fix %s; the original is kept as"
    " a backup",
    /* TEXT_CONVERTED */ "the file is now in code page %u",
    /* TEXT_FIXED */ "%s: lines corrected: %d; the original is kept as %s",
    /* TEXT_NOTHING_TO_FIX */ "%s: nothing to correct; the file is unchanged",
    /* TEXT_FIX_FAILED */ "vorn-check: %s is unchanged: %s (%s)",
    /* TEXT_STEP_BACKUP */ "the original could not be kept as a backup",
    /* TEXT_STEP_WRITE */ "the corrected file could not be written in its folder",
    /* TEXT_STEP_REPLACE */ "the corrected file could not take its place",
    /* TEXT_REASON_NO_ACCESS */ "the folder or the file is read-only, or you lack the right to change it",
    /* TEXT_REASON_IN_USE */ "another program is using the file",
    /* TEXT_REASON_DISK_FULL */ "the disk is full",
    /* TEXT_REASON_NO_FREE_NAME */ "every backup name up to .999.bak is taken",
    /* TEXT_REASON_OTHER */ "system error %d",
    /* TEXT_STEP_CHECK */ "the file cannot be replaced",
    /* TEXT_REASON_READ_ONLY */ "the file is read-only",
    /* TEXT_REASON_CHANGED */ "another program saved the file after vorn-check read it; run vorn-check again",
    /* TEXT_REASON_HARD_LINKED */ "the file has other names (hard links), which would keep the old text",
    /* TEXT_REASON_OWNER */ "the corrected file could not be given the owner of the file",
    /* TEXT_REASON_PATH_TOO_LONG */ "the path of the file or of its backup is too long",
    /* TEXT_REASON_PROTECTED_FOLDER */
    "Windows refused a new file in this folder, possibly by Controlled folder access: in Windows Security,"
    " \"Allow an app through Controlled folder access\" for vorn-check, or correct a copy of the file in another"
    " folder",
    /* TEXT_REASON_IN_USE_BY_VORN */
    "another program is using the file, perhaps Vorn, which is running and holds the file while it reads it"
    " at its start: quit Vorn from its notification area icon, then try again",
    /* TEXT_FIX_LEFT_AS_IS */ "vorn-check: %s could not be replaced as planned (%s); the original is kept as %s",
    /* TEXT_FIX_LEFT_CORRECTED */ "the corrected file is kept as %s",
    /* TEXT_LINK_TARGET_FIXED */ "%s is a symbolic link: the file it points to, %s, was corrected",
    /* TEXT_LEFTOVER */ "%s was left by a vorn-check that did not finish; it can be deleted",
    /* TEXT_SUMMARY */ "%s: %d lines: %d bound, %d rejected, %d blank; %d bound with warnings",
    /* TEXT_CODE_PAGE */ "read in code page %u (%s)",
    /* TEXT_CODE_PAGE_SYSTEM */ "the system's OEM code page",
    /* TEXT_CODE_PAGE_ASSUMED */ "assumed; --code-page N for another",
    /* TEXT_CODE_PAGE_GIVEN */ "given with --code-page",
    /* TEXT_CANNOT_OPEN */ "vorn-check: cannot open %s",
    /* TEXT_NOT_A_CODE_PAGE */ "vorn-check: not a code page: %s",
    /* TEXT_NOT_A_LANGUAGE */ "vorn-check: not a language: %s (ja or en)",
    /* TEXT_NOT_UNDERSTOOD */ "vorn-check: not understood: %s",
    /* TEXT_ONE_FILE */
    "vorn-check: one file is checked at a time, and %s is a second one; drop one file on vorn-check at a time",
    /* TEXT_ARGUMENT_TOO_LONG */ "vorn-check: argument %d is longer than %d bytes",
    /* TEXT_TOO_MANY_ARGUMENTS */ "vorn-check: too many arguments; at most %d are read",
    /* TEXT_USAGE */ "usage: %s [FILE]",
    /* TEXT_HELP */
    "\nExplains what Vorn makes of each line of a settings file (by default\n"
    "setting.vorn in the working directory): the slot of every line (0 to 49, in\n"
    "line order) and its hotkey identifier (10000 + slot), the binding it makes or\n"
    "why it is rejected, and what may surprise: a combination bound twice or\n"
    "reserved by Windows, a key character that names another key or no key at all,\n"
    "text after the last LF, lines past the 50th, a file saved as UTF-8 or UTF-16;\n"
    "on Windows also a combination another program holds, a target that cannot be\n"
    "found, and a Ctrl+Alt combination that types a character on an installed\n"
    "keyboard layout.\n"
    "\n"
    "It speaks Japanese where the user's language is Japanese (on Windows the\n"
    "display language, elsewhere LC_ALL, LC_MESSAGES or LANG) and English\n"
    "otherwise. On Windows it is English too where its output cannot show\n"
    "Japanese: a file or a pipe whose code page lacks it, or a console window that\n"
    "cannot draw it. --lang ja or --lang en chooses.",
    /* TEXT_HELP_FIX */
    "\nWhere a mistake can be corrected with certainty (full-width characters,\n"
    "small letters, names in another case, key names Vorn does not know, quotes\n"
    "around a target, spaces for tabs, a last line without its line end, NUL\n"
    "bytes, a file saved as UTF-8 or UTF-16), the report shows the line to write\n"
    "instead. --fix writes those corrections: it keeps the original as FILE.bak\n"
    "(or FILE.2.bak, ...), then replaces the file in one step, and writes nothing\n"
    "when there is nothing to correct. Double-clicked, vorn-check offers the same.",
    /* TEXT_HELP_CODE_PAGE */
    "\nVorn reads the file in Windows' OEM code page; here it cannot be asked, so\n"
    "932 (Japanese) is assumed unless --code-page gives another.",
    /* TEXT_HELP_EXIT */
    "\nExit status: 0 when every line that is not blank is bound and nothing is\n"
    "warned of (notes, which say what a line binds as written, do not count), 1\n"
    "when anything else was reported, 2 when the file cannot be opened or written\n"
    "or the command line is not understood. After --fix, the status is that of\n"
    "the corrected file.",
    /* TEXT_OFFER_FIX */
    "\nTo correct the file as shown, type Y and press Enter (the original is kept\n"
    "as a backup); to close without changing it, press Enter alone.",
    /* TEXT_PRESS_ENTER */ "\nPress Enter to close",
    /* TEXT_USAGE_ADD */ "usage: %s --add COMBINATION ACTION [TARGET [PARAMETERS]] [--file FILE]",
    /* TEXT_HELP_ADD */
    "\n--add adds the line of a hotkey, so that nobody has to write it by hand:\n"
    "COMBINATION as it is usually written (Ctrl+Alt+N, Ctrl+Shift+F5, Alt+Num5,\n"
    "Ctrl+Alt+Left), ACTION one of EXEC, ALERT and QUIT, and for EXEC the program,\n"
    "document, folder or address to open, then its parameters (a text with spaces\n"
    "in quotes). The line goes after the last line of setting.vorn, or of the file\n"
    "that --file names (which also names the file to check); a missing file is\n"
    "created. Nothing is written where the hotkey could not work: a key no line can\n"
    "hold (F12, Esc, the IME keys), a combination Windows keeps or that the file or\n"
    "another program already has, a file of 50 lines; nor where it needs a second\n"
    "thought (no modifier, a Ctrl+Alt combination that types a character, a rare\n"
    "key, a target that cannot be found), where the message shows the line to\n"
    "write by hand instead. Corrections that --fix would make are written with the\n"
    "new line. The exit status is then 0 when the line was added, 1 when it was\n"
    "not, 2 when the command line is not understood or the file cannot be read or\n"
    "written.",
    /* TEXT_ADD_ARGUMENTS */ "vorn-check: --add needs a combination and an action, for example: --add Ctrl+Alt+N EXEC notepad.exe",
    /* TEXT_ADD_TOO_MANY */
    "vorn-check: --add takes a combination, an action, a target and parameters, and %s is one more: put a target"
    " or parameters with spaces in quotes",
    /* TEXT_ADD_NO_KEY */ "vorn-check: \"%s\" names no key: give one after the modifiers, for example Ctrl+Alt+N",
    /* TEXT_ADD_UNKNOWN_MODIFIER */ "vorn-check: \"%.*s\" is not a modifier key: use Ctrl, Alt, Shift or Win",
    /* TEXT_ADD_UNKNOWN_KEY */
    "vorn-check: unknown key \"%.*s\": use a letter, a digit or the name of a key, such as F5, Home, Page Up, Left"
    " or Num 5",
    /* TEXT_ADD_UNKNOWN_ACTION */
    "vorn-check: unknown action \"%s\": use EXEC (open a program, document, folder or address), ALERT (a test"
    " message) or QUIT (quit Vorn)",
    /* TEXT_ADD_NOT_ADDED */ "vorn-check: %s was not added to %s: %s",
    /* TEXT_ADD_FILE_UNREADABLE */
    "vorn-check cannot tell its lines as Vorn reads them; check the file with vorn-check to see why",
    /* TEXT_ADD_FILE_FULL */
    "it has %d lines already, and Vorn reads only the first %d; delete a line you no longer need, then add again",
    /* TEXT_ADD_NO_KEY_CHARACTER */
    "no character that a settings line can hold stands for this key, so Vorn cannot bind it; choose another key,"
    " such as a letter, a digit, F1 to F11, Home or an arrow key",
    /* TEXT_ADD_RESERVED */ "Windows reserves this combination for itself; choose another",
    /* TEXT_ADD_DUPLICATE */
    "line %d binds it already, and the earlier line wins; choose another combination, or change line %d",
    /* TEXT_ADD_HELD_ELSEWHERE */ "another program holds it; choose another combination, or quit that program first",
    /* TEXT_ADD_HELD_VORN_RUNNING */
    "it is held, and Vorn is running: Vorn may hold it from another settings file (quit Vorn, then add again to"
    " see whether some other program has it)",
    /* TEXT_ADD_NO_TARGET */
    "EXEC needs something to open: give a program, document, folder or address after EXEC",
    /* TEXT_ADD_TARGET_NOT_TAKEN */ "%s takes no target and no parameters",
    /* TEXT_ADD_TAB_IN_TEXT */
    "a tab or a line break in the target or the parameters would start another field or line",
    /* TEXT_ADD_QUOTE_IN_TARGET */ "give the target without quotes: Vorn adds its own",
    /* TEXT_ADD_UNCONVERTIBLE */
    "\"%s\" (U+%04X) cannot be written in code page %u, which Vorn reads the file in; rename the file or folder"
    " without it, or choose another target",
    /* TEXT_ADD_LINE_TOO_LONG */ "the line would be longer than the %d bytes Vorn reads; choose a shorter path",
    /* TEXT_ADD_NO_MODIFIER */
    "without a modifier key, Vorn takes the key from every program, and it no longer types anything",
    /* TEXT_ADD_TYPES_CHARACTER */
    "Ctrl+Alt works as AltGr: on a keyboard layout for %s, this combination types \"%s\"",
    /* TEXT_ADD_RARE_KEY */
    "common keyboards have no such key; the hotkey works only on a keyboard that has it",
    /* TEXT_ADD_TARGET_MISSING */
    "the shell finds no file, folder, program or registered address for \"%s\", looking from the folder of the"
    " settings file as Vorn does",
    /* TEXT_ADD_PARAMETER_QUOTES */
    "the quotes in the parameters give the program other arguments than they show",
    /* TEXT_ADD_BY_HAND */ "if that is what you want, add this line to %s yourself (<Tab> is a tab): %s",
    /* TEXT_ADD_WITH_CORRECTIONS */ "%s has mistakes that --fix corrects; they are corrected in the same write:",
    /* TEXT_ADDED */ "%s: %s added as line %d: %s",
    /* TEXT_ADD_CREATED */ "%s created, with %s as line %d: %s",
    /* TEXT_ADD_BACKUP */ "the original is kept as %s",
    /* TEXT_ADD_RESTART */
    "The new hotkey works once Vorn is restarted (right-click its notification area icon, choose the last item,"
    " Exit, and start Vorn again).",
    /* TEXT_ADD_START */
    "To use it, start Vorn with the folder of %s as its working folder: double-click Vorn.exe in that folder, or"
    " set \"Start in\" of a shortcut to it.",
    /* TEXT_ADD_ALSO */ "  also: %s",
    /* TEXT_NOTE */ "note: ",
    /* TEXT_SIGN_KEY_IF_MEANT */
    "on a keyboard layout for %s, '%c' is typed with %s; if you meant the key that types '%c', write:",
    /* TEXT_ALL_BOUND */ "every line is bound as written.",
    /* TEXT_NOTHING_LEFT_TO_FIX */ "%s: nothing is left that vorn-check can correct by itself; the file is unchanged",
    /* TEXT_LEFT_FOR_USER */
    "\nvorn-check cannot correct these lines by itself; see what is said beneath each:",
    /* TEXT_WRITE_ELSEWHERE */
    "the corrections are shown above: copy the folder to one you can write in (such as Documents) and run"
    " vorn-check there, or make the changes in the file by hand",
    /* TEXT_SPACE_MARK */ "<Space>",
    /* TEXT_ENCODING_ONLY */ " (encoding converted)",
    /* TEXT_CONVERTED_LINE */ "only its encoding was converted; it reads as before",
    /* TEXT_SUMMARY_MISREAD */
    "%s: of the %d lines an editor shows, Vorn binds %d; %d bound with warnings",
    /* TEXT_SIGN_KEY_CANNOT_BIND_IF_MEANT */
    "on a keyboard layout for %s, the key that types '%c' has the virtual-key code 0x%02X, which no character in"
    " the key field names: if you meant the key that types '%c', no line can bind it",
    /* TEXT_ASK_SPLIT */
    "\nLine %d, %s, can be cut into fields at its spaces in more than one way, each naming a target that"
    " exists:",
    /* TEXT_READING */
    "    %d: %s",
    /* TEXT_ASK_CHOICE */
    "Type the number of the one you meant and press Enter; to keep the line as it is, press Enter alone.",
    /* TEXT_ASK_LETTER_KEY */
    "\nLine %d, %s, binds %s. If you meant the %c key, type Y and press Enter (the line becomes %s); to keep"
    " it, press Enter alone.",
    /* TEXT_ASK_SIGN_KEY */
    "\nLine %d, %s, binds %s. If you meant the key that types '%c' (%s), type Y and press Enter (the line"
    " becomes %s); to keep it, press Enter alone.",
    /* TEXT_CHOOSE_ANOTHER_KEY */
    "\nLine %d, %s: no line can bind the key \"%s\"; choose another key, for example: %s",
    /* TEXT_NOTHING_CHANGED */
    "\nNothing was changed; the file is as it was.",
    /* TEXT_ANSWERED */
    "%s: lines changed as you answered: %d; the original is kept as %s",
    /* TEXT_ALSO_ANSWERED */
    "%s: lines changed as you answered: %d more",
    /* TEXT_SPLITS_FOUND */
    "the line can be cut into fields at its spaces in %d ways that each name a target that exists; write it"
    " with tabs, or run vorn-check at a console to be asked",
    /* TEXT_NO_TARGET_FOUND */
    "no way of cutting the line at its spaces names a target that exists; write it with tabs, with one between"
    " the target and its parameters too:",
    /* TEXT_HELP_QUESTIONS */
    "\nAt a console (double-clicked, or --fix typed at a prompt), vorn-check then\n"
    "asks about each line only its writer can settle: which key a small letter or\n"
    "a sign was meant for, and where the target of a line written with spaces\n"
    "ends. The answers are written with the corrections, in one step.\n"
    "--no-questions writes the certain corrections only, as a script does.",
    /* TEXT_OPEN_NOT_FOUND */
    "there is no file of that name in the folder %s",
    /* TEXT_OPEN_FOLDER */
    "it is a folder, not a file",
    /* TEXT_OPEN_NO_ACCESS */
    "access is denied: you lack the right to read the file",
    /* TEXT_OPEN_IN_USE */
    "another program is using the file and lets no other program read it",
    /* TEXT_OPEN_OTHER */
    "system error %d",
    /* TEXT_NEAR_NAME */
    "the folder holds %s: an editor such as Notepad may have added that extension when saving, and Explorer"
    " hides it; rename the file to %s",
    /* TEXT_OFFER_RENAME */
    "\nTo rename %s to %s, type Y and press Enter; to leave it as it is, press Enter alone.",
    /* TEXT_RENAMED */
    "%s is renamed to %s",
    /* TEXT_RENAME_FAILED */
    "vorn-check: %s could not be renamed to %s (system error %d)",
    /* TEXT_ADD_PRESS */ "\nPress the key combination to assign (Esc: cancel)",
    /* TEXT_ADD_COMBINATION */ "%s: the line begins with the modifiers \"%s\" and the key \"%s\"",
    /* TEXT_ADD_CANCELLED */ "Cancelled; %s was not changed.",
    /* TEXT_ADD_PRESS_ANOTHER */ "Press another combination.",
    /* TEXT_ADD_USE_ANYWAY */
    "To use this combination anyway, type Y and press Enter; to press another, press Enter alone.",
    /* TEXT_ADD_TARGET */
    "\nWhat to run: drag a program, document or folder onto this window, or type an address"
    " (ALERT: test alert, QUIT: quit)",
    /* TEXT_ADD_PARAMETERS */ "Parameters to pass (press Enter alone for none):",
    /* TEXT_ADD_OFFER_SHORT_NAME */
    "Its short name %s can be written: to use it, type Y and press Enter; to give another, press Enter alone.",
    /* TEXT_ADD_TARGET_FOUND */ "The target was found.",
    /* TEXT_ADD_TARGET_UNKNOWN */ "Whether the target exists is the shell's to tell when the hotkey is pressed.",
    /* TEXT_ADD_CONFIRM */
    "To add this line, type Y and press Enter; to leave the file as it is, press Enter alone.",
    /* TEXT_ADD_NOT_WRITTEN */ "%s was not changed.",
    /* TEXT_ADD_NO_CAPTURE */
    "vorn-check: the keyboard cannot be watched here (error %lu); give the combination on the command line:\n"
    "  vorn-check --add COMBINATION ACTION [TARGET [PARAMETERS]]",
    /* TEXT_OFFER_CREATE */
    "\nsetting.vorn is missing. Add a hotkey and create it? (Y: create, Enter: close)",
    /* TEXT_OFFER_ADD */ "\nA: add a hotkey",
    /* TEXT_ADD_NO_CONSOLE */
    "vorn-check: --add asks for the combination at a console, and there is none here; give it on the command"
    " line:\n  vorn-check --add COMBINATION ACTION [TARGET [PARAMETERS]]",
    /* TEXT_ADD_LINE */ "\nThe line to add to %s, as its line %d:\n  %s",
    /* TEXT_ADD_REFUSED */ "%s cannot be added: %s",
    /* TEXT_ADD_CAUTION */ "warning: %s",
    /* TEXT_ADD_FIX_TOO */
    "%s also has mistakes that --fix corrects: they are corrected in the same write.",
    /* TEXT_HELP_ADD_CONSOLE */
    "\n--add alone (or --add FILE) asks at the console: press the combination,\n"
    "then drag what it opens onto the window, and answer Y to write the line.",
};

static const char *const JAPANESE[TEXT_COUNT] = {
    /* TEXT_HEADER */ "   行  番号  ID     割り当て",
    /* TEXT_BLANK */ "空行",
    /* TEXT_TOO_LONG */ "エラー: 行が長すぎます (%d バイト)。%d バイトを超える行は読み込まれません。",
    /* TEXT_NO_TAB */ "エラー: タブがないため、行全体が修飾キーの欄として読み込まれました。欄はタブで区切ってください。",
    /* TEXT_EMPTY_KEY */ "エラー: キーが指定されていません。",
    /* TEXT_KEY_TRAILING_SPACE */ "エラー: キー「%s」の末尾に空白があります。末尾の空白を削除してください。",
    /* TEXT_UNKNOWN_KEY */
    "エラー: キー「%s」は認識できません。キーには半角の 1 文字、または半角大文字の %s のいずれかを"
    "指定してください。",
    /* TEXT_EMPTY_ACTION */ "エラー: 動作が指定されていません。%s のいずれかを指定してください。",
    /* TEXT_ACTION_TRAILING_SPACE */ "エラー: 動作「%s」の末尾に空白があります。末尾の空白を削除してください。",
    /* TEXT_UNKNOWN_ACTION */ "エラー: 動作「%s」は認識できません。半角大文字の %s のいずれかを指定してください。",
    /* TEXT_PAST_LAST_SLOT */ "エラー: 読み込まれるのは最初の %d 行だけです。この行は無視されます。",
    /* TEXT_LIST_SEPARATOR */ "、",
    /* TEXT_LIST_LAST_SEPARATOR */ "、",
    /* TEXT_NUMPAD_KEY */ "テンキーの %s キー",
    /* TEXT_KEY_NAMED */ "%s キー",
    /* TEXT_VIRTUAL_KEY_CODE */ "仮想キー コード 0x%02X",
    /* TEXT_WARNING */ "警告: ",
    /* TEXT_DUPLICATE */
    "%sは %d 行目で既に割り当てられており、そちらが優先されます。この行のホット キーは機能しません。",
    /* TEXT_HELD_ELSEWHERE */ "%sはほかのプログラムが使用しています。この行のホット キーは機能しません。",
    /* TEXT_HELD_VORN_RUNNING */
    "%sは使用中です。Vorn が実行中のため、Vorn 自身が使用している可能性があります。"
    "ほかのプログラムが使用しているかどうかを調べるには、Vorn を終了してからもう一度確認してください。",
    /* TEXT_LONG_MODIFIERS */
    "修飾キーの欄が 9 バイトを超えています。欄にある A、C、S、W はすべて有効ですが、タブが抜けていないか"
    "確認してください。",
    /* TEXT_OTHER_MODIFIER_BYTES */
    "修飾キーの欄で有効なのは、半角大文字の A、C、S、W だけです。それ以外の文字は、小文字や全角文字も含めて"
    "無視されます。",
    /* TEXT_NO_MODIFIER */
    "修飾キーが指定されていません。このキーはどのプログラムで押しても Vorn が受け取るため、"
    "ほかのプログラムでは使えなくなります。",
    /* TEXT_SMALL_LETTER_KEY */ "小文字の「%c」は、%sを表します。",
    /* TEXT_CHARACTER_KEY */ "文字「%c」は、%sを表します。",
    /* TEXT_CONTROL_BYTE_KEY */ "制御文字 0x%02X は、%sを表します。",
    /* TEXT_LETTER_KEY */ "%c キーを割り当てたい場合は、次のように書きます。",
    /* TEXT_SIGN_KEY */
    "%s 用のキーボード レイアウトでは、「%c」は %sで入力します。この文字を入力するキーを割り当てるには、"
    "次のように書きます。",
    /* TEXT_SIGN_KEY_CANNOT_BIND */
    "%s 用のキーボード レイアウトで「%c」を入力するキーの仮想キー コードは 0x%02X です。このコードを表す文字は"
    "キーの欄に書けないため、このキーは割り当てられません。",
    /* TEXT_SIGN_KEY_OTHER_STATE */
    "%s 用のキーボード レイアウトで「%c」を入力するには、Shift 以外のキーの状態 (半角/全角キーや、レイアウト"
    "独自のシフト キーなど) が必要です。この状態は設定ファイルの行では指定できないため、この文字を入力するキーは"
    "割り当てられません。",
    /* TEXT_KEY_NAME_AS_CHARACTER */
    "エラー: キー「%s」は認識できません。Vorn では、%sは文字「%c」で指定します (仮想キー コード 0x%02X)。",
    /* TEXT_KEY_NAME_CANNOT_BIND */
    "エラー: キー「%s」は割り当てられません。このキーの仮想キー コード 0x%02X を表す文字は、キーの欄に"
    "書けません。",
    /* TEXT_KEY_NAME_DEBUGGER */
    "エラー: キー「%s」は割り当てられません。F12 キーは、Windows がデバッガー用に予約しています。"
    "別のキーを選んでください。",
    /* TEXT_QUOTED_TARGET */
    "対象に引用符が含まれています。Vorn が対象を引用符で囲むため、引用符が二重になり、何も開きません。"
    "対象は引用符で囲まずに書いてください。",
    /* TEXT_PARAMETER_QUOTES */
    "パラメーターに引用符が含まれています。Vorn はパラメーターを引用符で囲むため、Windows の規則により、"
    "プログラムが受け取る引数は %s になります。",
    /* TEXT_HIGH_BYTE_KEY */ "キーの欄にある 0x7F を超える文字 (半角カタカナなど) は、キーとして使用できません。",
    /* TEXT_NO_SUCH_KEY */
    "仮想キー コード 0x%02X に該当するキーはありません。この行のホット キーは機能しません。別のキーを選んでください。",
    /* TEXT_RARE_KEY */
    "%sは一般的なキーボードにはありません。この行のホット キーは、そのキーがあるキーボードでのみ機能します。",
    /* TEXT_RESERVED */
    "%sは Windows が予約している組み合わせのため、ほかのプログラムを終了しても使用できません。"
    "この行のホット キーは機能しません。別の組み合わせを選んでください。",
    /* TEXT_DEBUGGER_KEY */
    "F12 キーはデバッガー用に予約されています。Windows ではホット キーに使用しないことが推奨されており、"
    "デバッガーが常駐していると機能しません。別のキーを選んでください。",
    /* TEXT_TARGET_MISSING */
    "対象のファイル、フォルダー、またはプログラムが見つからず、アドレスとしても開けません。"
    "この行のホット キーを押しても何も開きません。",
    /* TEXT_TYPES_CHARACTER */
    "%s 用のキーボード レイアウトでは、%sで「%s」が入力されます。このレイアウトで「%s」を入力すると、"
    "文字は入力されずにこの行の動作が実行されます。",
    /* TEXT_BEYOND_ASCII */
    "対象またはパラメーターに ASCII 以外の文字が含まれています。Vorn が読み込むコード ページ %u と、"
    "エディターが「ANSI」として保存するコード ページ %u で共通しているのは ASCII の範囲だけです。"
    "対象とパラメーターには ASCII 文字だけを使用してください。",
    /* TEXT_SAVED_UTF8_BOM */
    "ファイルは UTF-8 (BOM 付き) で保存されています。Vorn はコード ページ %u で読み込むため、"
    "BOM が 1 行目の修飾キーの欄に含まれ、ASCII 以外の文字は文字化けします。%s",
    /* TEXT_SAVED_UTF16 */
    "ファイルは UTF-16 (Unicode) で保存されています。Vorn はコード ページ %u で読み込むため、"
    "どの行も正しく読み込まれず、書かれたとおりには割り当てられません。%s",
    /* TEXT_SAVED_UTF8 */
    "ファイルは UTF-8 で保存されています。Vorn はコード ページ %u で読み込むため、ASCII 以外の文字は文字化けし、"
    "そのような文字を含む対象は開けません。%s",
    /* TEXT_FIX_SHIFT_JIS */
    "文字コードを「ANSI」(Shift-JIS) にして保存し直してください。メモ帳では、「名前を付けて保存」の"
    "「文字コード」(Windows 11 では「エンコード」) で選択できます。",
    /* TEXT_FIX_ANSI */ "文字コードを「ANSI」(コード ページ %u) にして保存し直してください。",
    /* TEXT_FIX_ASCII */
    "文字コードを「ANSI」にして保存し直し、対象とパラメーターには ASCII 文字だけを使用してください。"
    "コード ページ %u と「ANSI」(コード ページ %u) で共通しているのは ASCII の範囲だけです。",
    /* TEXT_TRAILING_BYTES */
    "最後の LF の後にある %d バイトは行として扱われず、無視されます。最後の行の末尾で改行してください。",
    /* TEXT_NUL_BYTE */
    "%d 行目に NUL バイトがあります。Vorn はファイルを 99 バイトずつ読み込み、NUL バイトがあると、その 99 バイトの"
    "残りを読み飛ばします。この場合は、ファイルの %ld ～ %ld バイト目が読み飛ばされます。",
    /* TEXT_NUL_JOINS */ "そのため、%d 行目から %d 行目までが 1 行として読み込まれます。",
    /* TEXT_NUL_TO_END */ "読み飛ばす範囲がファイルの末尾に達するため、%d 行目の NUL バイトより後は何も読み込まれません。",
    /* TEXT_UNCONVERTIBLE */
    "%d 行目の「%s」(U+%04X) は、コード ページ %u にない文字です。この文字を手動で書き換えると、"
    "vorn-check でファイルを変換できるようになります。",
    /* TEXT_MORE_FINDINGS */ "同様の箇所がほかに %d 件あります。",
    /* TEXT_TAB_MARK */ "<タブ>",
    /* TEXT_CORRECTION */ "修正案: %s",
    /* TEXT_LINE_END_ADDED */ " (改行を追加)",
    /* TEXT_LINE_CORRECTION */ "%d 行目の修正案: %s",
    /* TEXT_BEFORE */ "修正前: %s",
    /* TEXT_AFTER */ "修正後: %s",
    /* TEXT_TOO_LARGE_TO_FIX */ "ファイルが %d バイトを超えているため、修正案は表示しません。",
    /* TEXT_FIX_OFFER */
    "上の修正案 (%d 行) をファイルに書き込むには、「vorn-check --fix %s」を実行してください。元のファイルは"
    "バックアップとして残ります。",
    /* TEXT_CONVERTED */ "ファイルをコード ページ %u に変換しました。",
    /* TEXT_FIXED */ "%s: %d 行を修正しました。元のファイルは %s として残してあります。",
    /* TEXT_NOTHING_TO_FIX */ "%s: 修正する箇所はありません。ファイルは変更していません。",
    /* TEXT_FIX_FAILED */ "vorn-check: %s は変更していません。%s (%s)。",
    /* TEXT_STEP_BACKUP */ "元のファイルのバックアップを作成できませんでした",
    /* TEXT_STEP_WRITE */ "修正したファイルを同じフォルダーに書き込めませんでした",
    /* TEXT_STEP_REPLACE */ "元のファイルを修正したファイルで置き換えられませんでした",
    /* TEXT_REASON_NO_ACCESS */ "フォルダーまたはファイルが読み取り専用か、変更する権限がありません",
    /* TEXT_REASON_IN_USE */ "ほかのプログラムがファイルを使用しています",
    /* TEXT_REASON_DISK_FULL */ "ディスクに十分な空き領域がありません",
    /* TEXT_REASON_NO_FREE_NAME */ "バックアップ用のファイル名が .999.bak まですべて使われています",
    /* TEXT_REASON_OTHER */ "システム エラー %d",
    /* TEXT_STEP_CHECK */ "ファイルを置き換えられません",
    /* TEXT_REASON_READ_ONLY */ "ファイルが読み取り専用です",
    /* TEXT_REASON_CHANGED */
    "vorn-check の読み込み後にほかのプログラムがファイルを保存したため、もう一度 vorn-check を"
    "実行してください",
    /* TEXT_REASON_HARD_LINKED */ "ファイルには別のハード リンクがあり、置き換えるとそちらには古い内容が残ります",
    /* TEXT_REASON_OWNER */ "修正したファイルの所有者を元のファイルと同じにできません",
    /* TEXT_REASON_PATH_TOO_LONG */ "ファイルまたはバックアップのパスが長すぎます",
    /* TEXT_REASON_PROTECTED_FOLDER */
    "Windows がこのフォルダーでの新しいファイルの作成を拒否しました。「コントロールされたフォルダー アクセス」"
    "が原因の場合は、Windows セキュリティの「コントロールされたフォルダー アクセスによるアプリの許可」で"
    " vorn-check を許可するか、ファイルを別のフォルダーにコピーして、コピーしたファイルを修正してください",
    /* TEXT_REASON_IN_USE_BY_VORN */
    "ほかのプログラムがファイルを使用しています。Vorn が起動時の読み込みのためにファイルを開いている可能性が"
    "あるため、通知領域の Vorn アイコンから Vorn を終了してから、もう一度 vorn-check を実行してください",
    /* TEXT_FIX_LEFT_AS_IS */ "vorn-check: %s の置き換えを完了できませんでした (%s)。元のファイルは %s として残してあります。",
    /* TEXT_FIX_LEFT_CORRECTED */ "修正したファイルは %s として残してあります。",
    /* TEXT_LINK_TARGET_FIXED */ "%s はシンボリック リンクのため、リンク先のファイル %s を修正しました。",
    /* TEXT_LEFTOVER */ "%s は、途中で終了した vorn-check が残したファイルです。削除してかまいません。",
    /* TEXT_SUMMARY */ "%s: %d 行 (割り当て %d、エラー %d、空行 %d、警告のある割り当て %d)",
    /* TEXT_CODE_PAGE */ "コード ページ %u で読み込みました (%s)。",
    /* TEXT_CODE_PAGE_SYSTEM */ "システムの OEM コード ページ",
    /* TEXT_CODE_PAGE_ASSUMED */ "既定値。--code-page N で変更できます",
    /* TEXT_CODE_PAGE_GIVEN */ "--code-page で指定",
    /* TEXT_CANNOT_OPEN */ "vorn-check: %s を開けません。",
    /* TEXT_NOT_A_CODE_PAGE */ "vorn-check: コード ページ「%s」は正しくありません。932 などの番号で指定してください。",
    /* TEXT_NOT_A_LANGUAGE */ "vorn-check: 言語「%s」は指定できません。ja または en を指定してください。",
    /* TEXT_NOT_UNDERSTOOD */ "vorn-check: 引数「%s」は認識できません。",
    /* TEXT_ONE_FILE */
    "vorn-check: 一度に確認できるファイルは 1 つだけです (2 つ目のファイル: %s)。vorn-check にドロップする"
    "ファイルは 1 つにしてください。",
    /* TEXT_ARGUMENT_TOO_LONG */ "vorn-check: %d 番目の引数が長すぎます。%d バイト以内で指定してください。",
    /* TEXT_TOO_MANY_ARGUMENTS */ "vorn-check: 引数が多すぎます。指定できる引数は %d 個までです。",
    /* TEXT_USAGE */ "使用法: %s [ファイル名]",
    /* TEXT_HELP */
    "\n設定ファイル (既定では作業フォルダーの setting.vorn) の各行を Vorn が\n"
    "どのように読み込むかを説明します。行ごとに、番号 (行の順に 0 ～ 49) と\n"
    "ホット キー ID (10000 + 番号)、割り当ての内容またはエラーの理由を表示し、\n"
    "注意が必要な点を警告します。たとえば、重複している組み合わせ、Windows が\n"
    "予約している組み合わせ、別のキーを表す文字、どのキーも表さない文字、最後の\n"
    "LF の後にある文字、51 行目以降の行、UTF-8 や UTF-16 で保存されたファイルです。\n"
    "Windows では、ほかのプログラムが使用している組み合わせ、見つからない対象、\n"
    "インストールされているキーボード レイアウトで文字の入力に使われる Ctrl+Alt の\n"
    "組み合わせも警告します。\n"
    "\n"
    "ユーザーの言語が日本語の場合は日本語で、それ以外の場合は英語で表示します\n"
    "(Windows では Windows の表示言語、Windows 以外では LC_ALL、LC_MESSAGES、\n"
    "LANG で判断します)。ただし Windows では、出力先で日本語を表示できない場合は\n"
    "英語で表示します。結果をファイルやパイプにリダイレクトし、書き込みに使う\n"
    "コード ページで日本語を表示できない場合と、コンソール ウィンドウで日本語を\n"
    "表示できない場合です。--lang ja または --lang en で指定することもできます。",
    /* TEXT_HELP_FIX */
    "\n確実に直せる誤り (全角文字、小文字、大文字と小文字が違う名前、Vorn が\n"
    "認識しないキー名、対象を囲む引用符、タブの代わりの空白、改行のない最後の行、\n"
    "NUL バイト、UTF-8 や UTF-16 で保存されたファイル) には、代わりに書く行を\n"
    "修正案として表示します。--fix を指定すると修正案を書き込みます。元のファイルを\n"
    "ファイル名.bak (またはファイル名.2.bak など) として残してから、ファイルの内容を\n"
    "修正後の内容にまとめて置き換えます。修正する箇所がなければ何も書き込みません。\n"
    "ダブルクリックで起動した場合も、同じ修正を行うかどうかを確認します。",
    /* TEXT_HELP_CODE_PAGE */
    "\nVorn はファイルを Windows の OEM コード ページで読み込みます。この環境では\n"
    "それを調べられないため、--code-page を指定しない限り 932 (日本語) を使います。",
    /* TEXT_HELP_EXIT */
    "\n終了コード: 空行以外のすべての行が割り当てられ、警告がない場合は 0 です\n"
    "(書かれたとおりに割り当てられるキーを示す「メモ」は数えません)。エラーまたは\n"
    "警告を表示した場合は 1、ファイルを開けない場合、書き込めない場合、\n"
    "コマンド ラインが正しくない場合は 2 です。--fix を指定した場合は、修正後の\n"
    "ファイルについての終了コードになります。",
    /* TEXT_OFFER_FIX */
    "\n修正案のとおりにファイルを修正するには、Y を入力して Enter キーを押して\n"
    "ください (元のファイルはバックアップとして残ります)。修正せずに閉じるには、\n"
    "Enter キーだけを押してください。",
    /* TEXT_PRESS_ENTER */ "\n閉じるには Enter キーを押してください。",
    /* TEXT_USAGE_ADD */ "使用法: %s --add 組み合わせ 動作 [対象 [パラメーター]] [--file ファイル名]",
    /* TEXT_HELP_ADD */
    "\n--add を指定すると、ホット キーの行を追加します。行を手で書く必要はありません。\n"
    "組み合わせは普段の書き方 (Ctrl+Alt+N、Ctrl+Shift+F5、Alt+Num5、Ctrl+Alt+Left\n"
    "など) で、動作は EXEC、ALERT、QUIT のいずれかで指定します。EXEC の場合は続けて、\n"
    "開くプログラム、文書、フォルダー、またはアドレスと、必要ならパラメーターを\n"
    "指定します (空白を含む場合は引用符で囲みます)。行は setting.vorn (--file で\n"
    "指定した場合はそのファイル。確認するファイルの指定にも使えます) の最後の\n"
    "行の後に追加します。ファイルがない場合は作成します。ホット キーが機能しない\n"
    "場合は何も書き込みません。行に書けないキー (F12、Esc、IME のキーなど)、\n"
    "Windows が予約している組み合わせ、ファイル内やほかのプログラムで使用済みの\n"
    "組み合わせの場合と、ファイルが既に 50 行ある場合です。修飾キーがない、\n"
    "Ctrl+Alt の組み合わせで文字が入力される、一般的でないキー、対象が見つからない\n"
    "など、確認が必要な場合も書き込まず、代わりに手で追加する行を表示します。\n"
    "--fix で修正される誤りがファイルにあれば、新しい行と同時に修正します。\n"
    "このときの終了コードは、行を追加した場合は 0、追加しなかった場合は 1、\n"
    "コマンド ラインが正しくない場合やファイルを読み書きできない場合は 2 です。",
    /* TEXT_ADD_ARGUMENTS */ "vorn-check: --add には組み合わせと動作を指定してください。例: --add Ctrl+Alt+N EXEC notepad.exe",
    /* TEXT_ADD_TOO_MANY */
    "vorn-check: --add に指定できるのは組み合わせ、動作、対象、パラメーターまでです (余分な引数: %s)。"
    "空白を含む対象やパラメーターは引用符で囲んでください。",
    /* TEXT_ADD_NO_KEY */ "vorn-check: 「%s」にはキーがありません。修飾キーの後にキーを指定してください (例: Ctrl+Alt+N)。",
    /* TEXT_ADD_UNKNOWN_MODIFIER */ "vorn-check: 「%.*s」は修飾キーではありません。Ctrl、Alt、Shift、Win のいずれかを使ってください。",
    /* TEXT_ADD_UNKNOWN_KEY */
    "vorn-check: キー「%.*s」は認識できません。英字、数字、またはキーの名前 (F5、Home、Page Up、Left、Num 5"
    " など) を指定してください。",
    /* TEXT_ADD_UNKNOWN_ACTION */
    "vorn-check: 動作「%s」は認識できません。EXEC (プログラム、文書、フォルダー、アドレスを開く)、ALERT"
    " (テスト表示)、QUIT (Vorn を終了) のいずれかを指定してください。",
    /* TEXT_ADD_NOT_ADDED */ "vorn-check: 「%s」は %s に追加しませんでした。%s",
    /* TEXT_ADD_FILE_UNREADABLE */
    "Vorn が読み込む行を判別できません。vorn-check でファイルを確認すると、理由がわかります。",
    /* TEXT_ADD_FILE_FULL */
    "ファイルには既に %d 行あり、Vorn が読み込むのは最初の %d 行だけです。不要な行を削除してから、"
    "もう一度追加してください。",
    /* TEXT_ADD_NO_KEY_CHARACTER */
    "このキーを表す文字は設定ファイルの行に書けないため、Vorn では割り当てられません。英字、数字、F1 ～ F11、"
    "Home、方向キーなど、別のキーを選んでください。",
    /* TEXT_ADD_RESERVED */ "Windows が予約している組み合わせです。別の組み合わせを選んでください。",
    /* TEXT_ADD_DUPLICATE */
    "%d 行目で既に割り当てられており、そちらが優先されます。別の組み合わせを選ぶか、%d 行目を変更して"
    "ください。",
    /* TEXT_ADD_HELD_ELSEWHERE */
    "ほかのプログラムがこの組み合わせを使用しています。別の組み合わせを選ぶか、先にそのプログラムを終了して"
    "ください。",
    /* TEXT_ADD_HELD_VORN_RUNNING */
    "この組み合わせは使用中です。Vorn が実行中のため、Vorn が別の設定ファイルで使用している可能性があります"
    " (Vorn を終了してからもう一度追加すると、ほかのプログラムが使用しているかどうかがわかります)。",
    /* TEXT_ADD_NO_TARGET */
    "EXEC には開く対象が必要です。EXEC の後にプログラム、文書、フォルダー、またはアドレスを指定してください。",
    /* TEXT_ADD_TARGET_NOT_TAKEN */ "%s には対象もパラメーターも指定できません。",
    /* TEXT_ADD_TAB_IN_TEXT */
    "対象またはパラメーターにタブか改行が含まれているため、別の欄や行として読み込まれてしまいます。",
    /* TEXT_ADD_QUOTE_IN_TARGET */ "対象は引用符で囲まずに指定してください。Vorn が自動的に引用符で囲みます。",
    /* TEXT_ADD_UNCONVERTIBLE */
    "「%s」(U+%04X) は、Vorn がファイルを読み込むコード ページ %u では書けません。ファイルまたはフォルダーの"
    "名前を、この文字を含まない名前に変更するか、別の対象を選んでください。",
    /* TEXT_ADD_LINE_TOO_LONG */ "行が、Vorn が読み込める %d バイトを超えてしまいます。もっと短いパスを選んでください。",
    /* TEXT_ADD_NO_MODIFIER */
    "修飾キーがないため、このキーはどのプログラムで押しても Vorn が受け取り、このキーでは何も入力できなく"
    "なります。",
    /* TEXT_ADD_TYPES_CHARACTER */
    "Ctrl+Alt は AltGr として働くため、%s 用のキーボード レイアウトではこの組み合わせで「%s」が入力されます。",
    /* TEXT_ADD_RARE_KEY */
    "このキーは一般的なキーボードにはありません。ホット キーは、このキーがあるキーボードでのみ機能します。",
    /* TEXT_ADD_TARGET_MISSING */
    "「%s」に該当するファイル、フォルダー、プログラム、登録済みのアドレスが見つかりません (Vorn と同じく、"
    "設定ファイルのフォルダーから探しました)。",
    /* TEXT_ADD_PARAMETER_QUOTES */ "パラメーター内の引用符により、プログラムには表示とは異なる引数が渡されます。",
    /* TEXT_ADD_BY_HAND */ "それでも追加する場合は、次の行を %s に手で追加してください (<タブ> はタブ文字を表します): %s",
    /* TEXT_ADD_WITH_CORRECTIONS */ "%s には --fix で修正できる誤りがあるため、同時に修正します:",
    /* TEXT_ADDED */ "%s: 「%s」を %d 行目に追加しました: %s",
    /* TEXT_ADD_CREATED */ "%s を作成し、「%s」を %d 行目に追加しました: %s",
    /* TEXT_ADD_BACKUP */ "元のファイルは %s として残してあります。",
    /* TEXT_ADD_RESTART */
    "新しいホット キーは Vorn を再起動すると使えるようになります (通知領域のアイコンを右クリック →「終了」、"
    "もう一度起動)",
    /* TEXT_ADD_START */
    "使用するには、%s があるフォルダーを作業フォルダーとして Vorn を起動してください (そのフォルダーの"
    " Vorn.exe をダブルクリックするか、ショートカットの「作業フォルダー」にそのフォルダーを指定します)。",
    /* TEXT_ADD_ALSO */ "  また、%s",
    /* TEXT_NOTE */ "メモ: ",
    /* TEXT_SIGN_KEY_IF_MEANT */
    "%s 用のキーボード レイアウトでは、「%c」は %sで入力します。「%c」を入力するキーを割り当てたい場合は、"
    "次のように書きます。",
    /* TEXT_ALL_BOUND */ "すべての行が、書かれたとおりに割り当てられます。",
    /* TEXT_NOTHING_LEFT_TO_FIX */ "%s: vorn-check で自動的に修正できる箇所はありません。ファイルは変更していません。",
    /* TEXT_LEFT_FOR_USER */
    "\n次の行は、vorn-check では自動的に修正できません。それぞれの説明を確認してください。",
    /* TEXT_WRITE_ELSEWHERE */
    "修正案は上に表示したとおりです。フォルダーを書き込みできる場所 (ドキュメント フォルダーなど) にコピーして"
    "そこで vorn-check を実行するか、修正案のとおりにファイルを手動で修正してください。",
    /* TEXT_SPACE_MARK */ "<空白>",
    /* TEXT_ENCODING_ONLY */ " (文字コードを変換)",
    /* TEXT_CONVERTED_LINE */ "文字コードだけを変換しました (内容は変わりません)。",
    /* TEXT_SUMMARY_MISREAD */
    "%s: エディターに表示される %d 行のうち、Vorn が割り当てるのは %d 行です (警告のある割り当て %d)。",
    /* TEXT_SIGN_KEY_CANNOT_BIND_IF_MEANT */
    "%s 用のキーボード レイアウトで「%c」を入力するキーの仮想キー コードは 0x%02X で、このコードを表す文字は"
    "キーの欄に書けません。「%c」を入力するキーのつもりだった場合、そのキーはどの行でも割り当てられません。",
    /* TEXT_ASK_SPLIT */
    "\n%d 行目 %s は、空白での区切り方が複数考えられます (どの区切り方でも、対象が存在します)。",
    /* TEXT_READING */
    "    %d 番: %s",
    /* TEXT_ASK_CHOICE */
    "意図した区切り方の番号を入力して Enter キーを押してください。このままでよければ、Enter キーだけを押して"
    "ください。",
    /* TEXT_ASK_LETTER_KEY */
    "\n%d 行目 %s は %sに割り当てられます。%c キーのつもりなら、Y を入力して Enter キーを押してください (行を"
    " %s に書き換えます)。このままでよければ、Enter キーだけを押してください。",
    /* TEXT_ASK_SIGN_KEY */
    "\n%d 行目 %s は %sに割り当てられます。「%c」を入力するキー (%s) のつもりなら、Y を入力して Enter キーを"
    "押してください (行を %s に書き換えます)。このままでよければ、Enter キーだけを押してください。",
    /* TEXT_CHOOSE_ANOTHER_KEY */
    "\n%d 行目 %s: 「%s」キーはどの行でも割り当てられません。別のキーを選んでください (例: %s)。",
    /* TEXT_NOTHING_CHANGED */
    "\nファイルは変更していません。",
    /* TEXT_ANSWERED */
    "%s: 回答のとおりに %d 行を書き換えました。元のファイルは %s として残してあります。",
    /* TEXT_ALSO_ANSWERED */
    "%s: さらに、回答のとおりに %d 行を書き換えました。",
    /* TEXT_SPLITS_FOUND */
    "空白での区切り方が %d 通りあり、どの区切り方でも対象が存在します。タブで区切って書くか、コンソールで"
    " vorn-check を実行して、質問に答えてください。",
    /* TEXT_NO_TARGET_FOUND */
    "空白のどこで区切っても、対象が見つかりません。タブで区切って書き、対象とパラメーターの間にもタブを"
    "入れてください:",
    /* TEXT_HELP_QUESTIONS */
    "\nコンソールで実行した場合 (ダブルクリックした場合や、コマンド プロンプトで\n"
    "--fix を指定した場合) は、続けて、書いた人にしか判断できない行について\n"
    "質問します。小文字や記号で書いたキーがどのキーのつもりか、空白で区切った行の\n"
    "対象がどこまでか、などです。回答は修正と一緒に一度に書き込みます。\n"
    "--no-questions を指定すると、スクリプトから実行した場合と同じように、確実な\n"
    "修正だけを書き込みます。",
    /* TEXT_OPEN_NOT_FOUND */
    "フォルダー「%s」に、この名前のファイルはありません。",
    /* TEXT_OPEN_FOLDER */
    "これはファイルではなく、フォルダーです。",
    /* TEXT_OPEN_NO_ACCESS */
    "アクセスが拒否されました。このファイルを読み取る権限がありません。",
    /* TEXT_OPEN_IN_USE */
    "ほかのプログラムがこのファイルを使用しているため、読み取れません。",
    /* TEXT_OPEN_OTHER */
    "システム エラー %d が発生しました。",
    /* TEXT_NEAR_NAME */
    "このフォルダーには「%s」があります。メモ帳などのエディターが保存時に拡張子を付けた可能性があります"
    " (エクスプローラーでは拡張子が表示されないことがあります)。ファイル名を「%s」に変更してください。",
    /* TEXT_OFFER_RENAME */
    "\n「%s」のファイル名を「%s」に変更するには、Y を入力して Enter キーを押してください。変更しない場合は、"
    "Enter キーだけを押してください。",
    /* TEXT_RENAMED */
    "「%s」のファイル名を「%s」に変更しました。",
    /* TEXT_RENAME_FAILED */
    "vorn-check: 「%s」のファイル名を「%s」に変更できませんでした (システム エラー %d)。",
    /* TEXT_ADD_PRESS */ "\n割り当てるキーの組み合わせを押してください (Esc: 中止)",
    /* TEXT_ADD_COMBINATION */ "%s: 行の修飾キーの欄は「%s」、キーの欄は「%s」になります。",
    /* TEXT_ADD_CANCELLED */ "中止しました。%s は変更していません。",
    /* TEXT_ADD_PRESS_ANOTHER */ "別の組み合わせを押してください。",
    /* TEXT_ADD_USE_ANYWAY */
    "それでもこの組み合わせを使用する場合は Y を入力して Enter キーを、別の組み合わせを押す場合は Enter キー"
    "だけを押してください。",
    /* TEXT_ADD_TARGET */
    "\n実行する内容: プログラム・文書・フォルダーをこのウィンドウにドラッグするか、アドレスを入力してください"
    " (ALERT: テスト表示、QUIT: 終了)",
    /* TEXT_ADD_PARAMETERS */ "渡すパラメーター (ない場合は Enter キーだけを押してください):",
    /* TEXT_ADD_OFFER_SHORT_NAME */
    "短い名前「%s」なら設定ファイルに書けます。短い名前を使用する場合は Y を入力して Enter キーを、"
    "別の内容を指定する場合は Enter キーだけを押してください。",
    /* TEXT_ADD_TARGET_FOUND */ "対象が見つかりました。",
    /* TEXT_ADD_TARGET_UNKNOWN */ "対象があるかどうかは、ホット キーを押したときにシェルが判断します。",
    /* TEXT_ADD_CONFIRM */
    "この行を追加する場合は Y を入力して Enter キーを、ファイルを変更しない場合は Enter キーだけを押して"
    "ください。",
    /* TEXT_ADD_NOT_WRITTEN */ "%s は変更していません。",
    /* TEXT_ADD_NO_CAPTURE */
    "vorn-check: ここではキーボードの入力を受け取れません (エラー %lu)。組み合わせをコマンド ラインで"
    "指定してください:\n"
    "  vorn-check --add 組み合わせ 動作 [対象 [パラメーター]]",
    /* TEXT_OFFER_CREATE */
    "\nsetting.vorn がありません。ホット キーを追加して作成しますか? (Y: 作成する、Enter: 閉じる)",
    /* TEXT_OFFER_ADD */ "\nA: ホット キーを追加",
    /* TEXT_ADD_NO_CONSOLE */
    "vorn-check: --add で組み合わせを実際に押して指定できるのは、コンソールで実行した場合だけです。組み合わせを"
    "コマンド ラインで指定してください:\n  vorn-check --add 組み合わせ 動作 [対象 [パラメーター]]",
    /* TEXT_ADD_LINE */ "\n%s の %d 行目に追加する行:\n  %s",
    /* TEXT_ADD_REFUSED */ "「%s」は追加できません。%s",
    /* TEXT_ADD_CAUTION */ "警告: %s",
    /* TEXT_ADD_FIX_TOO */ "%s には --fix で修正できる誤りもあります。行の追加と同時に修正します。",
    /* TEXT_HELP_ADD_CONSOLE */
    "\n--add だけ (または --add ファイル名) を指定すると、コンソールで確認しながら\n"
    "追加します。キーの組み合わせを押し、開くものをウィンドウにドラッグして、\n"
    "最後に Y を入力すると行を書き込みます。",
};

// NOLINTEND(bugprone-suspicious-missing-comma)

static const char *const *const TABLES[REPORT_LANGUAGES] = {ENGLISH, JAPANESE};

// The keys whose sentence name is more than their label and " key", as
// Windows names them in each language.
static const struct {
    int keyCode;
    const char *names[REPORT_LANGUAGES];
} SENTENCE_KEYS[] = {
    {0x01, {"left mouse button", "マウスの左ボタン"}},
    {0x02, {"right mouse button", "マウスの右ボタン"}},
    {0x04, {"middle mouse button", "マウスの中央ボタン"}},
    {0x05, {"X1 mouse button", "X1 マウス ボタン"}},
    {0x06, {"X2 mouse button", "X2 マウス ボタン"}},
    {0x15, {nullptr, "かなキー"}},
    {0x16, {nullptr, "IME オン キー"}},
    {0x17, {nullptr, "IME Junja モード キー"}},
    {0x18, {nullptr, "IME ファイナル モード キー"}},
    {0x19, {nullptr, "漢字キー"}},
    {0x1A, {nullptr, "IME オフ キー"}},
    {0x1C, {nullptr, "変換キー"}},
    {0x1D, {nullptr, "無変換キー"}},
    {0x1E, {nullptr, "IME 確定キー"}},
    {0x1F, {nullptr, "IME モード変更キー"}},
    {0x20, {nullptr, "スペース キー"}},
    {0x25, {"Left Arrow key", "左方向キー"}},
    {0x26, {"Up Arrow key", "上方向キー"}},
    {0x27, {"Right Arrow key", "右方向キー"}},
    {0x28, {"Down Arrow key", "下方向キー"}},
    {0x5B, {"left Windows logo key", "左 Windows ロゴ キー"}},
    {0x5C, {"right Windows logo key", "右 Windows ロゴ キー"}},
    {0x5D, {"Application key", "アプリケーション キー"}},
    {0x5F, {nullptr, "スリープ キー"}},
    {0x6C, {nullptr, "テンキーの区切り記号キー"}},
    {0x6E, {nullptr, "テンキーの小数点キー"}},
};

const char *SentenceKeyName(ReportLanguage language, int keyCode)
{
    if (language < 0 || language >= REPORT_LANGUAGES)
        return nullptr;
    for (size_t i = 0; i < sizeof SENTENCE_KEYS / sizeof SENTENCE_KEYS[0]; ++i) {
        if (SENTENCE_KEYS[i].keyCode == keyCode)
            return SENTENCE_KEYS[i].names[language];
    }
    return nullptr;
}

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
