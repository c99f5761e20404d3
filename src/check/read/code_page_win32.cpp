// Code pages through Windows' own conversions.
#include "check/read/code_page.h"

#include <string.h>
#include <windows.h>

// The UTF-16 of a point; returns how many units.
static int ToUtf16(unsigned point, wchar_t *units)
{
    if (point < 0x10000) {
        units[0] = (wchar_t)point;
        return 1;
    }
    units[0] = (wchar_t)(0xD800 + ((point - 0x10000) >> 10));
    units[1] = (wchar_t)(0xDC00 + ((point - 0x10000) & 0x3FF));
    return 2;
}

int DecodeCharacter(unsigned codePage, const char *text, int length, unsigned *point)
{
    if (codePage == CP_UTF8 || (length > 0 && (unsigned char)text[0] < 0x80))
        return DecodeUtf8(text, length, point);
    for (int size = 1; size <= LONGEST_CHARACTER && size <= length; ++size) {
        wchar_t units[2];
        // Some code pages take no flags; there a byte no character starts
        // with becomes a default character, which is still no decoding.
        int count = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text, size, units, 2);
        if (count == 0 && GetLastError() == ERROR_INVALID_FLAGS)
            count = MultiByteToWideChar(codePage, 0, text, size, units, 2);
        if (count == 1 && (units[0] < 0xD800 || units[0] >= 0xE000)) {
            *point = units[0];
            return size;
        }
        if (count == 2 && units[0] >= 0xD800 && units[0] < 0xDC00 && units[1] >= 0xDC00 && units[1] < 0xE000) {
            *point = 0x10000 + ((units[0] - 0xD800u) << 10) + (units[1] - 0xDC00u);
            return size;
        }
    }
    return 0;
}

int CodePageEncodesAll(unsigned codePage, const wchar_t *text, int count)
{
    enum { ROUND_TRIP_SIZE = 8192 };
    static char encoded[ROUND_TRIP_SIZE * 4];
    static wchar_t back[ROUND_TRIP_SIZE];
    if (count <= 0 || count > ROUND_TRIP_SIZE)
        return count == 0;
    int size = WideCharToMultiByte(codePage, 0, text, count, encoded, sizeof encoded, nullptr, nullptr);
    int returned = size > 0 ? MultiByteToWideChar(codePage, 0, encoded, size, back, ROUND_TRIP_SIZE) : 0;
    return returned == count && memcmp(back, text, (size_t)count * sizeof(wchar_t)) == 0;
}

int EncodeCharacter(unsigned codePage, unsigned point, char *bytes)
{
    if (codePage == CP_UTF8)
        return point >= 0xD800 && point < 0xE000 ? 0 : EncodeUtf8(point, bytes);
    wchar_t units[2];
    int count = ToUtf16(point, units);
    if (!CodePageEncodesAll(codePage, units, count))
        return 0;
    int size = WideCharToMultiByte(codePage, 0, units, count, bytes, LONGEST_CHARACTER, nullptr, nullptr);
    return size > 0 ? size : 0;
}
