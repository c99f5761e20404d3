// Replacing the settings file on Windows. ReplaceFileW puts the corrected
// file in place in one step and gives it the file's security, attributes,
// streams and identity; the original itself becomes the backup, so the
// backup is the file as it was, bytes, security and all. Paths are full:
// ReplaceFileW wants them so.
#include "check/system/setting_write.h"

#include <string.h>
#include <windows.h>

// GetTempFileNameW's names: the prefix, up to four hexadecimal digits, .tmp.
static const wchar_t TEMPORARY_PREFIX[] = L"vrn";

static WriteFailure FailureOf(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return WRITE_NO_ACCESS;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return WRITE_IN_USE;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return WRITE_DISK_FULL;
    case ERROR_FILENAME_EXCED_RANGE:
        return WRITE_PATH_TOO_LONG;
    default:
        return WRITE_OTHER;
    }
}

static int Fail(WriteResult *result, WriteStep step, DWORD error)
{
    result->step = step;
    result->error = (int)error;
    result->failure = step == STEP_BACKUP && (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
                          ? WRITE_NO_FREE_NAME
                          : FailureOf(error);
    return 1;
}

static int Refuse(WriteResult *result, WriteStep step, WriteFailure failure)
{
    result->step = step;
    result->failure = failure;
    return 1;
}

// The file's full name, in name (MAX_PATH wide), and where its own name
// starts in it; non-zero, with the reason in result, where it has none or
// it does not fit.
static int FullName(const wchar_t *path, wchar_t *name, wchar_t **fileName, WriteResult *result)
{
    DWORD length = GetFullPathNameW(path, MAX_PATH, name, fileName);
    if (length == 0)
        return Fail(result, STEP_CHECK, GetLastError());
    if (length >= MAX_PATH || !*fileName)
        return Refuse(result, STEP_CHECK, WRITE_PATH_TOO_LONG);
    return 0;
}

// Another program holds the file: Vorn, when it runs, holds it while reading it at its start.
static int RefuseHeld(WriteResult *result, WriteStep step, DWORD error)
{
    result->error = (int)error;
    return Refuse(result, step, FindWindowW(L"Vorn", nullptr) ? WRITE_IN_USE_BY_VORN : WRITE_IN_USE);
}

// Folders that Controlled folder access guards unless told otherwise.
static int InGuardedFolder(const wchar_t *folder)
{
    static const wchar_t *const GUARDED[] = {L"Documents", L"Pictures", L"Videos", L"Music", L"Desktop", L"Favorites"};
    wchar_t profile[MAX_PATH], guarded[MAX_PATH * 2];
    DWORD length = GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 0;
    for (const wchar_t *name : GUARDED) {
        _snwprintf(guarded, MAX_PATH * 2, L"%ls\\%ls\\", profile, name);
        guarded[MAX_PATH * 2 - 1] = L'\0';
        if (_wcsnicmp(folder, guarded, wcslen(guarded)) == 0)
            return 1;
    }
    return 0;
}

// A new file refused in the file's own folder, where the file could be read.
// Controlled folder access refuses it with "access denied" or, as users see
// it, "file not found".
static int FailToCreate(WriteResult *result, WriteStep step, DWORD error, const wchar_t *folder)
{
    if (error == ERROR_FILE_NOT_FOUND || (error == ERROR_ACCESS_DENIED && InGuardedFolder(folder))) {
        result->error = (int)error;
        return Refuse(result, step, WRITE_PROTECTED_FOLDER);
    }
    return Fail(result, step, error);
}

// All of bytes into the open file, on the disk, then the file closed; 0 on
// success, else the error.
static DWORD WriteAll(HANDLE file, const char *bytes, int length)
{
    DWORD written = 0;
    BOOL done = WriteFile(file, bytes, (DWORD)length, &written, nullptr) && written == (DWORD)length &&
                FlushFileBuffers(file);
    DWORD error = done ? 0 : GetLastError();
    if (!CloseHandle(file) && !error)
        error = GetLastError();
    return error;
}

// Whether the file at name holds exactly length bytes of expected: 1 yes,
// 0 no, -1 when it cannot be read (GetLastError says why).
static int Holds(const wchar_t *name, const char *expected, int length)
{
    HANDLE file = CreateFileW(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND ? 0 : -1;
    static char bytes[64 * 1024];
    int at = 0, same = 1;
    DWORD count = 0;
    for (;;) {
        if (!ReadFile(file, bytes, sizeof bytes, &count, nullptr)) {
            DWORD error = GetLastError();
            CloseHandle(file);
            SetLastError(error);
            return -1;
        }
        if (count == 0)
            break;
        if (at + (int)count > length || memcmp(bytes, expected + at, count) != 0) {
            same = 0;
            break;
        }
        at += (int)count;
    }
    CloseHandle(file);
    return same && at == length;
}

// Whether another program holds the file so that it cannot be renamed.
static int IsHeld(const wchar_t *name)
{
    HANDLE file = CreateFileW(name, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(file);
    return 0;
}

static int IsHexDigit(wchar_t c)
{
    return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F') || (c >= L'a' && c <= L'f');
}

// Temporary files that a run stopped before its replace left in folder:
// the first is named, all are counted.
static void FindLeftovers(const wchar_t *folder, WriteResult *result)
{
    wchar_t pattern[MAX_PATH + 16];
    _snwprintf(pattern, MAX_PATH + 16, L"%ls%ls*.tmp", folder, TEMPORARY_PREFIX);
    pattern[MAX_PATH + 15] = L'\0';
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const wchar_t *unique = found.cFileName + wcslen(TEMPORARY_PREFIX);
        int digits = 0;
        while (IsHexDigit(unique[digits]))
            ++digits;
        if (digits == 0 || digits > 4 || _wcsicmp(unique + digits, L".tmp") != 0 ||
            (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        if (result->leftoverCount++ == 0) {
            wchar_t name[MAX_PATH * 2];
            _snwprintf(name, MAX_PATH * 2, L"%ls%ls", folder, found.cFileName);
            name[MAX_PATH * 2 - 1] = L'\0';
            WideCharToMultiByte(CP_UTF8, 0, name, -1, result->leftover, WRITE_NAME_SIZE, nullptr, nullptr);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

static int ToUtf8(const wchar_t *name, char *out)
{
    return WideCharToMultiByte(CP_UTF8, 0, name, -1, out, WRITE_NAME_SIZE, nullptr, nullptr) != 0;
}

// The file a symbolic link or junction leads to, in place of name; 0 on success.
static DWORD FollowLink(HANDLE file, wchar_t *name, WriteResult *result)
{
    wchar_t final[MAX_PATH + 8];
    DWORD length = GetFinalPathNameByHandleW(file, final, MAX_PATH + 8, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0)
        return GetLastError();
    if (length >= MAX_PATH + 8)
        return ERROR_FILENAME_EXCED_RANGE;
    // \\?\C:\... as a path of the kind every call here takes; \\?\UNC\server\... as \\server\...
    const wchar_t *lead = L"", *rest = final;
    if (wcsncmp(final, L"\\\\?\\UNC\\", 8) == 0) {
        lead = L"\\";
        rest = final + 7;
    } else if (wcsncmp(final, L"\\\\?\\", 4) == 0) {
        rest = final + 4;
    }
    if (wcslen(lead) + wcslen(rest) >= MAX_PATH)
        return ERROR_FILENAME_EXCED_RANGE;
    _snwprintf(name, MAX_PATH, L"%ls%ls", lead, rest);
    ToUtf8(name, result->target);
    return 0;
}

// After ReplaceFileW failed, what it left, as its page tells: the file as
// it was (1175, or 1176 with a backup named); the original under the
// backup's name and the corrected file under its own (1177); or the
// replace done after all. The backup and the temporary file are deleted
// only where the file is seen to hold the original.
static int AfterFailedReplace(const wchar_t *name, const wchar_t *temporary, const wchar_t *backup,
                              const char *original, int originalLength, const char *fixed, int fixedLength,
                              DWORD error, WriteResult *result)
{
    int temporaryLeft = GetFileAttributesW(temporary) != INVALID_FILE_ATTRIBUTES;
    if (!temporaryLeft && Holds(name, fixed, fixedLength) == 1)
        return 0;
    if (temporaryLeft && Holds(name, original, originalLength) == 1) {
        DeleteFileW(temporary);
        DeleteFileW(backup);
        result->backup[0] = '\0';
        if (error == ERROR_UNABLE_TO_REMOVE_REPLACED || error == ERROR_SHARING_VIOLATION ||
            error == ERROR_ACCESS_DENIED) {
            if (IsHeld(name))
                return RefuseHeld(result, STEP_REPLACE, error);
        }
        return Fail(result, STEP_REPLACE, error);
    }
    if (temporaryLeft && GetFileAttributesW(name) == INVALID_FILE_ATTRIBUTES &&
        GetFileAttributesW(backup) != INVALID_FILE_ATTRIBUTES) {
        if (MoveFileExW(temporary, name, MOVEFILE_WRITE_THROUGH))
            return 0;
        error = GetLastError();
    }
    if (temporaryLeft)
        ToUtf8(temporary, result->temporary);
    Fail(result, STEP_REPLACE, error);
    result->failure = WRITE_LEFT_AS_IS;
    return 1;
}

int ReplaceSettingFile(const wchar_t *path, const char *original, int originalLength, const char *fixed,
                       int fixedLength, WriteResult *result)
{
    memset(result, 0, sizeof *result);
    static wchar_t name[MAX_PATH], folder[MAX_PATH], backup[MAX_PATH], temporary[MAX_PATH];
    wchar_t *fileName = nullptr;
    if (FullName(path, name, &fileName, result) != 0)
        return 1;

    HANDLE file = CreateFileW(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        return error == ERROR_SHARING_VIOLATION ? RefuseHeld(result, STEP_CHECK, error)
                                                : Fail(result, STEP_CHECK, error);
    }
    BY_HANDLE_FILE_INFORMATION information;
    DWORD error = GetFileInformationByHandle(file, &information) ? 0 : GetLastError();
    DWORD attributes = GetFileAttributesW(name);
    if (!error && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        error = FollowLink(file, name, result);
    CloseHandle(file);
    if (error)
        return Fail(result, STEP_CHECK, error);
    if (information.nNumberOfLinks > 1)
        return Refuse(result, STEP_CHECK, WRITE_HARD_LINKED);
    if (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
        return Refuse(result, STEP_CHECK, WRITE_READ_ONLY);
    int same = Holds(name, original, originalLength);
    if (same < 0)
        return Fail(result, STEP_CHECK, GetLastError());
    if (!same)
        return Refuse(result, STEP_CHECK, WRITE_CHANGED);

    // GetTempFileNameW takes a folder of at most MAX_PATH - 14 characters.
    fileName = wcsrchr(name, L'\\') + 1;
    size_t folderLength = (size_t)(fileName - name);
    if (folderLength > MAX_PATH - 14)
        return Refuse(result, STEP_WRITE, WRITE_PATH_TOO_LONG);
    wcsncpy(folder, name, folderLength);
    folder[folderLength] = L'\0';
    FindLeftovers(folder, result);

    // The first free name is taken by creating it, so no backup is ever
    // overwritten; ReplaceFileW then puts the original under it. The name
    // shown is the one the user gave, followed by the backup's ending.
    const wchar_t *shown = result->target[0] ? name : path;
    for (int number = 1; number <= 999; ++number) {
        const wchar_t *format = number == 1 ? L"%ls.bak" : L"%ls.%d.bak";
        wchar_t shownBackup[MAX_PATH * 2];
        int used = _snwprintf(backup, MAX_PATH, format, name, number);
        int shownUsed = _snwprintf(shownBackup, MAX_PATH * 2, format, shown, number);
        if (used < 0 || used >= MAX_PATH || shownUsed < 0 || shownUsed >= MAX_PATH * 2 ||
            !ToUtf8(shownBackup, result->backup)) {
            result->backup[0] = '\0';
            return Refuse(result, STEP_BACKUP, WRITE_PATH_TOO_LONG);
        }
        file = CreateFileW(backup, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        error = file == INVALID_HANDLE_VALUE ? GetLastError() : 0;
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            break;
    }
    if (error) {
        result->backup[0] = '\0';
        return FailToCreate(result, STEP_BACKUP, error, folder);
    }
    CloseHandle(file);

    if (!GetTempFileNameW(folder, TEMPORARY_PREFIX, 0, temporary)) {
        error = GetLastError();
        DeleteFileW(backup);
        result->backup[0] = '\0';
        return FailToCreate(result, STEP_WRITE, error, folder);
    }
    file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    error = file == INVALID_HANDLE_VALUE ? GetLastError() : WriteAll(file, fixed, fixedLength);
    // What was read is what is replaced: a save by another program since then is never lost.
    same = error ? 1 : Holds(name, original, originalLength);
    if (same < 0)
        error = GetLastError();
    if (error || !same) {
        DeleteFileW(temporary);
        DeleteFileW(backup);
        result->backup[0] = '\0';
        return error ? Fail(result, STEP_WRITE, error) : Refuse(result, STEP_CHECK, WRITE_CHANGED);
    }
    // Write-through is not among what ReplaceFileW does; the corrected file is on the disk already.
    if (!ReplaceFileW(name, temporary, backup, 0, nullptr, nullptr))
        return AfterFailedReplace(name, temporary, backup, original, originalLength, fixed, fixedLength,
                                  GetLastError(), result);
    return 0;
}

int CreateSettingFile(const wchar_t *path, const char *text, int length, WriteResult *result)
{
    memset(result, 0, sizeof *result);
    static wchar_t name[MAX_PATH], folder[MAX_PATH];
    wchar_t *fileName = nullptr;
    if (FullName(path, name, &fileName, result) != 0)
        return 1;
    wcsncpy(folder, name, (size_t)(fileName - name));
    folder[fileName - name] = L'\0';
    // CREATE_NEW: a file made by someone else since it was found missing is never overwritten.
    HANDLE file = CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
            return -1;
        return error == ERROR_SHARING_VIOLATION ? RefuseHeld(result, STEP_WRITE, error)
                                                : FailToCreate(result, STEP_WRITE, error, folder);
    }
    DWORD error = WriteAll(file, text, length);
    if (error) {
        DeleteFileW(name);
        return Fail(result, STEP_WRITE, error);
    }
    return 0;
}

int RenameSettingFile(const wchar_t *from, const wchar_t *to)
{
    // Without MOVEFILE_REPLACE_EXISTING a file of that name stays.
    return MoveFileExW(from, to, 0) ? 0 : (int)GetLastError();
}
