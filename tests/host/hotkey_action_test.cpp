#include <gtest/gtest.h>

#include <limits.h>
#include <string.h>

#include <string>

#include "actions/hotkey_action.h"
#include "fake_platform.h"

namespace {

HWND const WINDOW = (HWND)0x4321;

class HotkeyAction : public testing::Test {
protected:
    void SetUp() override { ResetFakePlatform(); }

    static void Bind(int slot, ActionCode action, const char *target = "", const char *parameters = "")
    {
        g_bindings.slots[slot].action = action;
        strcpy(g_bindings.slots[slot].target, target);
        strcpy(g_bindings.slots[slot].parameters, parameters);
        if (g_bindings.count <= slot)
            g_bindings.count = slot + 1;
    }
};

TEST_F(HotkeyAction, ExecOpensTheQuotedTargetWithQuotedParameters)
{
    struct Case {
        const char *target;
        const char *parameters;
        const wchar_t *file;
        const wchar_t *passedParameters;
    } cases[] = {
        {"C:\\Tools\\My Editor\\edit.exe", "", L"\"C:\\Tools\\My Editor\\edit.exe\"", L""},
        {"notepad.exe", "memo.txt", L"\"notepad.exe\"", L"\"memo.txt\""},
        {"C:\\a b\\c.exe", "one two  three", L"\"C:\\a b\\c.exe\"", L"\"one two  three\""},
        {"", "", L"\"\"", L""},
        {"x.exe", "a\" \"b", L"\"x.exe\"", L"\"a\" \"b\""},
        {"https://example.org/", "", L"\"https://example.org/\"", L""},
    };
    for (const Case &c : cases) {
        ResetFakePlatform();
        Bind(7, ACTION_EXEC, c.target, c.parameters);
        EXPECT_EQ(RunHotkeyAction(7, WINDOW), 0);
        ASSERT_EQ(g_fake.shellExecutes.size(), 1u) << c.target;
        const RecordedShellExecute &call = g_fake.shellExecutes[0];
        EXPECT_EQ(call.window, WINDOW);
        EXPECT_EQ(call.verb, L"open");
        EXPECT_EQ(call.file, c.file);
        EXPECT_EQ(call.parameters, c.passedParameters);
        EXPECT_FALSE(call.parametersNull);
        EXPECT_TRUE(call.directoryNull);
        EXPECT_EQ(call.showCommand, SW_SHOW);
        EXPECT_TRUE(g_fake.messageBoxes.empty() && g_fake.sentMessages.empty());
    }
}

TEST_F(HotkeyAction, QuitSendsDestroyToTheMainWindowAndNothingElse)
{
    Bind(0, ACTION_QUIT, "ignored.exe");
    EXPECT_EQ(RunHotkeyAction(0, WINDOW), 0);
    ASSERT_EQ(g_fake.sentMessages.size(), 1u);
    EXPECT_EQ(g_fake.sentMessages[0].window, WINDOW);
    EXPECT_EQ(g_fake.sentMessages[0].message, (unsigned)WM_DESTROY);
    EXPECT_EQ(g_fake.sentMessages[0].wParam, 0u);
    EXPECT_EQ(g_fake.sentMessages[0].lParam, 0);
    EXPECT_EQ(g_fake.calls, std::vector<std::string>{"send"});
}

TEST_F(HotkeyAction, AlertComesForwardThenShowsTheTestBoxOwnedByTheWindow)
{
    Bind(3, ACTION_ALERT, "C:\\never\\used.exe");
    EXPECT_EQ(RunHotkeyAction(3, WINDOW), 0);
    EXPECT_EQ(g_fake.calls, (std::vector<std::string>{"foreground", "messagebox"}));
    EXPECT_EQ(g_fake.foregroundWindows, std::vector<HWND>{WINDOW});
    ASSERT_EQ(g_fake.messageBoxes.size(), 1u);
    EXPECT_EQ(g_fake.messageBoxes[0].owner, WINDOW);
    EXPECT_EQ(g_fake.messageBoxes[0].text, L"test");
    EXPECT_EQ(g_fake.messageBoxes[0].title, L"Vorn");
    EXPECT_EQ(g_fake.messageBoxes[0].style, (unsigned)MB_OK);
}

TEST_F(HotkeyAction, EmptySlotsAndIndexesOutsideTheTableDoNothing)
{
    Bind(0, ACTION_QUIT);
    Bind(1, ACTION_NONE, "rejected.exe");
    Bind(2, 99);  // no such action
    Bind(MAX_BINDINGS - 1, ACTION_NONE);
    // What lies behind the last slot would read as ACTION_QUIT if an index
    // one past the table were taken for a slot.
    g_bindings.count = ACTION_QUIT;
    for (int index : std::initializer_list<int>{1, 2, 3, MAX_BINDINGS - 1, MAX_BINDINGS, MAX_BINDINGS + 1, -1, -10000, INT_MAX, INT_MIN})
        EXPECT_EQ(RunHotkeyAction(index, WINDOW), 0) << index;
    EXPECT_TRUE(g_fake.calls.empty());
}

TEST(SlotFromHotkeyId, AcceptsOnlyTheTablesOwnIdentifiers)
{
    EXPECT_EQ(SlotFromHotkeyId(10000), 0);
    EXPECT_EQ(SlotFromHotkeyId(10049), 49);
    for (unsigned long long id : {0ull, 9999ull, 10050ull, 0xffffffffull, 0x100002710ull, ~0ull})
        EXPECT_EQ(SlotFromHotkeyId(id), -1) << id;
}

TEST(ToQuotedWide, AFailedConversionGivesTheQuotesAlone)
{
    ResetFakePlatform();
    g_fake.conversionFails = true;
    char source[SETTING_TEXT_SIZE] = "C:\\a.exe";
    wchar_t destination[WIDE_TEXT_SIZE];
    EXPECT_EQ(ToQuotedWide(source, destination), destination);
    EXPECT_STREQ(destination, L"\"\"");
}

TEST(ToQuotedWide, ConvertsByTheOemCodePageWithTheFlagsItTakes)
{
    // UTF-8 and GB18030 refuse MB_PRECOMPOSED; every other code page keeps it.
    for (unsigned codePage : {932u, 437u, 850u, 65001u, 54936u}) {
        ResetFakePlatform();
        g_fake.oemCodePage = codePage;
        char source[SETTING_TEXT_SIZE] = "C:\\a.exe";
        wchar_t destination[WIDE_TEXT_SIZE];
        EXPECT_STREQ(ToQuotedWide(source, destination), L"\"C:\\a.exe\"") << codePage;
        unsigned flags = codePage == 65001 || codePage == 54936 ? 0 : MB_PRECOMPOSED;
        EXPECT_EQ(g_fake.conversions, (std::vector<std::pair<unsigned, unsigned>>{{CP_OEMCP, flags}})) << codePage;
    }
}

TEST(ToQuotedWide, TextTooLongForTheDestinationIsCutAndStillClosed)
{
    ResetFakePlatform();
    for (int length : {257, 258, 259}) {
        char source[SETTING_TEXT_SIZE] = {0};
        memset(source, 'x', length);
        wchar_t destination[WIDE_TEXT_SIZE + 1];
        destination[WIDE_TEXT_SIZE] = L'#';  // must survive
        ToQuotedWide(source, destination);
        std::wstring quoted(destination);
        EXPECT_EQ(quoted, L"\"" + std::wstring(257, L'x') + L"\"") << length;
        EXPECT_EQ(destination[WIDE_TEXT_SIZE], L'#');
    }
}

}  // namespace
