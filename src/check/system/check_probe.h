// What vorn-check alone asks of the system it runs on: who holds a
// combination, whether Vorn itself runs, whether the shell could open a
// target, what "ANSI" is, which characters a combination types and which
// key types a character. probe_win32.cpp answers
// on Windows; probe_posix.cpp, on a host without hotkeys, a shell or Windows'
// keyboard layouts, knows little and assumes a Japanese keyboard; host tests
// bring a fake.
#ifndef VORN_CHECK_CHECK_PROBE_H
#define VORN_CHECK_CHECK_PROBE_H

#include <wchar.h>

// Whether some program already holds the combination: a registration of our
// own is refused. A successful probe is released at once.
int ProbeHotkeyIsHeld(unsigned modifiers, int keyCode);

// Whether a window of Vorn's class exists: Vorn runs on this desktop.
int ProbeVornIsRunning();

enum TargetVerdict {
    TARGET_UNKNOWN,  // not judged: a false alarm is worse than silence
    TARGET_FOUND,
    TARGET_MISSING   // the shell would open nothing
};

// Whether the shell could open target (settings text, in the OEM code page)
// as Vorn hands it over, with relative paths taken from the folder of the
// settings file, which is where Vorn runs.
TargetVerdict ProbeTarget(const char *target, const wchar_t *settingsPath);

// The ANSI code page, what editors such as Notepad save as "ANSI", on the
// system whose OEM code page is oemCodePage.
unsigned ProbeAnsiCodePage(unsigned oemCodePage);

// A character that a combination types on one keyboard layout.
struct TypedCharacter {
    unsigned layout;    // the language the layout is for, as a language identifier
    char character[8];  // in UTF-8
};

// Windows delivers AltGr as Ctrl+Alt, so on many layouts Ctrl+Alt (with or
// without Shift) and a key types a character. Fills typed with the layouts
// the user has installed on which the combination does, at most capacity;
// returns how many.
int ProbeTypedCharacters(unsigned modifiers, int keyCode, TypedCharacter *typed, int capacity);

// What one layout's answers come to, shared by the probes: the key's
// ToUnicodeEx result and text with Ctrl+Alt (and any Shift) held, then
// without Ctrl+Alt. Adds the layout's language and the character to
// typed[count] where the key types a character that only Ctrl+Alt gives: not
// a control character, not what it types without them; a dead key counts. A
// language already told with the same character is not added again. Returns
// the new count, never more than capacity.
int AddTypedCharacter(TypedCharacter *typed, int count, int capacity, unsigned layout,
                      const char16_t *withCtrlAlt, int withCtrlAltResult, const char16_t *without,
                      int withoutResult);

// The name of the language a layout is for, in English or in Japanese as
// far as Windows has it (the language Windows was made in, a Japanese
// layout's own name), in UTF-8.
void ProbeLayoutName(unsigned layout, int inEnglish, char *name, int capacity);

// A name in UTF-8, cut after its last character that fits whole.
void LayoutNameToUtf8(const char16_t *name, char *out, int capacity);

// The key that types character on the user's keyboard layout: its
// virtual-key code and what must be held with it (1 Shift, 2 Ctrl, 4 Alt,
// 8 Hankaku, 16 and 32 the layout's own), as VkKeyScanExW tells them, and
// the layout's language. Returns 0 where no key types it.
int ProbeKeyForCharacter(char character, int *keyCode, unsigned *held, unsigned *layout);

// Why the settings file could not be opened for reading.
enum OpenFailure {
    OPEN_NOT_FOUND,  // nothing of that name in the folder
    OPEN_FOLDER,     // the name is a folder's
    OPEN_NO_ACCESS,  // no right to read it
    OPEN_IN_USE,     // another program holds it and shares it with nobody
    OPEN_OTHER       // the system's error number says which
};

enum { OPEN_NAME_SIZE = 4200 };

struct OpenProbe {
    OpenFailure failure;
    int error;                         // with OPEN_OTHER, the system's number
    char folder[OPEN_NAME_SIZE];       // with OPEN_NOT_FOUND, the folder looked in, in UTF-8
    char nearName[OPEN_NAME_SIZE];     // a file whose name is the file's and an extension, in UTF-8; or empty
    wchar_t nearPath[OPEN_NAME_SIZE];  // that file, to be opened or renamed
};

// Why the file at path cannot be opened, and, where it is not found, a file
// beside it named as an editor saves it with an extension of its own.
void ProbeOpenFailure(const wchar_t *path, OpenProbe *probe);

#endif
