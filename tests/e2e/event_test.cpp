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

    Press(CTRL_ALT, 'E');
    std::vector<std::string> lines = Launches(1);
    ASSERT_EQ(lines.size(), 1u) << "the target was not launched";
    EXPECT_EQ(lines[0], "\"" + recorder + "\"") << "empty parameters give no argument";

    // One at a time: two launched copies could write their lines in either order.
    Press(CTRL_ALT, 'R');
    ASSERT_EQ(Launches(2).size(), 2u) << "the target was not launched";
    Press(CTRL_ALT, 'P');
    lines = Launches(3);
    ASSERT_EQ(lines.size(), 3u) << "the target was not launched";
    EXPECT_EQ(lines[1], "\"" + recorder + "\" \"param one  two\"");
    EXPECT_EQ(lines[2], "\"" + recorder + "\" \"a\" \"b\"") << "quotes inside split the argument";

    Press(CTRL_SHIFT_ALT, 'Q');
    ExpectCleanEnd(WaitForExit(&vorn_), {{CTRL_SHIFT_ALT, 'Q'}, {CTRL_ALT, 'E'}, {CTRL_ALT, 'R'}, {CTRL_ALT, 'P'}});
}

TEST_F(VornEndToEnd, TheAlertIsOwnedByTheWindowAndHotkeysStillWorkWhileItIsOpen)
{
    std::string recorder = InstallRecorder();
    Start("CA\tT\tALERT\tC:\\not\\used.exe\n"
          "CA\tE\tEXEC\t" + recorder + "\n"
          "CSA\tQ\tQUIT\n");
    Press(CTRL_ALT, 'T');
    HWND box = WaitForBox(vorn_.process.dwProcessId, L"Vorn");
    ASSERT_NE(box, nullptr) << "no alert";
    EXPECT_EQ(GetWindow(box, GW_OWNER), vorn_.window);
    EXPECT_EQ(BoxText(box), L"test");
    EXPECT_TRUE(IsWindowVisible(box));

    Press(CTRL_ALT, 'E');
    EXPECT_EQ(Launches(1).size(), 1u) << "a hotkey pressed during the alert was not handled";

    CloseBox(box);
    Press(CTRL_ALT, 'T');
    box = WaitForBox(vorn_.process.dwProcessId, L"Vorn");
    ASSERT_NE(box, nullptr) << "no second alert";

    Press(CTRL_SHIFT_ALT, 'Q');
    ExpectCleanEnd(WaitForExit(&vorn_), {{CTRL_ALT, 'T'}, {CTRL_ALT, 'E'}, {CTRL_SHIFT_ALT, 'Q'}});
}

}  // namespace
