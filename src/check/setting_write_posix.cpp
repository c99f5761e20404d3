// Replacing the settings file on a POSIX system.
#include "check/setting_write.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static WriteFailure FailureOf(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return WRITE_NO_ACCESS;
    case EBUSY:
    case ETXTBSY:
        return WRITE_IN_USE;
    case ENOSPC:
    case EDQUOT:
        return WRITE_DISK_FULL;
    default:
        return WRITE_OTHER;
    }
}

// All of bytes into the open file, on the disk before it is closed; 0 on success.
static int WriteAll(int file, const char *bytes, int length)
{
    while (length > 0) {
        ssize_t written = write(file, bytes, (size_t)length);
        if (written <= 0)
            return -1;
        bytes += written;
        length -= (int)written;
    }
    return fsync(file);
}

static int Fail(WriteResult *result, WriteStep step, int error)
{
    result->step = step;
    result->error = error;
    result->failure = step == STEP_BACKUP && error == EEXIST ? WRITE_NO_FREE_NAME : FailureOf(error);
    return 1;
}

int ReplaceSettingFile(const wchar_t *path, const char *original, int originalLength, const char *fixed,
                       int fixedLength, WriteResult *result)
{
    memset(result, 0, sizeof *result);
    char name[4096], backup[4096 + 16], temporary[4096 + 16];
    size_t length = wcstombs(name, path, sizeof name);
    if (length >= sizeof name)
        return Fail(result, STEP_BACKUP, ENAMETOOLONG);
    struct stat status;
    mode_t mode = stat(name, &status) == 0 ? status.st_mode & 07777 : 0644;

    // The first free name is taken by creating it, so no backup is ever overwritten.
    int file = -1;
    for (int number = 1; number <= 999 && file < 0; ++number) {
        snprintf(backup, sizeof backup, number == 1 ? "%s.bak" : "%s.%d.bak", name, number);
        file = open(backup, O_WRONLY | O_CREAT | O_EXCL, mode);
        result->backupNumber = number;
        if (file < 0 && errno != EEXIST)
            break;
    }
    if (file < 0)
        return Fail(result, STEP_BACKUP, errno);
    int failed = WriteAll(file, original, originalLength) != 0 ? errno : 0;
    if (close(file) != 0 && !failed)
        failed = errno;
    if (failed) {
        unlink(backup);
        return Fail(result, STEP_BACKUP, failed);
    }

    snprintf(temporary, sizeof temporary, "%s.XXXXXX", name);
    file = mkstemp(temporary);
    if (file < 0) {
        failed = errno;
        unlink(backup);
        return Fail(result, STEP_WRITE, failed);
    }
    failed = fchmod(file, mode) != 0 || WriteAll(file, fixed, fixedLength) != 0 ? errno : 0;
    if (close(file) != 0 && !failed)
        failed = errno;
    WriteStep step = STEP_WRITE;
    if (!failed && rename(temporary, name) != 0) {
        failed = errno;
        step = STEP_REPLACE;
    }
    if (failed) {
        unlink(temporary);
        unlink(backup);
        return Fail(result, step, failed);
    }
    return 0;
}
