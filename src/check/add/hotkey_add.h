// Adding a hotkey to a settings file without writing the line by hand: a
// combination read as people write it, the line built by the tables the
// check reads with, the reasons a line is refused or needs a yes, and the
// file's text with the line after its last line. Portable, host-tested;
// the questions on a console and the command line use these alone.
#ifndef VORN_CHECK_HOTKEY_ADD_H
#define VORN_CHECK_HOTKEY_ADD_H

#include "check/report/check_text.h"
#include "check/read/setting_check.h"
#include "check/read/setting_fix.h"

// Why a combination written as text could not be read.
enum CombinationError {
    COMBINATION_READ,              // modifiers (or none) and a key
    COMBINATION_NO_KEY,            // empty, or modifiers alone
    COMBINATION_UNKNOWN_MODIFIER,  // a word before the last + that is no modifier
    COMBINATION_UNKNOWN_KEY        // the last word names no key
};

struct ParsedCombination {
    unsigned modifiers;  // MOD_ flags
    int keyCode;         // the virtual-key code; 0 where none was read
    const char *word;    // with COMBINATION_UNKNOWN_*, the word in the text
    int wordLength;
};

// Reads a combination as people write it, in UTF-8: "Ctrl+Alt+N",
// "win+home", "Ctrl+Shift+F5", "Alt+Num5", "Ctrl+Num +": modifier words
// (Ctrl, Control, Ctl, Alt, Shift, Win, Windows) joined by +, then the key
// by a letter or digit, by a name the report prints in either language
// ("Page Up", "Left Arrow key", "左方向キー", "テンキーの 5 キー"), or by
// Microsoft's virtual-key name ("VK_PRIOR", "PgUp", "Numpad5"); any case,
// spaces inside names and around the + ignored. Returns why not, or
// COMBINATION_READ.
CombinationError ParseCombination(const char *text, ParsedCombination *combination);

// An action's name in any case ("exec"); ACTION_NONE for another word.
ActionCode ActionFromName(const char *name);

// The name Vorn reads for an action ("EXEC"); null for ACTION_NONE.
const char *ActionNameOf(ActionCode action);

// The key field Vorn reads for a virtual-key code: its name where Vorn has
// one (LEFT), else the one character whose code it is ("t" for F5, "$" for
// Home). Returns the field's length, 0 where no character Vorn can read
// stands for the code: below the space, F12 (which Windows keeps for the
// debugger), above 0x7E. field takes at least 8 bytes.
int KeyField(int keyCode, char *field);


// What is asked for; texts in UTF-8, empty for none.
struct HotkeyRequest {
    unsigned modifiers;
    int keyCode;
    ActionCode action;
    const char *target;
    const char *parameters;
};

// Why a line is not written; the first that applies is given.
enum AddRefusal {
    ADD_ACCEPTED,
    ADD_FILE_UNREADABLE,        // vorn-check cannot tell the file's lines (its report says why)
    ADD_FILE_FULL,              // the file has 50 lines: Vorn reads no more
    ADD_NO_KEY_CHARACTER,       // no character Vorn can read stands for the key (F12, Esc, IME keys...)
    ADD_RESERVED,               // Windows keeps the combination (the report's table)
    ADD_DUPLICATE,              // a line of the file binds it already, and the earlier line wins
    ADD_HELD_ELSEWHERE,         // another program holds it
    ADD_HELD_VORN_RUNNING,      // held while Vorn runs, perhaps from another settings file
    ADD_NO_TARGET,              // EXEC needs something to open
    ADD_TARGET_NOT_TAKEN,       // ALERT and QUIT take no target or parameters
    ADD_TAB_IN_TEXT,            // a tab would start another field
    ADD_QUOTE_IN_TARGET,        // no name holds a quote, and Vorn adds its own
    ADD_UNCONVERTIBLE,          // a character the OEM code page cannot hold
    ADD_LINE_TOO_LONG           // Vorn reads a line of at most 199 bytes
};

// What is written only after a yes; any number of them.
enum AddWarning {
    ADD_WARN_NO_MODIFIER = 1 << 0,       // the key stops typing in every program
    ADD_WARN_TYPES_CHARACTER = 1 << 1,   // Ctrl+Alt is AltGr, and types a character on an installed layout
    ADD_WARN_RARE_KEY = 1 << 2,          // a key common keyboards lack
    ADD_WARN_TARGET_MISSING = 1 << 3,    // the shell would find nothing to open
    ADD_WARN_PARAMETER_QUOTES = 1 << 4   // quotes in the parameters: the program gets other arguments
};

struct AddVerdict {
    AddRefusal refusal;
    unsigned warnings;                        // AddWarning flags
    int number;                               // the line the new one becomes, from 1
    int earlierLine;                          // with ADD_DUPLICATE
    unsigned character;                       // with ADD_UNCONVERTIBLE, the character
    TypedCharacter typed[MAX_LAYOUTS_NAMED];  // with ADD_WARN_TYPES_CHARACTER
    int typedCount;
    char line[SETTING_LINE_SIZE];             // with ADD_ACCEPTED, the line in the code page, without a line end
    int lineLength;
};

// The text the new line goes after: the file as --fix would write it where
// it has corrections to write (*corrected set), else the file as it is;
// null where vorn-check cannot tell its lines (too large, NUL bytes or an
// encoding that cannot be converted).
const char *AddBaseText(const SettingFix *fix, int *length, int *corrected);

// Judges the combination against text (the base, in the code page; null
// for a file whose lines cannot be told, "" for a new file), in this
// order: the file, the key, Windows' table, the file's own lines, and
// another program's registration (ProbeHotkeyIsHeld, ProbeVornIsRunning);
// then the warnings (no modifier, ProbeTypedCharacters, a rare key). Sets
// refusal, warnings and number, and clears the rest.
void JudgeCombination(unsigned modifiers, int keyCode, const char *text, int length, AddVerdict *verdict);

// Judges the action, target and parameters and, where nothing refuses
// them, builds the line into verdict->line. Adds its own warnings
// (ProbeTarget, with relative targets taken from settingsPath's folder).
// Leaves a refusal of the combination as it is.
void JudgeTarget(const HotkeyRequest *request, unsigned codePage, const wchar_t *settingsPath, AddVerdict *verdict);

// Both, the combination first.
void JudgeHotkey(const HotkeyRequest *request, unsigned codePage, const char *text, int length,
                 const wchar_t *settingsPath, AddVerdict *verdict);

// The settings line for a request, without its line end, in codePage:
// modifier letters in capitals (C, A, S, W), the key field, the action's
// name, then the target and the parameters as given, one tab between the
// fields and none after the last that holds text. Returns its length; 0
// where the key has no field or the line would not fit capacity, and -1
// where a character has no form in the code page (*unconvertible says
// which).
int BuildSettingLine(const HotkeyRequest *request, unsigned codePage, char *line, int capacity,
                     unsigned *unconvertible);

// text with line after its last line: a line end first where the text
// lacks a final one, the text's own line end (CR LF where it has no LF,
// as in a new file) and one after the line. Returns the new length; -1
// where it does not fit capacity.
int AppendSettingLine(const char *text, int length, const char *line, int lineLength, char *out, int capacity);

#endif
