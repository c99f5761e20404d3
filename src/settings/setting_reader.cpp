#include "settings/setting_reader.h"
#include "platform/platform.h"

int ReadSettingLines(HANDLE file, SettingLineHandler handler, void *context)
{
    // The file is read in pieces of 99 bytes. A NUL byte ends the text of its
    // piece: the rest of that piece is lost. Each read asks only for what is
    // left of the current piece, so a short read changes nothing.
    //
    // The line is gathered byte by byte, so whether it fits never depends on
    // where the reads fall. A line longer than the buffer keeps only its
    // beginning and is skipped to its LF; its neighbours are untouched.
    char line[SETTING_LINE_SIZE];
    int length = 0;
    int pieceLeft = SETTING_READ_SIZE;
    int skippingPiece = 0;
    for (;;) {
        char chunk[SETTING_READ_SIZE];
        int count = PlatformReadFile(file, chunk, pieceLeft);
        if (count <= 0)
            return length;
        if (count > pieceLeft)
            count = pieceLeft;
        for (int i = 0; i < count && !skippingPiece; ++i) {
            char byte = chunk[i];
            if (byte == '\0') {
                skippingPiece = 1;
            } else if (byte == '\n') {
                line[length < SETTING_LINE_SIZE ? length : SETTING_LINE_SIZE - 1] = '\0';
                int stop = handler(context, line, length);
                length = 0;
                if (stop)
                    return 0;
            } else {
                if (length < SETTING_LINE_SIZE - 1)
                    line[length] = byte;
                if (length < 0x7fffffff)
                    ++length;
            }
        }
        pieceLeft -= count;
        if (pieceLeft == 0) {
            pieceLeft = SETTING_READ_SIZE;
            skippingPiece = 0;
        }
    }
}
