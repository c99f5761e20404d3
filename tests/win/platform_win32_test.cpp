// The portable core on the real Win32 calls.
#include <gtest/gtest.h>

#include <windows.h>

#include <string.h>

#include <string>
#include <vector>

#include "actions/hotkey_action.h"
#include "check/read/code_page.h"
#include "check/system/setting_write.h"
#include "platform/platform.h"
#include "settings/setting_loader.h"
#include "shell/main_window.h"
#include "shell/tray_icon.h"

namespace {

// A scratch working directory, so "setting.vorn" is looked up there. Its
// name is new on every run, since Wine reuses process ids from run to run.
class InScratchDirectory : public testing::Test {
protected:
    // A run that failed with the settings file open could not delete its
    // folder; the tests run one at a time, so every such folder is stale.
    static void SetUpTestSuite()
    {
        wchar_t temp[MAX_PATH], pattern[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        swprintf(pattern, MAX_PATH, L"%lsvorn-win-*", temp);
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(pattern, &found);
        if (search == INVALID_HANDLE_VALUE)
            return;
        do {
            wchar_t folder[MAX_PATH];
            swprintf(folder, MAX_PATH, L"%ls%ls", temp, found.cFileName);
            RemoveFolder(folder);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }

    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        GetCurrentDirectoryW(MAX_PATH, previous_);
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        swprintf(directory_, MAX_PATH, L"%lsvorn-win-%08lx%08lx-%lu", temp, now.dwHighDateTime, now.dwLowDateTime,
                 GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(directory_, nullptr));
        ASSERT_TRUE(SetCurrentDirectoryW(directory_));
        memset(&g_bindings, 0, sizeof g_bindings);
    }

    // A test that failed half-way may have left its handles open.
    void TearDown() override
    {
        for (HANDLE *handle : {&file_, &second_}) {
            if (*handle != INVALID_HANDLE_VALUE)
                CloseHandle(*handle);
        }
        SetCurrentDirectoryW(previous_);
        RemoveFolder(directory_);
    }

    static void RemoveFolder(const wchar_t *folder)
    {
        wchar_t file[MAX_PATH];
        swprintf(file, MAX_PATH, L"%ls\\setting.vorn", folder);
        DeleteFileW(file);
        RemoveDirectoryW(folder);
    }

    static void WriteSettings(const char *contents)
    {
        HANDLE file = CreateFileW(L"setting.vorn", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, contents, (DWORD)strlen(contents), &written, nullptr);
        CloseHandle(file);
    }

    wchar_t previous_[MAX_PATH];
    wchar_t directory_[MAX_PATH];
    HANDLE file_ = INVALID_HANDLE_VALUE;
    HANDLE second_ = INVALID_HANDLE_VALUE;
};

// Run under two locales: Japanese, where both code pages are 932, and
// C.UTF-8, where ANSI is 1252 and OEM is 437, so taking the wrong one shows.
// vorn-check takes a code page as able to show a text only where the text
// comes back from it the same; Wine takes flags that Windows refuses for
// UTF-8, so the round trip is what decides everywhere.
TEST(CodePage, EncodesAllOfATextOnlyWhereItComesBackTheSame)
{
    const wchar_t text[] = L"\u8a2d\u5b9a\u30d5\u30a1\u30a4\u30eb";
    EXPECT_TRUE(CodePageEncodesAll(932, text, 6));
    EXPECT_FALSE(CodePageEncodesAll(20127, text, 6));
    EXPECT_TRUE(CodePageEncodesAll(65001, text, 6));
    EXPECT_FALSE(CodePageEncodesAll(1252, L"caf\u00e9 \u2192", 6)) << "a best-fit arrow passed";
    char bytes[LONGEST_CHARACTER];
    EXPECT_EQ(EncodeCharacter(1252, 0x2192, bytes), 0) << "a best-fit arrow written";
    EXPECT_EQ(EncodeCharacter(1252, 0xE9, bytes), 1);
}

TEST(ToQuotedWide, DecodesByTheOemCodePage)
{
    struct Case {
        UINT oemCodePage;  // 0: any
        const char *source;
        const wchar_t *quoted;
    } cases[] = {
        {0, "C:\\Tools\\My Editor\\edit.exe", L"\"C:\\Tools\\My Editor\\edit.exe\""},
        {0, "", L"\"\""},
        {932, "C:\\\x83\x65\x83\x58\x83\x67\\\x95\x5c.exe", L"\"C:\\\u30c6\u30b9\u30c8\\\u8868.exe\""},
        {932, "\xb1\xb2", L"\"\uff71\uff72\""},  // half-width katakana are single bytes
        {437, "caf\x82\\\x84", L"\"caf\u00e9\\\u00e4\""},  // 1252 would give U+201A and U+201E
    };
    UINT oem = GetOEMCP();
    ASSERT_TRUE(oem == 932 || oem == 437) << "run with LANG=ja_JP.UTF-8 or LANG=C.UTF-8";
    for (const Case &c : cases) {
        if (c.oemCodePage != 0 && c.oemCodePage != oem)
            continue;
        char source[SETTING_TEXT_SIZE] = {0};
        strcpy(source, c.source);
        wchar_t destination[WIDE_TEXT_SIZE];
        EXPECT_STREQ(ToQuotedWide(source, destination), c.quoted) << c.source;
    }
}

TEST_F(InScratchDirectory, TheSettingsFileIsSharedWithNobodyWhileOpen)
{
    ASSERT_NE(PlatformOpenFile(L"setting.vorn", &file_), 0) << "no file yet";

    WriteSettings("C\tE\tQUIT\n");
    ASSERT_EQ(PlatformOpenFile(L"setting.vorn", &file_), 0);
    second_ = CreateFileW(L"setting.vorn", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_EQ(second_, INVALID_HANDLE_VALUE);

    char chunk[100] = {0};
    EXPECT_EQ(PlatformReadFile(file_, chunk, 99), 9);
    EXPECT_STREQ(chunk, "C\tE\tQUIT\n");
    EXPECT_EQ(PlatformReadFile(file_, chunk, 99), 0);
    PlatformCloseFile(file_);
    file_ = INVALID_HANDLE_VALUE;

    // Someone else holding the file makes the open fail.
    second_ = CreateFileW(L"setting.vorn", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(second_, INVALID_HANDLE_VALUE);
    EXPECT_NE(LoadSettingFile(nullptr), 0);
}

// The names in the working directory.
std::vector<std::wstring> FolderNames()
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(L"*", &found);
    do {
        if (wcscmp(found.cFileName, L".") != 0 && wcscmp(found.cFileName, L"..") != 0)
            names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// A file another program holds, or saved since it was read, is left as it
// was, with nothing of the attempt beside it.
TEST_F(InScratchDirectory, AFileHeldOrChangedIsNotReplacedAndNothingIsLeftBesideIt)
{
    const char original[] = "ca\tE\tALERT\r\n", fixed[] = "CA\tE\tALERT\r\n";
    const int length = (int)strlen(original);
    WriteSettings(original);
    const std::vector<std::wstring> alone = {L"setting.vorn"};
    static WriteResult result;
    // Shared for reading only, as an editor may hold it: readable, but no
    // rename can take it away. Then shared with nobody.
    for (DWORD sharing : {(DWORD)FILE_SHARE_READ, (DWORD)0}) {
        second_ = CreateFileW(L"setting.vorn", GENERIC_READ, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
        ASSERT_NE(second_, INVALID_HANDLE_VALUE);
        EXPECT_EQ(ReplaceSettingFile(L"setting.vorn", original, length, fixed, length, &result), 1);
        EXPECT_EQ(result.failure, WRITE_IN_USE) << sharing << " " << result.error;
        EXPECT_EQ(result.step, sharing ? STEP_REPLACE : STEP_CHECK) << sharing;
        EXPECT_EQ(FolderNames(), alone) << sharing;
        CloseHandle(second_);
        second_ = INVALID_HANDLE_VALUE;
    }
    EXPECT_EQ(ReplaceSettingFile(L"setting.vorn", "ca\tE\tALERT\n", length - 1, fixed, length, &result), 1);
    EXPECT_EQ(result.failure, WRITE_CHANGED);
    EXPECT_EQ(FolderNames(), alone);

    EXPECT_EQ(ReplaceSettingFile(L"setting.vorn", original, length, fixed, length, &result), 0);
    EXPECT_STREQ(result.backup, "setting.vorn.bak");
    EXPECT_TRUE(DeleteFileW(L"setting.vorn.bak"));
}

TEST_F(InScratchDirectory, LoadedCombinationsAreHeldUntilUnregistered)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"vorn-test", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    WriteSettings("CSA\tQ\tQUIT\r\n\r\nCSA\tEND\tALERT\r\n");
    ASSERT_EQ(LoadSettingFile(window), 0);
    EXPECT_EQ(g_bindings.count, 3);

    // Another registration of a held combination is refused.
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_SHIFT | MOD_ALT, 'Q'));
    EXPECT_FALSE(RegisterHotKey(nullptr, 2, MOD_CONTROL | MOD_SHIFT | MOD_ALT, VK_END));

    UnregisterBindings(window);
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_SHIFT | MOD_ALT, 'Q'));
    EXPECT_TRUE(RegisterHotKey(nullptr, 2, MOD_CONTROL | MOD_SHIFT | MOD_ALT, VK_END));
    UnregisterHotKey(nullptr, 1);
    UnregisterHotKey(nullptr, 2);
    DestroyWindow(window);
}

// The shutdown's effects, seen while the process still lives: after the
// system's own clean-up at exit, a shutdown that did nothing would look the same.
TEST_F(InScratchDirectory, ShutdownOnALiveWindowFreesItsCombinationsAndItsIcon)
{
    WriteSettings("CSA\tQ\tQUIT\r\n\r\nCSA\tEND\tALERT\r\n");
    HWND window = CreateMainWindow(GetModuleHandleW(nullptr));
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(LoadSettingFile(window), 0);
    NOTIFYICONDATAW icon = g_trayIcon;
    EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &icon)) << "no icon to begin with";
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_SHIFT | MOD_ALT, 'Q'));

    SendMessageW(window, WM_DESTROY, 0, 0);
    // A retry's tick posted before the timer was killed comes all the same.
    SendMessageW(window, WM_TIMER, 1, 0);
    EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &icon)) << "the icon outlived the shutdown";
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_SHIFT | MOD_ALT, 'Q'));
    EXPECT_TRUE(RegisterHotKey(nullptr, 2, MOD_CONTROL | MOD_SHIFT | MOD_ALT, VK_END));
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the loop would not end";
    UnregisterHotKey(nullptr, 1);
    UnregisterHotKey(nullptr, 2);
    DestroyWindow(window);
}

// A notification area that refuses every icon, found before Wine's own.
LRESULT CALLBACK RefuseIcons(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return message == WM_COPYDATA ? FALSE : DefWindowProcW(window, message, wParam, lParam);
}

TEST(TrayIcon, ARefusedIconIsAskedForOnceAMinuteAfterItsFastTries)
{
    WNDCLASSW trayClass = {};
    trayClass.lpfnWndProc = RefuseIcons;
    trayClass.lpszClassName = L"Shell_TrayWnd";
    RegisterClassW(&trayClass);
    HWND busy = CreateWindowExW(WS_EX_TOPMOST, L"Shell_TrayWnd", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_EQ(FindWindowW(L"Shell_TrayWnd", nullptr), busy);
    HWND window = CreateMainWindow(GetModuleHandleW(nullptr));
    ASSERT_NE(window, nullptr);

    // The 150 fast tries, each refused.
    for (int tick = 0; tick < 150; ++tick)
        SendMessageW(window, WM_TIMER, 1, 0);
    EXPECT_TRUE(KillTimer(window, 1)) << "the retries stopped after their fast tries";

    DestroyWindow(window);
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    DestroyWindow(busy);
    UnregisterClassW(L"Shell_TrayWnd", nullptr);
}

}  // namespace
