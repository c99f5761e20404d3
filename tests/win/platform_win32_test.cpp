// The portable core on the real Win32 calls.
#include <gtest/gtest.h>

#include <windows.h>

#include <string.h>

#include "actions/hotkey_action.h"
#include "platform/platform.h"
#include "settings/setting_loader.h"

namespace {

// A scratch working directory, so "setting.vorn" is looked up there.
class InScratchDirectory : public testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        GetCurrentDirectoryW(MAX_PATH, previous_);
        swprintf(directory_, MAX_PATH, L"%lsvorn-win-%lu", temp, GetCurrentProcessId());
        CreateDirectoryW(directory_, nullptr);
        ASSERT_TRUE(SetCurrentDirectoryW(directory_));
        memset(&g_bindings, 0, sizeof g_bindings);
    }

    void TearDown() override
    {
        DeleteFileW(L"setting.vorn");
        SetCurrentDirectoryW(previous_);
        RemoveDirectoryW(directory_);
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
};

TEST(ToQuotedWide, DecodesByTheOemCodePage)
{
    ASSERT_EQ(GetOEMCP(), 932u) << "run with LANG=ja_JP.UTF-8";
    struct Case {
        const char *source;
        const wchar_t *quoted;
    } cases[] = {
        {"C:\\Tools\\My Editor\\edit.exe", L"\"C:\\Tools\\My Editor\\edit.exe\""},
        {"", L"\"\""},
        {"C:\\\x83\x65\x83\x58\x83\x67\\\x95\x5c.exe", L"\"C:\\\u30c6\u30b9\u30c8\\\u8868.exe\""},
        {"\xb1\xb2", L"\"\uff71\uff72\""},  // half-width katakana are single bytes
    };
    for (const Case &c : cases) {
        char source[SETTING_TEXT_SIZE] = {0};
        strcpy(source, c.source);
        wchar_t destination[WIDE_TEXT_SIZE];
        EXPECT_STREQ(ToQuotedWide(source, destination), c.quoted) << c.source;
    }
}

TEST_F(InScratchDirectory, TheSettingsFileIsSharedWithNobodyWhileOpen)
{
    HANDLE file;
    EXPECT_NE(PlatformOpenFile(L"setting.vorn", &file), 0) << "no file yet";

    WriteSettings("C\tE\tQUIT\n");
    ASSERT_EQ(PlatformOpenFile(L"setting.vorn", &file), 0);
    HANDLE second = CreateFileW(L"setting.vorn", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(second, INVALID_HANDLE_VALUE);

    char chunk[100] = {0};
    EXPECT_EQ(PlatformReadFile(file, chunk, 99), 9);
    EXPECT_STREQ(chunk, "C\tE\tQUIT\n");
    EXPECT_EQ(PlatformReadFile(file, chunk, 99), 0);
    PlatformCloseFile(file);

    // Someone else holding the file makes the open fail.
    second = CreateFileW(L"setting.vorn", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(second, INVALID_HANDLE_VALUE);
    EXPECT_NE(LoadSettingFile(nullptr), 0);
    CloseHandle(second);
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

}  // namespace
