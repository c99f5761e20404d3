// Starting and stopping: the start-up error, every way to end Vorn, and the
// notification icon's popup menu.
#include "vorn_fixture.h"

#include <shellapi.h>

#include <atomic>
#include <thread>

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

// Takes the window's icon away, as the shell does when Explorer ends; false
// when it still shows.
bool LoseIconAsExplorerEnds(HWND window)
{
    NOTIFYICONDATAW shown = {};
    shown.cbSize = sizeof shown;
    shown.hWnd = window;
    Shell_NotifyIconW(NIM_DELETE, &shown);
    return WaitForTrayIcons(0).empty();
}

// Right-clicks the icon and chooses Exit, the menu's last line, with the
// keyboard; false when no menu opened.
bool ChooseExitAtIcon(HWND icon, DWORD processId)
{
    ClickWindow(icon, MOUSEEVENTF_RIGHTDOWN);
    if (!WaitForPopupMenu(processId))
        return false;
    Press(0, VK_UP);
    Press(0, VK_RETURN);
    return true;
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
    ASSERT_TRUE(LoseIconAsExplorerEnds(vorn_.window)) << "the icon was not removed";
    AnnounceTaskbar();
    ASSERT_EQ(WaitForTrayIcons(1).size(), 1u) << "the icon did not come back";
    // The broadcast returns once Vorn has handled it, icon and all.
    AnnounceTaskbar();
    icons = WaitForTrayIcons(1);
    ASSERT_EQ(icons.size(), 1u) << "a second announcement left two icons";

    ASSERT_TRUE(ChooseExitAtIcon(icons[0], vorn_.process.dwProcessId)) << "a right click on the icon opened no menu";
    ExpectCleanEnd(WaitForExit(&vorn_), {{CTRL_ALT, 'E'}});
    EXPECT_EQ(WaitForTrayIcons(0).size(), 0u) << "the icon was not removed";
}

// A notification area that cannot take icons yet, as Explorer's at sign-in:
// a hidden window of the taskbar's class that refuses every icon. The newest
// topmost window, it is the taskbar the shell finds; a thread of its own
// answers the shell. Once it is ended, Wine's own tray answers again.
// Holding, it is instead a shell whose time-out ran out after the first add
// went through: it keeps that icon but answers FALSE, refuses a second add
// of it and takes a change to it.
struct BusyTray {
    const bool holding;
    HANDLE refused = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE modified = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE askedAgain = CreateEventW(nullptr, TRUE, FALSE, nullptr);  // an add or change after a change
    std::atomic<HWND> window{nullptr};
    std::atomic<HWND> asker{nullptr};  // the window whose icon was refused first
    std::atomic<int> adds{0}, modifies{0}, deletes{0};
    bool held = false;
    std::thread thread;

    // Wine's request names the operation in the copied data's number.
    LRESULT Answer(DWORD operation)
    {
        if (operation != NIM_DELETE && modifies > 0)
            SetEvent(askedAgain);
        switch (operation) {
        case NIM_ADD:
            ++adds;
            held = holding;  // the first goes through unanswered, later ones are duplicates
            return FALSE;
        case NIM_MODIFY:
            ++modifies;
            SetEvent(modified);
            return held;
        case NIM_DELETE:
            ++deletes;
            held = false;
            return holding;
        }
        return FALSE;
    }

    static LRESULT CALLBACK Refuse(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        BusyTray *tray = (BusyTray *)GetWindowLongPtrW(window, GWLP_USERDATA);
        if (message == WM_COPYDATA && tray) {
            HWND none = nullptr;
            tray->asker.compare_exchange_strong(none, (HWND)wParam);
            SetEvent(tray->refused);
            return tray->Answer((DWORD)((COPYDATASTRUCT *)lParam)->dwData);
        }
        if (message == WM_DESTROY)
            PostQuitMessage(0);
        return DefWindowProcW(window, message, wParam, lParam);
    }

    explicit BusyTray(bool holds = false) : holding(holds)
    {
        HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        thread = std::thread([this, ready] {
            WNDCLASSW windowClass = {};
            windowClass.lpfnWndProc = Refuse;
            windowClass.lpszClassName = L"Shell_TrayWnd";
            RegisterClassW(&windowClass);
            HWND created = CreateWindowExW(WS_EX_TOPMOST, L"Shell_TrayWnd", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                           nullptr, nullptr, nullptr);
            SetWindowLongPtrW(created, GWLP_USERDATA, (LONG_PTR)this);
            window = created;
            SetEvent(ready);
            MSG message;
            while (created && GetMessageW(&message, nullptr, 0, 0) > 0)
                DispatchMessageW(&message);
            UnregisterClassW(L"Shell_TrayWnd", nullptr);
        });
        WaitForSingleObject(ready, WAIT_MS);
        CloseHandle(ready);
    }

