// One character at a time between a code page and Unicode, as the system
// converts it: code_page_win32.cpp on Windows, code_page_posix.cpp (iconv)
// elsewhere and in the host tests.
#ifndef VORN_CHECK_CODE_PAGE_H
#define VORN_CHECK_CODE_PAGE_H

enum { LONGEST_CHARACTER = 4 };  // bytes of one character in any code page

// The character at text, of at most length bytes: sets *point and returns
// how many bytes it takes, or 0 where the code page decodes none there. A
// byte below 0x80 is ASCII in every code page Windows reads settings in.
int DecodeCharacter(unsigned codePage, const char *text, int length, unsigned *point);

// The character in the code page, at most LONGEST_CHARACTER bytes; returns
// how many, 0 where the code page has no such character. Only an exact
// form counts, never a look-alike: it must decode back to the same point.
int EncodeCharacter(unsigned codePage, unsigned point, char *bytes);

#ifdef _WIN32
#include <wchar.h>

// Whether the code page has every character of the UTF-16 text exactly: the
// text converted and converted back is the same text. A best-fit look-alike
// or a default character fails it, in code pages that take no flags too.
int CodePageEncodesAll(unsigned codePage, const wchar_t *text, int count);
#endif

// UTF-8 itself, the same on every system.
int DecodeUtf8(const char *text, int length, unsigned *point);
int EncodeUtf8(unsigned point, char *bytes);

#endif
