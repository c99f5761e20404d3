// A hotkey's road from the key press to its action: launches and the alert.
#include "vorn_fixture.h"

namespace {

TEST_F(VornEndToEnd, AHotkeyLaunchesItsTargetWithQuotedPathAndParameters)
{
    std::string recorder = InstallRecorder();
    Start("CSA\tQ\tQUIT\r\n"
          "\r\n"
          "CA\tE\tEXEC\t" + recorder + "\r\n"
          "CA\tR\tEXEC\t" + recorder + "\tparam one  two\r\n"
          "CA\tP\tEXEC\t" + recorder + "\ta\" \"b\r\n");

    EXPECT_FALSE(IsWindowVisible(vorn_.window));
    for (UINT key : {'Q', 'E', 'R', 'P'})
        EXPECT_TRUE(IsHeld(key == 'Q' ? CTRL_SHIFT_ALT : CTRL_ALT, key)) << (char)key;

    std::vector<std::string> lines = PressForLaunches(CTRL_ALT, 'E', 1);
    ASSERT_EQ(lines.size(), 1u) << "the target was not launched";
    EXPECT_EQ(lines[0], "\"" + recorder + "\"") << "empty parameters give no argument";

    // One at a time: two launched copies could write their lines in either order.
    ASSERT_EQ(PressForLaunches(CTRL_ALT, 'R', 2).size(), 2u) << "the target was not launched";
    lines = PressForLaunches(CTRL_ALT, 'P', 3);
    ASSERT_EQ(lines.size(), 3u) << "the target was not launched";
    EXPECT_EQ(lines[1], "\"" + recorder + "\" \"param one  two\"");
    EXPECT_EQ(lines[2], "\"" + recorder + "\" \"a\" \"b\"") << "quotes inside split the argument";

    ExpectCleanEnd(PressForExit(CTRL_SHIFT_ALT, 'Q'), {{CTRL_SHIFT_ALT, 'Q'}, {CTRL_ALT, 'E'}, {CTRL_ALT, 'R'}, {CTRL_ALT, 'P'}});
}

TEST_F(VornEndToEnd, TheAlertIsOwnedByTheWindowAndHotkeysStillWorkWhileItIsOpen)
{
    std::string recorder = InstallRecorder();
    Start("CA\tT\tALERT\tC:\\not\\used.exe\n"
          "CA\tE\tEXEC\t" + recorder + "\n"
          "CSA\tQ\tQUIT\n");
    HWND box = PressForBox(CTRL_ALT, 'T');
    ASSERT_NE(box, nullptr) << "no alert";
    EXPECT_EQ(GetWindow(box, GW_OWNER), vorn_.window);
    EXPECT_EQ(BoxText(box), L"test");

    EXPECT_EQ(PressForLaunches(CTRL_ALT, 'E', 1).size(), 1u) << "a hotkey pressed during the alert was not handled";

    CloseBox(box);
    for (DWORD waited = 0; waited < WAIT_MS && IsWindow(box); waited += 50)
        Sleep(50);
    box = PressForBox(CTRL_ALT, 'T');
    ASSERT_NE(box, nullptr) << "no second alert";

    ExpectCleanEnd(PressForExit(CTRL_SHIFT_ALT, 'Q'), {{CTRL_ALT, 'T'}, {CTRL_ALT, 'E'}, {CTRL_SHIFT_ALT, 'Q'}});
}

// The recorder is the suite's witness of launches: copies started together,
// as hotkeys pressed in quick succession start them, each leave their line.
TEST_F(VornEndToEnd, TheRecorderKeepsTheLineOfEveryCopyStartedAtOnce)
{
    InstallRecorder();
    std::wstring recorder = recorderFolder_ + L"record args.exe";
    const int COPIES = 50;
    std::vector<PROCESS_INFORMATION> copies;
    DWORD startError = 0;
    for (int i = 0; i < COPIES && startError == 0; ++i) {
        std::wstring commandLine = L"\"" + recorder + L"\" " + std::to_wstring(i);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION copy = {};
        if (CreateProcessW(recorder.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &copy))
            copies.push_back(copy);
        else
            startError = GetLastError();
    }
    // The copies already started are waited for, or ended, before a failed start is told.
    std::vector<bool> seen(COPIES);
    for (PROCESS_INFORMATION &copy : copies) {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(copy.hProcess, WAIT_MS) != WAIT_OBJECT_0)
            TerminateProcess(copy.hProcess, 99);
        GetExitCodeProcess(copy.hProcess, &code);
        EXPECT_EQ(code, 0u) << "a copy failed to record";
        CloseHandle(copy.hProcess);
        CloseHandle(copy.hThread);
    }
    ASSERT_EQ(startError, 0u) << "copy " << copies.size() << " did not start";
    std::vector<std::string> lines = Launches(COPIES, 0);
    ASSERT_EQ(lines.size(), (size_t)COPIES);
    for (const std::string &line : lines) {
        int copy = atoi(line.c_str() + line.rfind(' ') + 1);
        ASSERT_TRUE(copy >= 0 && copy < COPIES && !seen[copy]) << line;
        seen[copy] = true;
    }
}

// A resident program must not grow: after a warm-up, launches, menus, alerts
// and foreign messages leave its handles and working set where they were.
TEST_F(VornEndToEnd, DozensOfEventsLeaveNoHandleOrMemoryBehind)
{
    std::string recorder = InstallRecorder();
    std::string unstartable = Encode(WriteUnstartable(recorderFolder_), CP_ACP);
    Start("CA\tE\tEXEC\t" + recorder + "\nCA\tT\tALERT\nCA\tF\tEXEC\t" + unstartable + "\n");
    std::wstring launched = recorderFolder_ + L"launched.txt";
    // A program that cannot start sends the shell looking it up, and kernel32
    // then keeps the IniFileMapping key open for the life of the process. The
    // warm-up's own failed launch opens that key before the count.
    ASSERT_TRUE(RunWorkload(&vorn_, 0, 1, 2, launched, {5, 2, 2, 100, 1})) << "warm-up";
    Footprint warm = FootprintOf(vorn_.process);
    ASSERT_GT(warm.handles, 0u) << "the system's handle list has none of Vorn's";
    ASSERT_TRUE(RunWorkload(&vorn_, 0, 1, 2, launched, {30, 10, 10, 1000, 10}));
    // Either reading may meet a handle Wine holds for a moment; one that stays is a leak.
    Footprint end = FootprintOnceAtMost(vorn_.process, warm.handles);
    EXPECT_LE(end.handles, warm.handles) << "beyond the warm-up: " << HandlesBeyond(end, warm);
    EXPECT_LE(end.workingSet, warm.workingSet + (1u << 20));
}

}  // namespace
