// What the settings file means, seen from outside: slots, the line grammar,
// line ends and Japanese paths.
#include "vorn_fixture.h"

namespace {

void PostHotkey(HWND window, int slot)
{
    PostMessageW(window, WM_HOTKEY, 10000 + slot, 0);
}

TEST_F(VornEndToEnd, EveryLineTakesASlotWhetherAcceptedOrNot)
{
    for (const char *lineEnd : {"\r\n", "\n"}) {
        SCOPED_TRACE(lineEnd[0] == '\r' ? "CR LF" : "LF");
        std::string recorder = InstallRecorder();
        std::string end = lineEnd;
        Start(end +                                                // slot 0: blank
              "CA\tleft\tEXEC\t" + recorder + "\tslot 1" + end +  // slot 1: rejected
              "CA\tD\tEXEC\t" + recorder + "\tslot 2" + end +     // slot 2
              "CA\tD\tEXEC\t" + recorder + "\tslot 3" + end +     // the same combination
              "CSA\tQ\tQUIT" + end +                              // slot 4
              "CA\tZ\tEXEC\t" + recorder + "\tno LF");             // not a line

        EXPECT_TRUE(IsHeld(CTRL_ALT, 'D'));
        EXPECT_FALSE(IsHeld(CTRL_ALT, VK_LEFT));
        EXPECT_FALSE(IsHeld(CTRL_ALT, 'Z')) << "a last line without LF was bound";

        // Messages are handled in order: when slot 2's launch shows, slots 0 and 1 have done nothing.
        PostHotkey(vorn_.window, 0);
        PostHotkey(vorn_.window, 1);
        PostHotkey(vorn_.window, 2);
        ASSERT_EQ(Launches(1).size(), 1u);
        PostHotkey(vorn_.window, 3);
        std::vector<std::string> lines = Launches(2);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0], "\"" + recorder + "\" \"slot 2\"");
        EXPECT_EQ(lines[1], "\"" + recorder + "\" \"slot 3\"");

        lines = PressForLaunches(CTRL_ALT, 'D', 3);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[2], "\"" + recorder + "\" \"slot 2\"") << "the first of two equal combinations wins";

        PostHotkey(vorn_.window, 4);
        ExpectCleanEnd(WaitForExit(&vorn_), {{CTRL_ALT, 'D'}, {CTRL_SHIFT_ALT, 'Q'}});
        EndVorn(&vorn_);
        RemoveTree(directory_);
        directory_ = MakeScratchDirectory("LF");
    }
}

TEST_F(VornEndToEnd, KeysActionsAndModifiersAreReadAsTheGrammarSays)
{
    const UINT ctrlShift = MOD_CONTROL | MOD_SHIFT;
    Start("CS\tLEFT\tQUIT\n"
          "CA\tleft\tQUIT\n"
          "CA\tRIGHT\texec\n"
          "CSA\tRIGHT\tALERT\n"
          "CSA\tEND\tEXEC\tnothing.exe\n"
          "CA\t1\tALERT\n"
          "CA\t \tALERT\n"
          "CA\te\tALERT\n"
          "CA\tE \tALERT\n"
          "CA\tM\tQUIT \n"
          "SW\tK\tALERT\n"
          "x-c+A+C\tJ\tALERT\n"
          "\tF8\tALERT\n"
          "\tG\tALERT\n");
    struct Expectation {
        UINT modifiers;
        UINT key;
        bool held;
    } expectations[] = {
        {ctrlShift, VK_LEFT, true},
        {CTRL_ALT, VK_LEFT, false},  // names are case-sensitive
        {CTRL_ALT, VK_RIGHT, false},  // so are actions
        {CTRL_SHIFT_ALT, VK_RIGHT, true},
        {CTRL_SHIFT_ALT, VK_END, true},
        {CTRL_ALT, '1', true},
        {CTRL_ALT, VK_SPACE, true},
        {CTRL_ALT, VK_NUMPAD5, true},  // a small e is the numpad 5 key
        {CTRL_ALT, 'E', false},  // "E " is two bytes and no name
        {CTRL_ALT, 'M', false},  // "QUIT " is no action
        {MOD_SHIFT | MOD_WIN, 'K', true},
        {CTRL_ALT, 'J', true},  // other bytes are ignored
        {0, VK_F8, false},  // F8 is no key name
        {0, 'G', true},  // no modifier at all
    };
    for (const Expectation &e : expectations)
        EXPECT_EQ(IsHeld(e.modifiers, e.key), e.held) << "modifiers " << e.modifiers << ", key " << e.key;
    PostMessageW(vorn_.window, WM_CLOSE, 0, 0);
    ExpectCleanEnd(WaitForExit(&vorn_), {{ctrlShift, VK_LEFT}, {MOD_SHIFT | MOD_WIN, 'K'}, {0, 'G'}});
}

TEST_F(VornEndToEnd, AJapaneseTargetPathInShiftJisLaunchesTheRightProgram)
{
    ASSERT_EQ(GetOEMCP(), 932u) << "run with LANG=ja_JP.UTF-8";
    std::string recorder = InstallRecorder(L"\u30c4\u30fc\u30eb \u8868", L"\u8a18\u9332.exe", 932);
    Start("CA\tJ\tEXEC\t" + recorder + "\t\x83\x65\x83\x58\x83\x67\r\n");
    std::vector<std::string> lines = PressForLaunches(CTRL_ALT, 'J', 1);
    ASSERT_EQ(lines.size(), 1u) << "the Japanese target was not launched";
    EXPECT_EQ(lines[0], "\"" + Encode(recorderFolder_ + L"\u8a18\u9332.exe", CP_UTF8) + "\" \"\u30c6\u30b9\u30c8\"");
}

}  // namespace
