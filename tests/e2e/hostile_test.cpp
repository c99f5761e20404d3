// Malformed settings files and messages from other programs: Vorn keeps
// running, binds only what the file asks for, and still ends cleanly.
#include "vorn_fixture.h"

namespace {

// Vorn still answers, quits with 0 on its QUIT hotkey and releases everything.
class HostileInput : public VornEndToEnd {
protected:
    void ExpectStillWorking(std::initializer_list<std::pair<UINT, UINT>> held)
    {
        DWORD_PTR result = 0;
        EXPECT_TRUE(SendMessageTimeoutW(vorn_.window, WM_NULL, 0, 0, SMTO_NORMAL, WAIT_MS, &result))
            << "Vorn no longer answers";
        for (const auto &combination : held)
            EXPECT_TRUE(IsHeld(combination.first, combination.second));
        ExpectCleanEnd(PressForExit(CTRL_SHIFT_ALT, 'Q'), held);
    }
};

TEST_F(HostileInput, AMegabyteOfRandomBytesIsSurvived)
{
    std::string file = "CSA\tQ\tQUIT\n";
    unsigned state = 12345;
    while (file.size() < (1u << 20)) {
        state = state * 1103515245u + 12345u;
        file += (char)(state >> 16);
    }
    Start(file);
    ExpectStillWorking({{CTRL_SHIFT_ALT, 'Q'}});
}

TEST_F(HostileInput, OnlyTheFirstFiftyLinesAreBound)
{
    std::string file = "CSA\tQ\tQUIT\n";
    std::vector<std::pair<UINT, UINT>> combinations;
    for (int i = 1; i < 60; ++i) {
        UINT modifiers = i < 27 ? CTRL_ALT : i < 53 ? MOD_CONTROL | MOD_SHIFT : MOD_ALT | MOD_SHIFT;
        char key = (char)('A' + (i - 1) % 26);
        combinations.push_back({modifiers, (UINT)key});
        file += std::string(modifiers == CTRL_ALT ? "CA" : modifiers == (MOD_CONTROL | MOD_SHIFT) ? "CS" : "AS") +
                "\t" + key + "\tALERT\n";
    }
    Start(file);
    for (int i = 1; i < 60; ++i)
        EXPECT_EQ(IsHeld(combinations[i - 1].first, combinations[i - 1].second), i < 50) << "line " << i + 1;
    ExpectStillWorking({{CTRL_ALT, 'A'}, {MOD_CONTROL | MOD_SHIFT, 'W'}});
}

TEST_F(HostileInput, OverlongLinesFieldsAndNulBytesBindNothingUnasked)
{
    std::string recorder = InstallRecorder();
    std::string file = "CSA\tQ\tQUIT\n"
                       "CA\tB\tEXEC\t" + recorder + "\t" + std::string(300, 'x') + "\n"
                       "CA\tC\tEXEC\t" + recorder + "\tthree\n"
                       "CtrlAltShiftWin\tEND\tALERT\n"  // letters count wherever they stand
                       "CA\tLEFTLEFTLEFT\tALERT\n"
                       "CA\tK\tQUITQUITQUITQUIT\n";
    // A NUL byte loses the rest of its 99-byte piece, so the line after it joins the next.
    // A line of filler brings the piece to a 99-byte boundary of the file.
    file += std::string(98 - file.size() % 99, 'z') + "\n";
    std::string piece = "CA\tN\tALERT\n";
    piece += '\0';
    piece.resize(99, 'n');
    file += piece + "CA\tO\tALERT\n";
    Start(file);

    EXPECT_FALSE(IsHeld(CTRL_ALT, 'B')) << "an overlong line was bound";
    EXPECT_TRUE(IsHeld(MOD_CONTROL | MOD_ALT | MOD_SHIFT | MOD_WIN, VK_END));
    EXPECT_FALSE(IsHeld(CTRL_ALT, VK_LEFT));
    EXPECT_FALSE(IsHeld(CTRL_ALT, 'K'));
    EXPECT_TRUE(IsHeld(CTRL_ALT, 'N'));
    EXPECT_TRUE(IsHeld(CTRL_ALT, 'O'));

    // The line after the overlong one keeps its own slot, 2.
    PostMessageW(vorn_.window, WM_HOTKEY, 10002, 0);
    std::vector<std::string> lines = Launches(1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "\"" + recorder + "\" \"three\"");
    ExpectStillWorking({{CTRL_ALT, 'C'}, {CTRL_ALT, 'N'}});
}

TEST_F(HostileInput, StrangeMessagesFromOtherProgramsChangeNothing)
{
    std::string recorder = InstallRecorder();
    Start("CSA\tQ\tQUIT\n\nCA\tE\tEXEC\t" + recorder + "\n");
    for (WPARAM id : {(WPARAM)0, (WPARAM)9999, (WPARAM)10001, (WPARAM)10003, (WPARAM)10049, (WPARAM)10050,
                      (WPARAM)0xFFFFFFFF, (WPARAM)-1, (WPARAM)0x100002712})
        PostMessageW(vorn_.window, WM_HOTKEY, id, 0);
    for (LPARAM mouse : {(LPARAM)0, (LPARAM)-1, (LPARAM)WM_RBUTTONDOWN, (LPARAM)0x7FFFFFFF, (LPARAM)0x100000205})
        PostMessageW(vorn_.window, WM_TRAYNOTIFY, 12345, mouse);
    for (WPARAM command : {(WPARAM)0, (WPARAM)40006, (WPARAM)0x10009C45, (WPARAM)-1})
        PostMessageW(vorn_.window, WM_COMMAND, command, 0);
    EXPECT_EQ(WaitForPopupMenu(vorn_.process.dwProcessId, 300), nullptr);

    // A press, then twenty more hotkeys in quick succession: each launches once.
    ASSERT_EQ(PressForLaunches(CTRL_ALT, 'E', 1).size(), 1u);
    for (int i = 0; i < 20; ++i)
        PostMessageW(vorn_.window, WM_HOTKEY, 10002, 0);
    EXPECT_EQ(Launches(21).size(), 21u);
    ExpectStillWorking({{CTRL_ALT, 'E'}});
}

}  // namespace