    void End()
    {
        if (window)
            PostMessageW(window, WM_CLOSE, 0, 0);
        if (thread.joinable())
            thread.join();
    }

    ~BusyTray()
    {
        End();
        CloseHandle(refused);
        CloseHandle(modified);
        CloseHandle(askedAgain);
    }
};

TEST_F(VornEndToEnd, AnIconRefusedAtStartComesWithItsMenuOnceTheNotificationAreaTakesItUnlessTheStartFailed)
{
    ASSERT_EQ(WaitForTrayIcons(0).size(), 0u) << "an icon is left from before";
    {
        // No settings file: the icon, refused, is removed before the error box.
        BusyTray busy;
        ASSERT_TRUE(StartVorn(directory_, &vorn_));
        HWND box = WaitForBox(vorn_.process.dwProcessId, L"Vorn");
        ASSERT_NE(box, nullptr) << "no start-up error box";
        ASSERT_EQ(WaitForSingleObject(busy.refused, 0), WAIT_OBJECT_0) << "Vorn never asked for its icon";
        busy.End();
        // A new taskbar announced while the box is open, as Explorer does
        // when it starts; then longer than the interval of Vorn's retries.
        AnnounceTaskbar();
        EXPECT_EQ(WaitForTrayIcons(1, 3000).size(), 0u) << "a dead icon came back beside the error box";
        CloseBox(box);
        EXPECT_EQ(WaitForExit(&vorn_), 0u);
        EndVorn(&vorn_);
    }

    BusyTray busy;
    ASSERT_NE(busy.window.load(), nullptr);
    ASSERT_EQ(FindWindowW(L"Shell_TrayWnd", nullptr), busy.window.load()) << "the shell would ask Wine's tray";
    Start("CA\tE\tALERT\r\n");
    ASSERT_EQ(WaitForSingleObject(busy.refused, WAIT_MS), WAIT_OBJECT_0) << "Vorn never asked for its icon";
    EXPECT_EQ(busy.asker.load(), vorn_.window);
    EXPECT_TRUE(TrayIcons().empty());

    busy.End();
    std::vector<HWND> icons = WaitForTrayIcons(1);
    ASSERT_EQ(icons.size(), 1u) << "the icon did not come once the notification area could take it";

    // A new taskbar, as busy as one at sign-in, refuses the icon it announced itself for.
    ASSERT_TRUE(LoseIconAsExplorerEnds(vorn_.window)) << "the icon was not removed";
    {
        BusyTray restarted;
        AnnounceTaskbar();
        ASSERT_EQ(WaitForSingleObject(restarted.refused, 0), WAIT_OBJECT_0) << "Vorn never asked the new taskbar";
    }
    icons = WaitForTrayIcons(1);
    ASSERT_EQ(icons.size(), 1u) << "the icon did not come once the new taskbar could take it";
    ASSERT_TRUE(ChooseExitAtIcon(icons[0], vorn_.process.dwProcessId)) << "a right click on the icon opened no menu";
    ExpectCleanEnd(WaitForExit(&vorn_), {{CTRL_ALT, 'E'}});
    EXPECT_EQ(WaitForTrayIcons(0).size(), 0u) << "the icon was not removed";
}

// The shell's answer to the first add ran out, yet the icon went through:
// the next try finds it by changing it, and asks nothing more.
TEST_F(VornEndToEnd, AnIconThatWentThroughUnansweredIsFoundByTheRetryAndNeverAddedTwice)
{
    BusyTray holding(true);
    ASSERT_EQ(FindWindowW(L"Shell_TrayWnd", nullptr), holding.window.load()) << "the shell would ask Wine's tray";
    Start("CA\tE\tALERT\r\n");
    ASSERT_EQ(WaitForSingleObject(holding.modified, WAIT_MS), WAIT_OBJECT_0) << "the retry never changed the icon";
    // Longer than two intervals of Vorn's retries.
    EXPECT_EQ(WaitForSingleObject(holding.askedAgain, 4500), (DWORD)WAIT_TIMEOUT) << "the retry went on";
    EXPECT_EQ(holding.adds.load(), 2) << "the retry went on adding an icon that stands";
    EXPECT_EQ(holding.modifies.load(), 1);
    EXPECT_EQ(holding.deletes.load(), 0);
    PostMessageW(vorn_.window, WM_CLOSE, 0, 0);
    ExpectCleanEnd(WaitForExit(&vorn_), {{CTRL_ALT, 'E'}});
    EXPECT_EQ(holding.deletes.load(), 1) << "the icon was not removed";
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
    for (DWORD waited = 0; waited < WAIT_MS && IsWindowVisible(menu); waited += 50)
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
