#include "settings/setting_reader.h"
#include "platform/platform.h"

#include <string.h>

int ReadSettingLines(HANDLE file, SettingLineHandler handler, void *context)
{
    // The line is gathered byte by byte, so whether it fits never depends on
    // where the reads fall. A line longer than the buffer keeps only its
    // beginning and is skipped to its LF; its neighbours are untouched.
    char line[SETTING_LINE_SIZE];
    int length = 0;
    for (;;) {
        char chunk[SETTING_READ_SIZE + 1];
        memset(chunk, 0, sizeof chunk);
        if (PlatformReadFile(file, chunk, SETTING_READ_SIZE) <= 0)
            return length;
        // A NUL byte ends the chunk's text; the rest of that chunk is lost.
        for (const char *p = chunk; *p; ++p) {
            if (*p == '\n') {
                line[length < SETTING_LINE_SIZE ? length : SETTING_LINE_SIZE - 1] = '\0';
                int stop = handler(context, line, length);
                length = 0;
                if (stop)
                    return 0;
            } else {
                if (length < SETTING_LINE_SIZE - 1)
                    line[length] = *p;
                if (length < 0x7fffffff)
                    ++length;
            }
        }
    }
}
