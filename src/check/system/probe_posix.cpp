// A POSIX host has no system-wide hotkeys, no Vorn, no Windows shell and no
// keyboard layouts of Windows': nothing is held, nothing runs, no target is
// judged and no combination types anything; its files are its own. A key
// that types a sign is that of the Japanese keyboard, which most users of
// the settings file have.
#include "check/system/check_probe.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
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

void ProbeOpenFailure(const wchar_t *path, OpenProbe *probe)
{
    memset(probe, 0, sizeof *probe);
    char name[OPEN_NAME_SIZE];
    if (wcstombs(name, path, sizeof name) >= sizeof name) {
        probe->failure = OPEN_OTHER;
        probe->error = ENAMETOOLONG;
        return;
    }
    struct stat status;
    int file = open(name, O_RDONLY);
    int error = file < 0 ? errno : 0;
    if (file >= 0)
        close(file);
    if (stat(name, &status) == 0 && S_ISDIR(status.st_mode))
        probe->failure = OPEN_FOLDER;
    else if (error == ENOENT || error == ENOTDIR)
        probe->failure = OPEN_NOT_FOUND;
    else if (error == EACCES || error == EPERM)
        probe->failure = OPEN_NO_ACCESS;
    else
        probe->failure = OPEN_OTHER;
    probe->error = error;
    if (probe->failure != OPEN_NOT_FOUND)
        return;
    char *slash = strrchr(name, '/');
    const char *base = slash ? slash + 1 : name;
    char folder[OPEN_NAME_SIZE];
    snprintf(folder, sizeof folder, "%.*s", slash ? (int)(slash - name) + (slash == name) : 1, slash ? name : ".");
    if (!realpath(folder, probe->folder))
        snprintf(probe->folder, sizeof probe->folder, "%s", folder);
    DIR *entries = opendir(folder);
    size_t baseLength = strlen(base);
    for (struct dirent *entry; entries && (entry = readdir(entries));) {
        char near[OPEN_NAME_SIZE];
        // A backup is the user's old text, not a file saved under another name.
        size_t length = strlen(entry->d_name);
        if (strncmp(entry->d_name, base, baseLength) != 0 || entry->d_name[baseLength] != '.' ||
            !entry->d_name[baseLength + 1] || strcasecmp(entry->d_name + length - 4, ".bak") == 0 ||
            snprintf(near, sizeof near, "%.*s%s", (int)(base - name), name, entry->d_name) >= (int)sizeof near ||
            stat(near, &status) != 0 || !S_ISREG(status.st_mode))
            continue;
        snprintf(probe->nearName, sizeof probe->nearName, "%s", entry->d_name);
        mbstowcs(probe->nearPath, near, OPEN_NAME_SIZE);
        break;
    }
    if (entries)
        closedir(entries);
}
