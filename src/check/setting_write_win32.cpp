// Replacing the settings file on Windows.
#include "check/setting_write.h"

#include <string.h>
#include <windows.h>

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

// All of bytes into the open file, on the disk before it is closed; 0 on success.
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

int ReplaceSettingFile(const wchar_t *path, const char *original, int originalLength, const char *fixed,
                       int fixedLength, WriteResult *result)
{
    memset(result, 0, sizeof *result);
    wchar_t backup[MAX_PATH + 16], temporary[MAX_PATH], folder[MAX_PATH];
    wchar_t *fileName = nullptr;
    DWORD length = GetFullPathNameW(path, MAX_PATH, folder, &fileName);
    if (length == 0 || length >= MAX_PATH || !fileName)
        return Fail(result, STEP_BACKUP, length == 0 ? GetLastError() : ERROR_FILENAME_EXCED_RANGE);
    *fileName = L'\0';

    // The first free name is taken by creating it, so no backup is ever overwritten.
    HANDLE file = INVALID_HANDLE_VALUE;
    DWORD error = ERROR_FILE_EXISTS;
    for (int number = 1; number <= 999 && file == INVALID_HANDLE_VALUE; ++number) {
        _snwprintf(backup, MAX_PATH + 16, number == 1 ? L"%ls.bak" : L"%ls.%d.bak", path, number);
        backup[MAX_PATH + 15] = L'\0';
        file = CreateFileW(backup, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        result->backupNumber = number;
        error = file == INVALID_HANDLE_VALUE ? GetLastError() : 0;
        if (error && error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            break;
    }
    if (file == INVALID_HANDLE_VALUE)
        return Fail(result, STEP_BACKUP, error);
    if ((error = WriteAll(file, original, originalLength)) != 0) {
        DeleteFileW(backup);
        return Fail(result, STEP_BACKUP, error);
    }

    if (!GetTempFileNameW(folder, L"vrn", 0, temporary)) {
        error = GetLastError();
        DeleteFileW(backup);
        return Fail(result, STEP_WRITE, error);
    }
    file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    error = file == INVALID_HANDLE_VALUE ? GetLastError() : WriteAll(file, fixed, fixedLength);
    WriteStep step = STEP_WRITE;
    // A rename within the folder: the file is the old one or the new one, never half of either.
    if (!error && !MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        step = STEP_REPLACE;
    }
    if (error) {
        DeleteFileW(temporary);
        DeleteFileW(backup);
        return Fail(result, step, error);
    }
    return 0;
}
