// What a keyboard layout's answer for a Ctrl+Alt combination comes to, and
// a layout's name in UTF-8, on any system: the probe on Windows asks the
// layouts, the host tests' fake gives the answers, and both hand them here.
#include "check/system/check_probe.h"
#include "check/read/code_page.h"

#include <string.h>

// The code point at the start of text, a surrogate pair whole; units gets
// how many of text it takes. A lone surrogate is the replacement character.
static unsigned CodePoint(const char16_t *text, int length, int *units)
{
    *units = 1;
    unsigned first = text[0];
    if (first >= 0xD800 && first < 0xDC00 && length >= 2 && text[1] >= 0xDC00 && text[1] < 0xE000) {
        *units = 2;
        return 0x10000 + ((first - 0xD800) << 10) + (text[1] - 0xDC00u);
    }
    return first >= 0xD800 && first < 0xE000 ? 0xFFFD : first;
}

// The text in UTF-8, ended by a NUL; a text longer than out is cut after
// its last character that fits whole.
static void ToUtf8(const char16_t *text, int length, char *out, size_t capacity)
{
    size_t used = 0;
    for (int i = 0, units; i < length; i += units) {
        char bytes[4];
        size_t size = (size_t)EncodeUtf8(CodePoint(text + i, length - i, &units), bytes);
        if (used + size >= capacity)
            break;
        memcpy(out + used, bytes, size);
        used += size;
    }
    out[used] = '\0';
}

// The character a ToUnicodeEx result gave, or 0. A dead key (a negative
// result) takes the key press and types its accent, so it counts.
static unsigned TypedPoint(const char16_t *typed, int result, int *units)
{
    *units = 0;
    int length = result < 0 ? 1 : result;
    return length > 0 ? CodePoint(typed, length, units) : 0;
}

void LayoutNameToUtf8(const char16_t *name, char *out, int capacity)
{
    int length = 0;
    while (name[length])
        ++length;
    ToUtf8(name, length, out, (size_t)capacity);
}

int AddTypedCharacter(TypedCharacter *typed, int count, int capacity, unsigned layout,
                      const char16_t *withCtrlAlt, int withCtrlAltResult, const char16_t *without,
                      int withoutResult)
{
    int units, plainUnits;
    unsigned character = TypedPoint(withCtrlAlt, withCtrlAltResult, &units);
    // Control characters are what Ctrl alone makes of a key, not AltGr; and
    // what the key types without Ctrl+Alt is no AltGr character either.
    if (character < 0x20 || (character >= 0x7F && character < 0xA0) ||
        character == TypedPoint(without, withoutResult, &plainUnits) || count >= capacity)
        return count;
    TypedCharacter *found = &typed[count];
    found->layout = layout;
    ToUtf8(withCtrlAlt, units, found->character, sizeof found->character);
    // Two layouts for one language that type the same are one warning.
    for (int i = 0; i < count; ++i) {
        if (typed[i].layout == layout && strcmp(typed[i].character, found->character) == 0)
            return count;
    }
    return count + 1;
}
