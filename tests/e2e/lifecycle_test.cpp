// Starting and stopping: the start-up error, every way to end Vorn, and the
// notification icon's popup menu.
#include "vorn_fixture.h"

#include <shellapi.h>

namespace {

const wchar_t START_ERROR[] = L"設定ファイルが読み込めません。\n起動を中止します。";

// The start-up error box: no owner, the exact text, and exit code 0 once closed.
void ExpectStartError(VornProcess *vorn)
{
    HWND box = WaitForBox(vorn->process.dwProcessId, L"Vorn");
    ASSERT_NE(box, nullptr) << "no start-up error box";
    // The icon is added, and removed, by synchronous calls made before the
    // box opens: had it been left, it would stand by now.
    EXPECT_TRUE(TrayIcons().empty()) << "a dead icon stands beside the error box";
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_EQ(BoxText(box), START_ERROR);
    CloseBox(box);
    EXPECT_EQ(WaitForExit(vorn), 0u);
}

TEST_F(VornEndToEnd, WithoutASettingsFileInTheWorkingDirectoryItShowsTheErrorAndEndsWithZero)
{
    // A settings file beside the program does not count.
    std::wstring programFolder = MakeScratchDirectory("program");
    CopyFileW((ProgramDirectory() + L"Vorn.exe").c_str(), (programFolder + L"Vorn.exe").c_str(), FALSE);
    WriteBytes(programFolder + L"setting.vorn", "CA\tE\tALERT\r\n");

    ASSERT_TRUE(StartVornFrom(programFolder + L"Vorn.exe", directory_, &vorn_));
    ExpectStartError(&vorn_);
    EXPECT_FALSE(IsHeld(CTRL_ALT, 'E'));
    EndVorn(&vorn_);
    RemoveTree(programFolder);
}

TEST_F(VornEndToEnd, ASettingsFileHeldOpenByAnotherProgramCannotBeRead)
{
    std::wstring path = directory_ + L"setting.vorn";
    WriteBytes(path, "CA\tE\tALERT\r\n");
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(StartVorn(directory_, &vorn_));
    ExpectStartError(&vorn_);
    CloseHandle(held);
}

TEST_F(VornEndToEnd, AnEmptyFileRunsWithNoHotkeysUntilClosed)
{
    Start("");
    EXPECT_EQ(WaitForExit(&vorn_, 500), (DWORD)STILL_ACTIVE);
    PostMessageW(vorn_.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(&vorn_), 0u);
}

TEST_F(VornEndToEnd, TheQuitHotkeyAndWmCloseEndWithZeroAndReleaseEverything)
{
    const char *settings = "CA\tE\tALERT\r\nnote\r\nCSA\tQ\tQUIT\r\nCA\tR\tALERT\r\n";
    Start(settings);
    ExpectCleanEnd(PressForExit(CTRL_SHIFT_ALT, 'Q'), {{CTRL_ALT, 'E'}, {CTRL_SHIFT_ALT, 'Q'}, {CTRL_ALT, 'R'}});
    EndVorn(&vorn_);

    Start(settings);
    EXPECT_TRUE(IsHeld(CTRL_ALT, 'R'));
    PostMessageW(vorn_.window, WM_CLOSE, 0, 0);
    ExpectCleanEnd(WaitForExit(&vorn_), {{CTRL_ALT, 'E'}, {CTRL_SHIFT_ALT, 'Q'}, {CTRL_ALT, 'R'}});
}

// What a new Explorer says to every top-level window.
void AnnounceTaskbar()
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG,
                        WAIT_MS, &result);
}

