// Replacing the settings file on a POSIX system: a copy of the original
// under a new name, the corrected text in a temporary file of the same
// folder with the file's owner and mode, then one rename(2). The folder is
// synced after the backup and after the rename, since fsync(2) of a file
// does not make its name last.
#include "check/system/setting_write.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

// What the temporary file's name adds to the settings file's.
static const char TEMPORARY_SUFFIX[] = ".vorn-check-";

// Not an errno: the file's owner could not be given to a file made for it.
enum { OWNER_NOT_KEPT = -1 };

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
    case ENAMETOOLONG:
        return WRITE_PATH_TOO_LONG;
    default:
        return WRITE_OTHER;
    }
}

static int Fail(WriteResult *result, WriteStep step, int error)
{
    result->step = step;
    result->error = error;
    if (error == OWNER_NOT_KEPT)
        result->failure = WRITE_OWNER_LOST;
    else
        result->failure = step == STEP_BACKUP && error == EEXIST ? WRITE_NO_FREE_NAME : FailureOf(error);
    return 1;
}

static int Refuse(WriteResult *result, WriteFailure failure)
{
    result->step = STEP_CHECK;
    result->failure = failure;
    return 1;
}

// All of bytes into the open file, on the disk, then the file closed; 0 on
// success, else errno.
static int WriteAll(int file, const char *bytes, int length)
{
    int error = 0;
    while (length > 0 && !error) {
        ssize_t written = write(file, bytes, (size_t)length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            error = written < 0 ? errno : EIO;
        else {
            bytes += written;
            length -= (int)written;
        }
    }
    if (!error && fsync(file) != 0)
        error = errno;
    if (close(file) != 0 && !error)
        error = errno;
    return error;
}

// Whether the file at name holds exactly length bytes of expected: 1 yes,
// 0 no, -1 when it cannot be read (errno says why).
static int Holds(const char *name, const char *expected, int length)
{
    int file = open(name, O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return errno == ENOENT ? 0 : -1;
    static char bytes[64 * 1024];
    int at = 0, same = 1;
    for (;;) {
        ssize_t count = read(file, bytes, sizeof bytes);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            int error = errno;
            close(file);
            errno = error;
            return -1;
        }
        if (count == 0)
            break;
        if (at + count > length || memcmp(bytes, expected + at, (size_t)count) != 0)
            same = 0;
        at += (int)count;
        if (!same)
            break;
    }
    close(file);
    return same && at == length;
}

static int SyncFolder(const char *folder)
{
    int file = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (file < 0)
        return errno;
    // A file system that cannot sync a folder says EINVAL; its names last as they can.
    int error = fsync(file) != 0 && errno != EINVAL ? errno : 0;
    close(file);
    return error;
}

// The file's owner and mode given to a file made for it: an owner that
// cannot be given is an error, never another owner. 0 on success, else
// errno or OWNER_NOT_KEPT.
static int KeepOwnerAndMode(int file, const struct stat *status)
{
    if ((status->st_uid != geteuid() || status->st_gid != getegid()) &&
        fchown(file, status->st_uid, status->st_gid) != 0)
        return OWNER_NOT_KEPT;
    return fchmod(file, status->st_mode & 07777) != 0 ? errno : 0;
}

// Temporary files that a run stopped before its rename left beside the
// file: the first is named, all are counted. base is the file's name without
// its folder.
static void FindLeftovers(const char *folder, const char *base, WriteResult *result)
{
    DIR *directory = opendir(folder);
    if (!directory)
        return;
    size_t baseLength = strlen(base), suffixLength = sizeof TEMPORARY_SUFFIX - 1;
    while (struct dirent *entry = readdir(directory)) {
        const char *name = entry->d_name;
        if (strncmp(name, base, baseLength) != 0 || strncmp(name + baseLength, TEMPORARY_SUFFIX, suffixLength) != 0)
            continue;
        const char *unique = name + baseLength + suffixLength;
        if (strlen(unique) != 6 || strspn(unique, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789") != 6)
            continue;
        if (result->leftoverCount++ == 0)
            snprintf(result->leftover, sizeof result->leftover, "%s/%s", folder, name);
    }
    closedir(directory);
}

// The name in folder and base, the file's own after a symbolic link.
static int Locate(const wchar_t *path, char *name, char *folder, const char **base, WriteResult *result)
{
    size_t length = wcstombs(name, path, WRITE_NAME_SIZE);
    if (length == (size_t)-1)
        return EILSEQ;
    if (length >= WRITE_NAME_SIZE)
        return ENAMETOOLONG;
    struct stat link;
    if (lstat(name, &link) != 0)
        return errno;
    if (S_ISLNK(link.st_mode)) {
        char resolved[PATH_MAX];
        if (!realpath(name, resolved))
            return errno;
        if (strlen(resolved) >= WRITE_NAME_SIZE)
            return ENAMETOOLONG;
        snprintf(name, WRITE_NAME_SIZE, "%s", resolved);
        snprintf(result->target, sizeof result->target, "%s", resolved);
    }
    const char *slash = strrchr(name, '/');
    if (!slash) {
        snprintf(folder, WRITE_NAME_SIZE, ".");
        *base = name;
    } else {
        size_t folderLength = slash == name ? 1 : (size_t)(slash - name);
        memcpy(folder, name, folderLength);
        folder[folderLength] = '\0';
        *base = slash + 1;
    }
    return 0;
}

int ReplaceSettingFile(const wchar_t *path, const char *original, int originalLength, const char *fixed,
                       int fixedLength, WriteResult *result)
{
    memset(result, 0, sizeof *result);
    // A write past the size limit fails with EFBIG instead of ending the program.
    signal(SIGXFSZ, SIG_IGN);
    static char name[WRITE_NAME_SIZE], folder[WRITE_NAME_SIZE], temporary[WRITE_NAME_SIZE];
    const char *base = name;
    int failed = Locate(path, name, folder, &base, result);
    if (failed)
        return Fail(result, STEP_CHECK, failed);

    struct stat status;
    if (stat(name, &status) != 0)
        return Fail(result, STEP_CHECK, errno);
    if (status.st_nlink > 1)
        return Refuse(result, WRITE_HARD_LINKED);
    if ((status.st_mode & 0222) == 0)
        return Refuse(result, WRITE_READ_ONLY);
    if (faccessat(AT_FDCWD, name, W_OK, AT_EACCESS) != 0)
        return Fail(result, STEP_CHECK, errno);
    int same = Holds(name, original, originalLength);
    if (same < 0)
        return Fail(result, STEP_CHECK, errno);
    if (!same)
        return Refuse(result, WRITE_CHANGED);
    FindLeftovers(folder, base, result);

    // The first free name is taken by creating it, so no backup is ever overwritten.
    int file = -1;
    for (int number = 1; number <= 999 && file < 0; ++number) {
        int used = snprintf(result->backup, sizeof result->backup, number == 1 ? "%s.bak" : "%s.%d.bak", name, number);
        if (used >= (int)sizeof result->backup)
            return Fail(result, STEP_BACKUP, ENAMETOOLONG);
        file = open(result->backup, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (file < 0 && errno != EEXIST)
            break;
    }
    if (file < 0) {
        failed = errno;
        result->backup[0] = '\0';
        return Fail(result, STEP_BACKUP, failed);
    }
    failed = KeepOwnerAndMode(file, &status);
    if (failed)
        close(file);
    else
        failed = WriteAll(file, original, originalLength);
    if (!failed)
        failed = SyncFolder(folder);
    if (failed) {
        unlink(result->backup);
        result->backup[0] = '\0';
        return Fail(result, STEP_BACKUP, failed);
    }

    WriteStep step = STEP_WRITE;
    file = -1;
    if (snprintf(temporary, sizeof temporary, "%s%sXXXXXX", name, TEMPORARY_SUFFIX) >= (int)sizeof temporary)
        failed = ENAMETOOLONG;
    else if ((file = mkostemp(temporary, O_CLOEXEC)) < 0)
        failed = errno;
    if (file >= 0) {
        failed = KeepOwnerAndMode(file, &status);
        if (failed)
            close(file);
        else
            failed = WriteAll(file, fixed, fixedLength);
    }
    // What was read is what is kept: a save by another program since then is
    // never lost between the backup and the corrected file.
    if (!failed && (same = Holds(name, original, originalLength)) != 1) {
        failed = same < 0 ? errno : 0;
        if (file >= 0)
            unlink(temporary);
        unlink(result->backup);
        result->backup[0] = '\0';
        return same < 0 ? Fail(result, STEP_WRITE, failed) : Refuse(result, WRITE_CHANGED);
    }
    if (!failed && rename(temporary, name) != 0) {
        failed = errno;
        step = STEP_REPLACE;
        // A rename may have happened although it says not, as on a network
        // file system: look before cleaning up.
        struct stat left;
        int temporaryLeft = lstat(temporary, &left) == 0;
        if (!temporaryLeft && Holds(name, fixed, fixedLength) == 1) {
            SyncFolder(folder);
            return 0;
        }
        if (!temporaryLeft || Holds(name, original, originalLength) != 1) {
            if (temporaryLeft)
                snprintf(result->temporary, sizeof result->temporary, "%s", temporary);
            Fail(result, step, failed);
            result->failure = WRITE_LEFT_AS_IS;
            return 1;
        }
    }
    if (failed) {
        if (file >= 0)
            unlink(temporary);
        unlink(result->backup);
        result->backup[0] = '\0';
        return Fail(result, step, failed);
    }
    // The file holds the corrected text; a failed sync of its name cannot undo that.
    SyncFolder(folder);
    return 0;
}

int CreateSettingFile(const wchar_t *path, const char *text, int length, WriteResult *result)
{
    memset(result, 0, sizeof *result);
    signal(SIGXFSZ, SIG_IGN);
    static char name[WRITE_NAME_SIZE], folder[WRITE_NAME_SIZE];
    size_t nameLength = wcstombs(name, path, WRITE_NAME_SIZE);
    // (size_t)-1, a name the locale cannot hold, is beyond the size too.
    if (nameLength >= WRITE_NAME_SIZE)
        return Fail(result, STEP_CHECK, nameLength == (size_t)-1 ? EILSEQ : ENAMETOOLONG);
    const char *slash = strrchr(name, '/');
    size_t folderLength = !slash ? 0 : slash == name ? 1 : (size_t)(slash - name);
    snprintf(folder, sizeof folder, "%.*s", slash ? (int)folderLength : 1, slash ? name : ".");
    // O_EXCL: a file made by someone else since it was found missing is never overwritten.
    int file = open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file < 0)
        return errno == EEXIST ? -1 : Fail(result, STEP_WRITE, errno);
    int failed = WriteAll(file, text, length);
    if (failed) {
        unlink(name);
        return Fail(result, STEP_WRITE, failed);
    }
    SyncFolder(folder);
    return 0;
}

int RenameSettingFile(const wchar_t *from, const wchar_t *to)
{
    char fromName[WRITE_NAME_SIZE], toName[WRITE_NAME_SIZE];
    if (wcstombs(fromName, from, sizeof fromName) >= sizeof fromName ||
        wcstombs(toName, to, sizeof toName) >= sizeof toName)
        return ENAMETOOLONG;
    // A second name first: it is never given where a file has it already.
    if (link(fromName, toName) != 0)
        return errno;
    if (unlink(fromName) != 0) {
        int error = errno;
        unlink(toName);
        return error;
    }
    return 0;
}
