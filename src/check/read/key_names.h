// The names people give keys, shared by the corrections and by the lines
// vorn-check adds, so that both read a key the same way.
#ifndef VORN_CHECK_KEY_NAMES_H
#define VORN_CHECK_KEY_NAMES_H

#include <stddef.h>
#include <stdint.h>

// An ASCII letter as a capital; any other byte as it is.
char Upper(char c);

// Whether length bytes of text are name, a string of capitals, in any case.
int EqualsIgnoringCase(const char *text, int length, const char *name);

// The virtual-key code of a key's name (Microsoft's, "VK_" before it or
// not, the short forms people write, F1 to F24, NUM5 and NUMPAD5), in any
// case; 0 for none.
int VirtualKeyCode(const char *name, int length);

// A name Vorn reads for a key, in its own case: the one that name is in
// another case, or the one for keyCode; null for none.
const char *VornKeyName(const char *name, int length, int keyCode);

// The modifier letter Vorn reads for a word people write ("Ctrl", "win"),
// in any case; 0 for any other word.
char ModifierWordLetter(const char *word, int length);

// The numeric keypad's keys, 0x60 to 0x6F (small a to o and the backquote).
extern const char *const NUMPAD_KEYS[16];

// The label of the key a code stands for, as a keyboard shows it, or null
// where no key has one; label takes what is not in a table ("F16").
const char *KeyLabel(int32_t keyCode, char *label, size_t capacity);

#endif
