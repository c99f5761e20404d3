// Replacing the settings file with its corrected text, keeping the
// original beside it: setting_write_win32.cpp on Windows,
// setting_write_posix.cpp elsewhere.
#ifndef VORN_CHECK_SETTING_WRITE_H
#define VORN_CHECK_SETTING_WRITE_H

#include <wchar.h>

// Why the file could not be written.
enum WriteFailure {
    WRITE_DONE,
    WRITE_NO_ACCESS,    // a read-only folder or file, or no right to it
    WRITE_IN_USE,       // another program holds the file
    WRITE_DISK_FULL,
    WRITE_NO_FREE_NAME, // every backup name is taken
    WRITE_OTHER         // the system's error number says which
};

// Where writing stopped.
enum WriteStep { STEP_BACKUP, STEP_WRITE, STEP_REPLACE };

struct WriteResult {
    WriteFailure failure;
    WriteStep step;
    int error;          // the system's number for it
    int backupNumber;   // the backup: 1 for path.bak, n for path.n.bak
};

// Keeps original, byte for byte, under the first free name of path.bak,
// path.2.bak, ... path.999.bak; writes fixed to a new file in path's folder
// and puts it in path's place in one step. On any failure path is as it was
// and what this made is gone. Returns 0 when path holds fixed.
int ReplaceSettingFile(const wchar_t *path, const char *original, int originalLength, const char *fixed,
                       int fixedLength, WriteResult *result);

#endif
