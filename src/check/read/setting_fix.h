// vorn-check's corrections: where a line's plain meaning is not what Vorn
// reads, the line to write instead; and the whole file so corrected. The
// report prints these lines and --fix writes exactly them.
#ifndef VORN_CHECK_SETTING_FIX_H
#define VORN_CHECK_SETTING_FIX_H

#include "check/read/setting_check.h"

enum {
    // Vorn reads at most 50 lines of 199 bytes; a larger file is not corrected.
    FIX_FILE_SIZE = 256 * 1024,
    // The file in the code page: UTF-16 grows by half in UTF-8.
    FIX_TEXT_SIZE = FIX_FILE_SIZE * 2,
    FIX_LINE_SIZE = SETTING_LINE_SIZE + 2,
    MAX_FILE_FINDINGS = 8,  // NULs and characters without a form, each told
    MAX_SPLITS = 4          // the readings of a spaced line that are offered
};

// What a correction changed in a line; any number of them.
enum LineCorrection {
    CORRECTED_FULL_WIDTH = 1 << 0,      // full-width letters, digits and spaces as half-width
    CORRECTED_MODIFIERS = 1 << 1,       // small letters or modifier words as the capitals Vorn reads
    CORRECTED_NAME = 1 << 2,            // a key or action name in another case
    CORRECTED_KEY_NAME = 1 << 3,        // a key's name as the character of its virtual-key code
    CORRECTED_QUOTES = 1 << 4,          // a target or parameters out of quotes that Vorn adds itself
    CORRECTED_TABS = 1 << 5,            // spaces between the fields as tabs
    CORRECTED_TRAILING_SPACE = 1 << 6,  // spaces after the modifiers, key or action removed
    CORRECTED_LINE_END = 1 << 7,        // the line end added after text past the last LF
    CORRECTED_NUL = 1 << 8,             // NUL bytes removed
    CORRECTED_ENCODING = 1 << 9         // the line's characters in the code page Vorn reads
};

// What is told of a line that is not corrected.
enum LineNote {
    NOTE_KEY_CANNOT_BIND = 1 << 0,  // a key name whose virtual-key code no key field can hold, or F12
    NOTE_FULL_WIDTH_SIGN = 1 << 1,  // a full-width sign as the key: the key that types it is explained
    NOTE_SPLITS = 1 << 2,           // spaces for tabs, and the target could end at more than one of them
    NOTE_NO_SPLIT = 1 << 3          // spaces for tabs, and no way of cutting the rest names a target that exists
};

struct LineFix {
    int number;                 // from 1, as an editor counts lines
    const char *before;         // the line in the code page, without its LF
    int beforeLength;
    char after[FIX_LINE_SIZE];  // what to write instead, without its LF
    int afterLength;
    const char *lineEnd;        // what follows it: its LF, or the line end added
    unsigned corrections;       // LineCorrection flags; 0: the line stays byte for byte
    unsigned notes;             // LineNote flags
    int keyCode;                // with NOTE_KEY_CANNOT_BIND, what the name stands for
    char sign;                  // with NOTE_FULL_WIDTH_SIGN, the sign in half-width
    int splitCount;             // with NOTE_SPLITS, how many readings; more than MAX_SPLITS are not offered
    int next;                   // where the next line starts in the text
};

// A NUL byte ends what Vorn takes of its 99-byte read.
struct NulLoss {
    int line;        // the line that holds the NUL
    long from, to;   // the bytes of the file dropped, counted from 0
    int joinedLine;  // the line whose rest follows it as one; 0 none, -1 the file ends first
};

struct Unconvertible {
    int line;
    unsigned point;  // a character the code page has no form of
};

struct SettingFix {
    const wchar_t *path;             // where targets are looked for from; null: nowhere
    unsigned codePage;
    int tooLarge;                    // nothing is corrected
    int misread;                     // corrected, it would pass for UTF-8 or UTF-16: nothing is corrected
    SettingEncoding encoding;
    char original[FIX_FILE_SIZE];    // the file as read
    int originalLength;
    char text[FIX_TEXT_SIZE];        // the file in the code page Vorn reads
    int textLength;
    int aligned;                     // Vorn's lines are the editor's: no NUL, not UTF-16
    NulLoss nuls[MAX_FILE_FINDINGS];
    int nulCount;                    // all of them, told or not
    Unconvertible unconvertible[MAX_FILE_FINDINGS];
    int unconvertibleCount;          // all of them, told or not
    const char *lineEnd;             // the file's own, for a line that lacks one
    char fixed[FIX_TEXT_SIZE + 2];   // the corrected file
    int fixedLength;
    int changedLines;
};

// Corrects length bytes of a settings file as Vorn reads them in codePage.
void FixSettingText(const char *bytes, int length, unsigned codePage, SettingFix *fix);

// The same for the file at path, where its targets are looked for;
// non-zero when it cannot be opened or read.
int LoadSettingFix(const wchar_t *path, unsigned codePage, SettingFix *fix);

// Fills line with the correction of the line after it, the first for a
// zeroed line; returns 0 after the last.
int NextLineFix(const SettingFix *fix, LineFix *line);

// What --fix writes for the line, without its line end: the correction, or
// the line as it stands where it is too long to be corrected.
const char *WrittenLine(const LineFix *line, int *length);

// A line written with spaces for tabs, with tabs as its reading number
// choice (from 1) cuts it, its targets looked for from the settings file at
// path; or, with choice 0 and NOTE_NO_SPLIT, with tabs after the action
// only, for the user to fill in. Returns its length without its line end,
// 0 where there is no such reading.
int SpacedLineReading(unsigned codePage, const wchar_t *path, const LineFix *line, int choice, char *out,
                      int capacity);

// Whether --fix writes the file: a line changes, and every character converts.
int FixChangesFile(const SettingFix *fix);

// A line to bind a key that the line does not: its fields, its key
// replaced by key and S added to its modifiers when shift is set, with one
// tab between them. Returns its length.
int SuggestLine(const char *line, int length, int shift, char key, char *out, int capacity);

// The next argument a program takes from its command line by Windows'
// rules (quotes group, "" in quotes and \" are a quote), from *rest on, in
// the code page; returns 0 after the last.
int NextArgument(unsigned codePage, const char **rest, char *argument, int capacity);

#endif
