// vorn-check's questions to Windows: the hotkey table, the windows of the
// desktop, the file system, the search path, the registry and the keyboard
// layouts.
#include "check/system/check_probe.h"
#include "settings/setting_text.h"

#include <string.h>
#include <windows.h>

int ProbeHotkeyIsHeld(unsigned modifiers, int keyCode)
{
    const int probeId = 1;
    if (!RegisterHotKey(nullptr, probeId, modifiers, (UINT)keyCode))
        return 1;
    UnregisterHotKey(nullptr, probeId);
    return 0;
}

int ProbeVornIsRunning()
{
    return FindWindowW(L"Vorn", nullptr) != nullptr;
}

static int Exists(const wchar_t *path)
{
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

static int IsAsciiLetter(wchar_t c)
{
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

// The length of an address's scheme before its colon, or 0. A scheme is a
// letter followed by letters, digits, '+', '-' or '.'; one letter is a drive.
static int SchemeLength(const wchar_t *text)
{
    if (!IsAsciiLetter(text[0]))
        return 0;
    int length = 1;
    while (IsAsciiLetter(text[length]) || (text[length] >= L'0' && text[length] <= L'9') ||
           text[length] == L'+' || text[length] == L'-' || text[length] == L'.')
        ++length;
    return text[length] == L':' && length > 1 ? length : 0;
}

static int RegistryKeyExists(HKEY root, const wchar_t *name)
{
    HKEY key;
    if (RegOpenKeyExW(root, name, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    RegCloseKey(key);
    return 1;
}

// A bare program name, as the shell finds one: on the search path, with the
// extensions it tries, or registered under App Paths.
static int FindsProgram(const wchar_t *name)
{
    static wchar_t searchPath[32768];
    if (GetEnvironmentVariableW(L"PATH", searchPath, 32768) == 0)
        searchPath[0] = L'\0';
    int hasExtension = wcschr(name, L'.') != nullptr;
    const wchar_t *const extensions[] = {L".exe", L".com", L".bat", L".cmd"};
    wchar_t found[MAX_PATH];
    for (const wchar_t *extension : extensions) {
        if (SearchPathW(searchPath, name, hasExtension ? nullptr : extension, MAX_PATH, found, nullptr))
            return 1;
        if (hasExtension)
            break;
    }
    wchar_t key[MAX_PATH + 64];
    _snwprintf(key, MAX_PATH + 64, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\%ls%ls", name,
               hasExtension ? L"" : L".exe");
    key[MAX_PATH + 63] = L'\0';
    return RegistryKeyExists(HKEY_LOCAL_MACHINE, key) || RegistryKeyExists(HKEY_CURRENT_USER, key);
}

TargetVerdict ProbeTarget(const char *target, const wchar_t *settingsPath)
{
    wchar_t wide[MAX_PATH];
    int length = SettingTextToWide(target, (int)strlen(target), wide, MAX_PATH - 1);
    wide[length > 0 ? length : 0] = L'\0';
    // An empty target, environment variables and network paths are the
    // shell's to judge when the hotkey fires, not ours now.
    if (length <= 0 || wcschr(wide, L'%') || (wide[0] == L'\\' && wide[1] == L'\\'))
        return TARGET_UNKNOWN;

    int scheme = SchemeLength(wide);
    if (scheme > 0) {
        wchar_t name[64];
        if (scheme >= 64)
            return TARGET_MISSING;
        wcsncpy(name, wide, scheme);
        name[scheme] = L'\0';
        if (_wcsicmp(name, L"shell") == 0)  // the shell's own folders, never registered
            return TARGET_UNKNOWN;
        return RegistryKeyExists(HKEY_CLASSES_ROOT, name) ? TARGET_FOUND : TARGET_MISSING;
    }

    // Vorn runs in the settings file's folder, so a relative path starts there.
    wchar_t path[MAX_PATH * 2];
    wchar_t *fileName = nullptr;
    DWORD folder = GetFullPathNameW(settingsPath, MAX_PATH, path, &fileName);
    if (folder == 0 || folder >= MAX_PATH || !fileName)
        return TARGET_UNKNOWN;
    int absolute = wide[0] == L'\\' || wide[0] == L'/' || (wide[1] == L':' && (wide[2] == L'\\' || wide[2] == L'/'));
    if (absolute)
        wcscpy(path, wide);
    else
        wcscpy(fileName, wide);
    if (Exists(path))
        return TARGET_FOUND;
    if (!wcschr(wide, L'\\') && !wcschr(wide, L'/') && FindsProgram(wide))
        return TARGET_FOUND;
    return TARGET_MISSING;
}

unsigned ProbeAnsiCodePage(unsigned)
{
    return GetACP();
}

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' text is UTF-16");

// ToUnicodeEx's answer for the key with the keyboard state on the layout.
static int TypedWith(const BYTE *state, int keyCode, HKL layout, wchar_t *typed, int capacity)
{
    UINT scanCode = MapVirtualKeyExW((UINT)keyCode, MAPVK_VK_TO_VSC, layout);
    // Flag 4 leaves the keyboard's dead-key state alone where Windows knows
    // it; elsewhere the same key again takes the dead key's state back out.
    // Flag 1 keeps a held Alt over the numeric keypad from starting an
    // Alt+number entry.
    const UINT flags = 4 | 1;
    int result = ToUnicodeEx((UINT)keyCode, scanCode, state, typed, capacity, flags, layout);
    if (result < 0) {
        wchar_t again[8] = {};
        ToUnicodeEx((UINT)keyCode, scanCode, state, again, 8, flags, layout);
    }
    return result > capacity ? capacity : result;
}

int ProbeTypedCharacters(unsigned modifiers, int keyCode, TypedCharacter *typed, int capacity)
{
    HKL layouts[32];
    int layoutCount = GetKeyboardLayoutList(32, layouts);
    BYTE state[256] = {};
    BYTE plain[256] = {};
    state[VK_CONTROL] = state[VK_LCONTROL] = state[VK_MENU] = state[VK_RMENU] = 0x80;
    if (modifiers & MOD_SHIFT)
        state[VK_SHIFT] = state[VK_LSHIFT] = plain[VK_SHIFT] = plain[VK_LSHIFT] = 0x80;
    int count = 0;
    for (int i = 0; i < layoutCount; ++i) {
        // A dead key may write nothing.
        wchar_t withCtrlAlt[8] = {}, without[8] = {};
        int typedResult = TypedWith(state, keyCode, layouts[i], withCtrlAlt, 8);
        int plainResult = TypedWith(plain, keyCode, layouts[i], without, 8);
        if (typedResult != 0)
            count = AddTypedCharacter(typed, count, capacity, LOWORD((ULONG_PTR)layouts[i]),
                                      (const char16_t *)withCtrlAlt, typedResult, (const char16_t *)without,
                                      plainResult);
    }
    return count;
}

void ProbeLayoutName(unsigned layout, int inEnglish, char *name, int capacity)
{
    // The localized name is in the language Windows was made in, which may
    // be English under a Japanese display language; a Japanese layout's own
    // name is Japanese wherever.
    LCTYPE type = inEnglish                              ? LOCALE_SENGLISHDISPLAYNAME
                  : PRIMARYLANGID(layout) == LANG_JAPANESE ? LOCALE_SNATIVEDISPLAYNAME
                                                         : LOCALE_SLOCALIZEDDISPLAYNAME;
    wchar_t wide[LOCALE_NAME_MAX_LENGTH * 2];
    if (!GetLocaleInfoW(MAKELCID(layout, SORT_DEFAULT), type, wide, LOCALE_NAME_MAX_LENGTH * 2))
        _snwprintf(wide, LOCALE_NAME_MAX_LENGTH * 2, L"%04X", layout);
    wide[LOCALE_NAME_MAX_LENGTH * 2 - 1] = L'\0';
    LayoutNameToUtf8((const char16_t *)wide, name, capacity);
}

int ProbeKeyForCharacter(char character, int *keyCode, unsigned *held, unsigned *layout)
{
    HKL current = GetKeyboardLayout(0);
    SHORT key = VkKeyScanExW((WCHAR)(unsigned char)character, current);
    if (key == -1)
        return 0;
    *keyCode = LOBYTE(key);
    // Every state the key needs, Hankaku and the layout's own shift keys too.
    *held = HIBYTE(key);
    *layout = LOWORD((ULONG_PTR)current);
    return 1;
}

void ProbeOpenFailure(const wchar_t *path, OpenProbe *probe)
{
    memset(probe, 0, sizeof *probe);
    DWORD attributes = GetFileAttributesW(path);
    HANDLE file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD error = file == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        probe->failure = OPEN_FOLDER;
    else if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        probe->failure = OPEN_NOT_FOUND;
    else if (error == ERROR_ACCESS_DENIED)
        probe->failure = OPEN_NO_ACCESS;
    else if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
        probe->failure = OPEN_IN_USE;
    else
        probe->failure = OPEN_OTHER;
    probe->error = (int)error;
    if (probe->failure != OPEN_NOT_FOUND)
        return;
    // The folder as the user knows it, without the name; its root keeps its backslash.
    wchar_t full[OPEN_NAME_SIZE], pattern[OPEN_NAME_SIZE + 2];
    wchar_t *name = nullptr;
    DWORD length = GetFullPathNameW(path, OPEN_NAME_SIZE, full, &name);
    if (length == 0 || length >= OPEN_NAME_SIZE || !name)
        return;
    _snwprintf(pattern, OPEN_NAME_SIZE + 2, L"%ls.*", full);
    pattern[OPEN_NAME_SIZE + 1] = L'\0';
    wchar_t *folderEnd = name > full + 1 && name[-2] != L':' ? name - 1 : name;
    wchar_t kept = *folderEnd;
    *folderEnd = L'\0';
    WideCharToMultiByte(CP_UTF8, 0, full, -1, probe->folder, OPEN_NAME_SIZE, nullptr, nullptr);
    *folderEnd = kept;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        // A backup is the user's old text, not a file saved under another name.
        size_t room = OPEN_NAME_SIZE - (size_t)(name - full), nameLength = wcslen(found.cFileName);
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && nameLength < room &&
            !(nameLength > 4 && _wcsicmp(found.cFileName + nameLength - 4, L".bak") == 0) &&
            WideCharToMultiByte(CP_UTF8, 0, found.cFileName, -1, probe->nearName, OPEN_NAME_SIZE, nullptr, nullptr)) {
            wcscpy(name, found.cFileName);
            wcscpy(probe->nearPath, full);
            break;
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}
