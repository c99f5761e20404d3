// Code pages through iconv, which names Windows' code pages CP932, CP437, ...
#include "check/read/code_page.h"

#include <iconv.h>
#include <stdio.h>
#include <string.h>

enum { TO_UNICODE, FROM_UNICODE };

// One converter each way, kept for the code page last asked about.
static iconv_t Converter(int direction, unsigned codePage)
{
    static iconv_t converters[2] = {(iconv_t)-1, (iconv_t)-1};
    static unsigned codePages[2];
    if (converters[direction] != (iconv_t)-1 && codePages[direction] == codePage)
        return converters[direction];
    if (converters[direction] != (iconv_t)-1)
        iconv_close(converters[direction]);
    char name[32];
    snprintf(name, sizeof name, "CP%u", codePage);
    converters[direction] = direction == TO_UNICODE ? iconv_open("UTF-32LE", name) : iconv_open(name, "UTF-32LE");
    codePages[direction] = codePage;
    return converters[direction];
}

// Converts all of in; returns the bytes written, or -1 where it cannot.
static int Convert(iconv_t converter, const char *in, size_t inLength, char *out, size_t outLength)
{
    if (converter == (iconv_t)-1)
        return -1;
    char *input = (char *)in, *output = out;
    size_t inLeft = inLength, outLeft = outLength;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &input, &inLeft, &output, &outLeft) == (size_t)-1 || inLeft != 0 ||
        iconv(converter, nullptr, nullptr, &output, &outLeft) == (size_t)-1)
        return -1;
    return (int)(output - out);
}

static unsigned FromUtf32(const unsigned char *bytes)
{
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | (unsigned)bytes[3] << 24;
}

int DecodeCharacter(unsigned codePage, const char *text, int length, unsigned *point)
{
    if (codePage == 65001 || (length > 0 && (unsigned char)text[0] < 0x80))
        return DecodeUtf8(text, length, point);
    for (int size = 1; size <= LONGEST_CHARACTER && size <= length; ++size) {
        unsigned char wide[8];
        if (Convert(Converter(TO_UNICODE, codePage), text, (size_t)size, (char *)wide, sizeof wide) == 4) {
            *point = FromUtf32(wide);
            return size;
        }
    }
    return 0;
}

int EncodeCharacter(unsigned codePage, unsigned point, char *bytes)
{
    if (codePage == 65001)
        return point >= 0xD800 && point < 0xE000 ? 0 : EncodeUtf8(point, bytes);
    const unsigned char wide[4] = {(unsigned char)point, (unsigned char)(point >> 8), (unsigned char)(point >> 16),
                                   (unsigned char)(point >> 24)};
    int size = Convert(Converter(FROM_UNICODE, codePage), (const char *)wide, sizeof wide, bytes, LONGEST_CHARACTER);
    unsigned back = 0;
    return size > 0 && DecodeCharacter(codePage, bytes, size, &back) == size && back == point ? size : 0;
}
