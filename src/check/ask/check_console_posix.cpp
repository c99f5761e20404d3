#include "check/ask/check_console.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

// In the locale's encoding, as the terminal sends it.
void ReadAnswer(wchar_t *answer, int capacity)
{
    char bytes[256];
    answer[0] = L'\0';
    if (!fgets(bytes, sizeof bytes, stdin))
        return;
    bytes[strcspn(bytes, "\r\n")] = '\0';
    size_t converted = mbstowcs(answer, bytes, (size_t)capacity);
    answer[converted < (size_t)capacity ? converted : 0] = L'\0';
}

int AnswersCanBeAsked()
{
    return isatty(0) && isatty(1);
}
