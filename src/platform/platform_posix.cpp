// The file operations on a POSIX host, where vorn-check reads settings files.
#include "platform/platform.h"

#include <stdio.h>
#include <stdlib.h>

int PlatformOpenFile(const wchar_t *name, HANDLE *file)
{
    char path[4096];
    size_t length = wcstombs(path, name, sizeof path);
    if (length >= sizeof path)  // also (size_t)-1 for an unconvertible name
        return 1;
    *file = fopen(path, "rb");
    return *file ? 0 : 1;
}

int PlatformReadFile(HANDLE file, char *buffer, int byteCount)
{
    size_t count = fread(buffer, 1, (size_t)byteCount, (FILE *)file);
    return count == 0 && ferror((FILE *)file) ? -1 : (int)count;
}

void PlatformCloseFile(HANDLE file)
{
    fclose((FILE *)file);
}