TEST_F(VornEndToEnd, TheIconStandsWhileVornRunsComesBackWithANewTaskbarAndItsMenuEndsIt)
{
    ASSERT_EQ(WaitForTrayIcons(0).size(), 0u) << "an icon is left from before";
    Start("CA\tE\tALERT\r\n");
    std::vector<HWND> icons = WaitForTrayIcons(1);
    ASSERT_EQ(icons.size(), 1u) << "no notification icon";

    // Hovering shows a tooltip (its text stays inside Wine's tray process).
    RECT frame;
    GetWindowRect(icons[0], &frame);
    SetCursorPos((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2);
    HWND tip = nullptr;
    for (int i = 0; i < 60 && !(tip && IsWindowVisible(tip)); ++i) {
        Sleep(50);
        tip = FindWindowW(L"tooltips_class32", nullptr);
    }
    EXPECT_TRUE(tip && IsWindowVisible(tip)) << "no tooltip over the icon";

    // A left click on the icon does nothing; a right click opens the menu.
    ClickWindow(icons[0], MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(WaitForPopupMenu(vorn_.process.dwProcessId, 500), nullptr);

    // After an Explorer restart the icon is added again, once, however often it is announced.
    NOTIFYICONDATAW shown = {};
    shown.cbSize = sizeof shown;
    shown.hWnd = vorn_.window;
    Shell_NotifyIconW(NIM_DELETE, &shown);  // as the shell does when Explorer ends
    ASSERT_EQ(WaitForTrayIcons(0).size(), 0u) << "the icon was not removed";
    AnnounceTaskbar();
    ASSERT_EQ(WaitForTrayIcons(1).size(), 1u) << "the icon did not come back";
    // The broadcast returns once Vorn has handled it, icon and all.
    AnnounceTaskbar();
    icons = WaitForTrayIcons(1);
    ASSERT_EQ(icons.size(), 1u) << "a second announcement left two icons";

    ClickWindow(icons[0], MOUSEEVENTF_RIGHTDOWN);
    HWND menu = WaitForPopupMenu(vorn_.process.dwProcessId);
    ASSERT_NE(menu, nullptr) << "a right click on the icon opened no menu";
    Press(0, VK_UP);
    Press(0, VK_RETURN);
    ExpectCleanEnd(WaitForExit(&vorn_), {{CTRL_ALT, 'E'}});
    EXPECT_EQ(WaitForTrayIcons(0).size(), 0u) << "the icon was not removed";
}

TEST_F(VornEndToEnd, OnlyARightButtonReleaseOnTheIconOpensTheMenu)
{
    Start("CA\tE\tALERT\r\n");
    for (LPARAM mouse : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_RBUTTONDOWN}) {
        PostMessageW(vorn_.window, WM_TRAYNOTIFY, 0, mouse);
        EXPECT_EQ(WaitForPopupMenu(vorn_.process.dwProcessId, 300), nullptr) << "menu for " << mouse;
    }
    PostMessageW(vorn_.window, WM_TRAYNOTIFY, 0, WM_RBUTTONUP);
    HWND menu = WaitForPopupMenu(vorn_.process.dwProcessId);
    ASSERT_NE(menu, nullptr) << "no menu on a right-button release";

    // Away from the menu, a click closes it and leaves Vorn running.
    ClickAt(5, GetSystemMetrics(SM_CYSCREEN) - 5);
    for (int i = 0; i < 40 && IsWindowVisible(menu); ++i)
        Sleep(50);
    EXPECT_FALSE(IsWindowVisible(menu));
    EXPECT_EQ(WaitForExit(&vorn_, 300), (DWORD)STILL_ACTIVE);
    EXPECT_TRUE(IsHeld(CTRL_ALT, 'E'));
}

// Wine keeps menus private to their process, so the items themselves are
// checked in the resource the menu is loaded from; here they are used.
TEST_F(VornEndToEnd, ExitChosenInTheMenuWithTheKeyboardEndsWithZero)
{
    Start("CA\tE\tALERT\r\n");
    PostMessageW(vorn_.window, WM_TRAYNOTIFY, 0, WM_RBUTTONUP);
    ASSERT_NE(WaitForPopupMenu(vorn_.process.dwProcessId), nullptr);

    // The version line can be highlighted but not chosen.
    Press(0, VK_DOWN);
    Press(0, VK_RETURN);
    EXPECT_EQ(WaitForExit(&vorn_, 500), (DWORD)STILL_ACTIVE) << "the version line ended Vorn";

    if (!WaitForPopupMenu(vorn_.process.dwProcessId, 300)) {
        PostMessageW(vorn_.window, WM_TRAYNOTIFY, 0, WM_RBUTTONUP);
        ASSERT_NE(WaitForPopupMenu(vorn_.process.dwProcessId), nullptr);
        Press(0, VK_DOWN);
    }
    Press(0, VK_DOWN);
    Press(0, VK_RETURN);
    ExpectCleanEnd(WaitForExit(&vorn_), {{CTRL_ALT, 'E'}});
}

TEST_F(VornEndToEnd, ExitClickedInTheMenuEndsWithZero)
{
    Start("CA\tE\tALERT\r\n");
    PostMessageW(vorn_.window, WM_TRAYNOTIFY, 0, WM_RBUTTONUP);
    HWND menu = WaitForPopupMenu(vorn_.process.dwProcessId);
    ASSERT_NE(menu, nullptr);
    RECT frame;
    GetWindowRect(menu, &frame);
    // Two items of equal height: the version line above, "終了" below.
    ClickAt((frame.left + frame.right) / 2, frame.top + (frame.bottom - frame.top) * 3 / 4);
    ExpectCleanEnd(WaitForExit(&vorn_), {{CTRL_ALT, 'E'}});
}

TEST_F(VornEndToEnd, OnlyTheExactExitCommandEndsIt)
{
    Start("CA\tE\tALERT\r\n");
    PostMessageW(vorn_.window, WM_COMMAND, 40006, 0);
    PostMessageW(vorn_.window, WM_COMMAND, MAKEWPARAM(IDM_EXIT, 1), 0);
    PostMessageW(vorn_.window, WM_COMMAND, 0, 0);
    EXPECT_EQ(WaitForExit(&vorn_, 500), (DWORD)STILL_ACTIVE);
    PostMessageW(vorn_.window, WM_COMMAND, IDM_EXIT, 0);
    ExpectCleanEnd(WaitForExit(&vorn_), {{CTRL_ALT, 'E'}});
}

}  // namespace
