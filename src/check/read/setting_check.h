// vorn-check's verdict on each line of a settings file, reached through the
// very parser, name tables and line reader the program itself uses.
#ifndef VORN_CHECK_SETTING_CHECK_H
#define VORN_CHECK_SETTING_CHECK_H

#include "check/system/check_probe.h"
#include "settings/setting_line.h"
#include "settings/setting_reader.h"

// Why a line is not bound; the first that applies is given.
enum LineProblem {
    PROBLEM_NONE,
    PROBLEM_BLANK,           // CR LF or LF alone: not counted as a fault
    PROBLEM_TOO_LONG,        // longer than the reader takes
    PROBLEM_NO_TAB,          // rejected, and without a tab: all of it was read as modifiers
    PROBLEM_EMPTY_KEY,
    PROBLEM_KEY_TRAILING_SPACE,
    PROBLEM_UNKNOWN_KEY,
    PROBLEM_EMPTY_ACTION,
    PROBLEM_ACTION_TRAILING_SPACE,
    PROBLEM_UNKNOWN_ACTION,
    PROBLEM_PAST_LAST_SLOT   // after the 50th line: never read into a slot
};

// What may surprise in a line that is bound; any number of them.
enum LineWarning {
    WARNING_DUPLICATE = 1 << 0,         // an earlier line holds the combination and wins
    WARNING_HELD_ELSEWHERE = 1 << 1,    // another program holds the combination
    WARNING_LONG_MODIFIERS = 1 << 2,    // modifier field longer than 9 bytes
    WARNING_KEY_CHARACTER = 1 << 3,     // a small letter or a sign names some other key: a note
    WARNING_HIGH_BYTE_KEY = 1 << 4,     // a byte above 0x7F gives no usable key
    WARNING_OTHER_MODIFIER_BYTES = 1 << 5,
    WARNING_NO_MODIFIER = 1 << 6,       // the key alone is taken everywhere
    WARNING_HELD_VORN_RUNNING = 1 << 7, // held while Vorn runs, which may be the holder
    WARNING_TARGET_MISSING = 1 << 8,    // the shell would find nothing to open
    WARNING_NO_SUCH_KEY = 1 << 9,       // a virtual-key code that no key sends
    WARNING_RARE_KEY = 1 << 10,         // a key that common keyboards lack
    WARNING_RESERVED = 1 << 11,         // a combination Windows keeps for itself
    WARNING_DEBUGGER_KEY = 1 << 12,     // F12, reserved for the debugger
    WARNING_TYPES_CHARACTER = 1 << 13,  // Ctrl+Alt is AltGr, and types a character on a layout
    WARNING_BEYOND_ASCII = 1 << 14,     // target or parameters beyond ASCII, where ANSI is not the OEM code page
    WARNING_QUOTED_TARGET = 1 << 15,    // quotes in the target, besides the ones Vorn adds
    WARNING_PARAMETER_QUOTES = 1 << 16  // quotes in the parameters: the program gets other arguments
};

// What is told of a line bound as written, which is no mistake: notes,
// never counted among the warnings.
enum { LINE_NOTES = WARNING_KEY_CHARACTER };

enum { MAX_LAYOUTS_NAMED = 4 };

// How the file was saved, where that garbles what Vorn reads.
enum SettingEncoding {
    ENCODING_FITS,       // nothing says it is not in the OEM code page
    ENCODING_UTF8_BOM,   // UTF-8 with a byte order mark
    ENCODING_UTF16,      // UTF-16 little-endian: its byte order mark, or every tab and LF a unit of its own
    ENCODING_UTF8,       // valid UTF-8 with multi-byte characters, while the code page is not UTF-8
    ENCODING_UTF16_BE    // UTF-16 big-endian, told the same way
};

// What the bytes of a file, read piece by piece, say of how it was saved.
struct EncodingScan {
    long offset;
    unsigned char before[2];  // the two bytes before this piece, newest first
    int pending;              // continuation bytes the current UTF-8 character still needs
    int invalidUtf8;
    int multibyteUtf8;
    int utf8Bom;
    int utf16Bom;             // 1 little-endian, 2 big-endian
    int littleEndianUnits;    // tabs and LFs as UTF-16 units, each way
    int bigEndianUnits;
    int notLittleEndian;      // a tab or LF byte that is no such unit
    int notBigEndian;
    long nulBytes;
};

// Adds length more bytes of the file to what scan has seen; scan starts zeroed.
void ScanEncoding(EncodingScan *scan, const char *bytes, int length);

SettingEncoding EncodingVerdict(const EncodingScan *scan, unsigned codePage);

// UTF-16 in either byte order.
int IsUtf16(SettingEncoding encoding);

struct LineVerdict {
    int number;                 // from 1
    int slot;                   // -1 past the last slot
    int length;                 // bytes before the LF
    const char *text;           // the line, or its beginning when too long
    SettingLineFields fields;
    ParsedSettingLine parsed;
    LineProblem problem;
    unsigned warnings;          // LineWarning flags
    int duplicateOf;            // the line that wins, with WARNING_DUPLICATE
    unsigned codePage;          // the OEM code page the line is read in
    unsigned ansiCodePage;      // what editors save as "ANSI" there
    TypedCharacter typed[MAX_LAYOUTS_NAMED];  // with WARNING_TYPES_CHARACTER
    int typedCount;
};

struct CheckSummary {
    int lines;
    int bound;
    int blank;
    int rejected;               // problems other than blank lines
    int warned;                 // bound lines with warnings
    int noted;                  // bound lines with notes and no warning
    int trailingBytes;          // text after the last LF, which is no line
    long nulBytes;              // each ends what Vorn takes of its 99-byte read
    int endsWithLineFeed;       // the file's last byte is an LF: bytes after Vorn's last are a NUL's doing
    unsigned codePage;          // the OEM code page the file was judged in
    unsigned ansiCodePage;      // what editors save as "ANSI" there
    SettingEncoding encoding;
};

typedef void (*VerdictHandler)(void *context, const LineVerdict *verdict);

// Reads the file, as Vorn would read it in the OEM code page codePage, and
// hands the verdict on each line to handler, in order. Returns 0 when the
// file could be opened, non-zero when it could not.
int CheckSettingFile(const wchar_t *path, unsigned codePage, VerdictHandler handler, void *context,
                     CheckSummary *summary);

// What can be told of a combination alone, on any system: a code no key
// sends, a key common keyboards lack, one Windows keeps, F12 (LineWarning flags).
unsigned CombinationWarnings(unsigned modifiers, int32_t keyCode);

// 0 when every non-blank line is bound and nothing was warned of (notes
// aside), 1 otherwise.
int CheckExitStatus(const CheckSummary *summary);

#endif
