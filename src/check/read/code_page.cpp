// UTF-8, which every system converts alike.
#include "check/read/code_page.h"

int DecodeUtf8(const char *text, int length, unsigned *point)
{
    const unsigned char *bytes = (const unsigned char *)text;
    if (length <= 0)
        return 0;
    unsigned first = bytes[0];
    int size = first < 0x80 ? 1 : first >= 0xC2 && first <= 0xDF ? 2 : first >= 0xE0 && first <= 0xEF ? 3
               : first >= 0xF0 && first <= 0xF4                   ? 4
                                                                  : 0;
    if (size == 0 || size > length)
        return 0;
    unsigned value = size == 1 ? first : first & (0x7F >> size);
    for (int i = 1; i < size; ++i) {
        if ((bytes[i] & 0xC0) != 0x80)
            return 0;
        value = value << 6 | (bytes[i] & 0x3F);
    }
    // The shortest form only, and no surrogate or point past Unicode's last.
    static const unsigned SMALLEST[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < SMALLEST[size] || (value >= 0xD800 && value < 0xE000) || value > 0x10FFFF)
        return 0;
    *point = value;
    return size;
}

int EncodeUtf8(unsigned point, char *bytes)
{
    if (point < 0x80) {
        bytes[0] = (char)point;
        return 1;
    }
    if (point < 0x800) {
        bytes[0] = (char)(0xC0 | (point >> 6));
        bytes[1] = (char)(0x80 | (point & 0x3F));
        return 2;
    }
    if (point < 0x10000) {
        bytes[0] = (char)(0xE0 | (point >> 12));
        bytes[1] = (char)(0x80 | ((point >> 6) & 0x3F));
        bytes[2] = (char)(0x80 | (point & 0x3F));
        return 3;
    }
    bytes[0] = (char)(0xF0 | (point >> 18));
    bytes[1] = (char)(0x80 | ((point >> 12) & 0x3F));
    bytes[2] = (char)(0x80 | ((point >> 6) & 0x3F));
    bytes[3] = (char)(0x80 | (point & 0x3F));
    return 4;
}
