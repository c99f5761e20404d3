// Every word vorn-check says, one table per language: printf formats that
// take the same arguments, in the same order, in every language.
#ifndef VORN_CHECK_CHECK_TEXT_H
#define VORN_CHECK_CHECK_TEXT_H

enum ReportLanguage { REPORT_ENGLISH, REPORT_JAPANESE, REPORT_LANGUAGES };

enum ReportText {
    TEXT_HEADER,
    TEXT_BLANK,
    TEXT_TOO_LONG,
    TEXT_NO_TAB,
    TEXT_EMPTY_KEY,
    TEXT_KEY_TRAILING_SPACE,
    TEXT_UNKNOWN_KEY,
    TEXT_EMPTY_ACTION,
    TEXT_ACTION_TRAILING_SPACE,
    TEXT_UNKNOWN_ACTION,
    TEXT_PAST_LAST_SLOT,
    TEXT_LIST_SEPARATOR,
    TEXT_LIST_LAST_SEPARATOR,
    TEXT_NUMPAD_KEY,
    TEXT_KEY_NAMED,
    TEXT_VIRTUAL_KEY_CODE,
    TEXT_WARNING,
    TEXT_DUPLICATE,
    TEXT_HELD_ELSEWHERE,
    TEXT_HELD_VORN_RUNNING,
    TEXT_LONG_MODIFIERS,
    TEXT_OTHER_MODIFIER_BYTES,
    TEXT_NO_MODIFIER,
    TEXT_SMALL_LETTER_KEY,
    TEXT_CHARACTER_KEY,
    TEXT_CONTROL_BYTE_KEY,
    TEXT_LETTER_KEY,
    TEXT_SIGN_KEY,
    TEXT_SIGN_KEY_CANNOT_BIND,
    TEXT_KEY_NAME_AS_CHARACTER,
    TEXT_KEY_NAME_CANNOT_BIND,
    TEXT_KEY_NAME_DEBUGGER,
    TEXT_QUOTED_TARGET,
    TEXT_PARAMETER_QUOTES,
    TEXT_HIGH_BYTE_KEY,
    TEXT_NO_SUCH_KEY,
    TEXT_RARE_KEY,
    TEXT_RESERVED,
    TEXT_DEBUGGER_KEY,
    TEXT_TARGET_MISSING,
    TEXT_TYPES_CHARACTER,
    TEXT_BEYOND_ASCII,
    TEXT_SAVED_UTF8_BOM,
    TEXT_SAVED_UTF16,
    TEXT_SAVED_UTF8,
    TEXT_FIX_SHIFT_JIS,
    TEXT_FIX_ANSI,
    TEXT_FIX_ASCII,
    TEXT_TRAILING_BYTES,
    TEXT_NUL_BYTE,
    TEXT_NUL_JOINS,
    TEXT_NUL_TO_END,
    TEXT_UNCONVERTIBLE,
    TEXT_MORE_FINDINGS,
    TEXT_TAB_MARK,
    TEXT_CORRECTION,
    TEXT_LINE_END_ADDED,
    TEXT_LINE_CORRECTION,
    TEXT_BEFORE,
    TEXT_AFTER,
    TEXT_TOO_LARGE_TO_FIX,
    TEXT_FIX_OFFER,
    TEXT_CONVERTED,
    TEXT_FIXED,
    TEXT_NOTHING_TO_FIX,
    TEXT_FIX_FAILED,
    TEXT_STEP_BACKUP,
    TEXT_STEP_WRITE,
    TEXT_STEP_REPLACE,
    TEXT_REASON_NO_ACCESS,
    TEXT_REASON_IN_USE,
    TEXT_REASON_DISK_FULL,
    TEXT_REASON_NO_FREE_NAME,
    TEXT_REASON_OTHER,
    TEXT_SUMMARY,
    TEXT_CODE_PAGE,
    TEXT_CODE_PAGE_SYSTEM,
    TEXT_CODE_PAGE_ASSUMED,
    TEXT_CODE_PAGE_GIVEN,
    TEXT_CANNOT_OPEN,
    TEXT_NOT_A_CODE_PAGE,
    TEXT_NOT_A_LANGUAGE,
    TEXT_NOT_UNDERSTOOD,
    TEXT_ONE_FILE,
    TEXT_ARGUMENT_TOO_LONG,
    TEXT_TOO_MANY_ARGUMENTS,
    TEXT_USAGE,
    TEXT_HELP,
    TEXT_HELP_FIX,
    TEXT_HELP_CODE_PAGE,
    TEXT_HELP_EXIT,
    TEXT_OFFER_FIX,
    TEXT_PRESS_ENTER,
    TEXT_COUNT
};

// The text in a language; never null.
const char *ReportTextIn(ReportLanguage language, ReportText text);

// How a sentence in the language names the key of a virtual-key code
// where a key's label alone would not say it ("left mouse button",
// "左方向キー"); null for the rest, which the report names by label or code.
const char *SentenceKeyName(ReportLanguage language, int keyCode);

// Japanese for a locale or language name that begins with "ja", English
// for any other, null included.
ReportLanguage LanguageFromName(const char *name);

#endif
