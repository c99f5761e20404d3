// A POSIX host has no system-wide hotkeys, no Vorn, no Windows shell and no
// keyboard layouts of Windows': nothing is held, nothing runs, no target is
// judged and no combination types anything. A key that types a sign is that
// of the Japanese keyboard, which most users of the settings file have.
#include "check/check_probe.h"

#include <errno.h>
#include <fcntl.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

int ProbeHotkeyIsHeld(unsigned, int)
{
    return 0;
}

int ProbeVornIsRunning()
{
    return 0;
}

TargetVerdict ProbeTarget(const char *, const wchar_t *)
{
    return TARGET_UNKNOWN;
}

// Windows gives each OEM code page of its Western, Central and Eastern
// European, Greek, Turkish, Hebrew, Arabic and Baltic locales an ANSI one of
// its own; the East Asian code pages, Thai and UTF-8 are their own ANSI.
unsigned ProbeAnsiCodePage(unsigned oemCodePage)
{
    static const unsigned OEM[] = {437, 850, 852, 866, 737, 857, 862, 720, 775};
    static const unsigned ANSI[] = {1252, 1252, 1250, 1251, 1253, 1254, 1255, 1256, 1257};
    for (size_t i = 0; i < sizeof OEM / sizeof OEM[0]; ++i) {
        if (OEM[i] == oemCodePage)
            return ANSI[i];
    }
    return oemCodePage;
}

int ProbeTypedCharacters(unsigned, int, TypedCharacter *, int)
{
    return 0;
}

enum { JAPANESE = 0x0411 };

void ProbeLayoutName(unsigned layout, int inEnglish, char *name, int capacity)
{
    if (layout == JAPANESE)
        snprintf(name, (size_t)capacity, "%s", inEnglish ? "Japanese (Japan)" : "日本語 (日本)");
    else
        snprintf(name, (size_t)capacity, "%04X", layout);
}

// The signs of the Japanese keyboard: the key each is on, and whether Shift types it.
static const struct {
    char sign;
    unsigned char keyCode;
    unsigned char shift;
} JAPANESE_SIGNS[] = {
    {'!', '1', 1},  {'"', '2', 1},  {'#', '3', 1},  {'$', '4', 1},  {'%', '5', 1},  {'&', '6', 1},
    {'\'', '7', 1}, {'(', '8', 1},  {')', '9', 1},  {'-', 0xBD, 0}, {'=', 0xBD, 1}, {'^', 0xDE, 0},
    {'~', 0xDE, 1}, {'\\', 0xDC, 0}, {'|', 0xDC, 1}, {'@', 0xC0, 0}, {'`', 0xC0, 1}, {'[', 0xDB, 0},
    {'{', 0xDB, 1}, {';', 0xBB, 0}, {'+', 0xBB, 1}, {':', 0xBA, 0}, {'*', 0xBA, 1}, {']', 0xDD, 0},
    {'}', 0xDD, 1}, {',', 0xBC, 0}, {'<', 0xBC, 1}, {'.', 0xBE, 0}, {'>', 0xBE, 1}, {'/', 0xBF, 0},
    {'?', 0xBF, 1}, {'_', 0xE2, 1},
};

int ProbeKeyForCharacter(char character, int *keyCode, unsigned *held, unsigned *layout)
{
    for (size_t i = 0; i < sizeof JAPANESE_SIGNS / sizeof JAPANESE_SIGNS[0]; ++i) {
        if (JAPANESE_SIGNS[i].sign == character) {
            *keyCode = JAPANESE_SIGNS[i].keyCode;
            *held = JAPANESE_SIGNS[i].shift;
            *layout = JAPANESE;
            return 1;
        }
    }
    return 0;
}

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
