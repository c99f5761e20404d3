// The names people give keys, shared by the corrections and by the lines
// vorn-check adds, so that both read a key the same way.
#ifndef VORN_CHECK_KEY_NAMES_H
#define VORN_CHECK_KEY_NAMES_H

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

#endif
