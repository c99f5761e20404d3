// Replacing the settings file with its corrected text, keeping the
// original beside it, or creating it where there is none:
// setting_write_win32.cpp on Windows, setting_write_posix.cpp elsewhere.
#ifndef VORN_CHECK_SETTING_WRITE_H
#define VORN_CHECK_SETTING_WRITE_H

#include <wchar.h>

// Why the file could not be written.
enum WriteFailure {
    WRITE_DONE,
    WRITE_NO_ACCESS,        // a read-only folder, or no right to the folder or the file
    WRITE_IN_USE,           // another program holds the file
    WRITE_DISK_FULL,
    WRITE_NO_FREE_NAME,     // every backup name is taken
    WRITE_OTHER,            // the system's error number says which
    WRITE_READ_ONLY,        // the file itself is read-only
    WRITE_CHANGED,          // saved by someone else since it was read
    WRITE_HARD_LINKED,      // other names would keep the old text
    WRITE_OWNER_LOST,       // the corrected file could not be given the file's owner
    WRITE_PATH_TOO_LONG,    // a name beside the file would be longer than the system takes
    WRITE_PROTECTED_FOLDER, // refused in a folder Windows may guard against unknown programs
    WRITE_IN_USE_BY_VORN,   // held, and Vorn runs: it holds the file while reading it
    WRITE_LEFT_AS_IS        // the replace failed half-way: the backup and the corrected file are kept
};

// Where writing stopped.
enum WriteStep { STEP_BACKUP, STEP_WRITE, STEP_REPLACE, STEP_CHECK };

enum { WRITE_NAME_SIZE = 4200 };

struct WriteResult {
    WriteFailure failure;
    WriteStep step;
    int error;                        // the system's number for it
    char backup[WRITE_NAME_SIZE];     // the original's copy, in UTF-8, once made
    char temporary[WRITE_NAME_SIZE];  // with WRITE_LEFT_AS_IS, where the corrected text is
    char target[WRITE_NAME_SIZE];     // a symbolic link's target, which was the file written; or empty
    char leftover[WRITE_NAME_SIZE];   // a temporary file an earlier run left beside the file; or empty
    int leftoverCount;
};

// Keeps the original under the first free name of path.bak, path.2.bak, ...
// path.999.bak; writes fixed to a new file in path's folder and puts it in
// path's place in one step, keeping the file's owner, permissions and
// attributes. Writes nothing where the file no longer holds original, is
// read-only or has other names. A symbolic link's target is written, in its
// own folder. On any failure path is as it was and what this made is gone,
// except where the replace stopped half-way: then both are kept and named.
// Returns 0 when path holds fixed.
int ReplaceSettingFile(const wchar_t *path, const char *original, int originalLength, const char *fixed,
                       int fixedLength, WriteResult *result);

// Creates path holding text, only where no file of that name exists (never
// overwriting one made in the meantime), on the disk before it returns; a
// file left half-written is removed. Returns 0 when path holds text, -1
// where a file of that name exists (nothing written), 1 on another failure,
// result saying why.
int CreateSettingFile(const wchar_t *path, const char *text, int length, WriteResult *result);
// Gives the file at from the name to, never in place of a file of that
// name. Returns 0 when done, else the system's error number.
int RenameSettingFile(const wchar_t *from, const wchar_t *to);

#endif
