// The real Vorn.exe on the real Win32 interface, observed from outside.
#include <gtest/gtest.h>

#include "vorn_harness.h"

namespace {

const UINT CTRL_ALT = MOD_CONTROL | MOD_ALT;
const UINT CTRL_SHIFT_ALT = MOD_CONTROL | MOD_SHIFT | MOD_ALT;

std::string Narrow(const std::wstring &text)
{
    char bytes[1024] = "";
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
    return bytes;
}

// Each test runs Vorn in a scratch folder of its own and never leaves it running.
class VornEndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        directory_ = MakeScratchDirectory(testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override { EndVorn(&vorn_); }

    void Start(const std::string &settings)
    {
        WriteBytes(directory_ + L"setting.vorn", settings);
        ASSERT_TRUE(StartVorn(directory_, &vorn_));
        ASSERT_NE(vorn_.window, nullptr) << "no window of class Vorn";
    }

    // Copies the recording program into a folder whose name has spaces and
    // returns its path as the settings file spells it.
    std::string InstallRecorder()
    {
        std::wstring folder = directory_ + L"My Tools\\";
        CreateDirectoryW(folder.c_str(), nullptr);
        CopyFileW((ProgramDirectory() + L"record_args.exe").c_str(), (folder + L"record args.exe").c_str(), FALSE);
        return Narrow(folder + L"record args.exe");
    }

    std::wstring LaunchLog() const { return directory_ + L"My Tools\\launched.txt"; }

    std::wstring directory_;
    VornProcess vorn_;
};

TEST_F(VornEndToEnd, AHotkeyLaunchesItsTargetAndQuitReleasesEverything)
{
    std::string recorder = InstallRecorder();
    Start("CSA\tQ\tQUIT\r\n"
          "\r\n"
          "CA\tE\tEXEC\t" + recorder + "\tparam one\r\n"
          "CA\tR\tEXEC\t" + recorder + "\r\n");

    EXPECT_FALSE(IsWindowVisible(vorn_.window));
    EXPECT_TRUE(IsHeld(CTRL_SHIFT_ALT, 'Q'));
    EXPECT_TRUE(IsHeld(CTRL_ALT, 'E'));
    EXPECT_TRUE(IsHeld(CTRL_ALT, 'R'));

    Press(CTRL_ALT, 'E');
    std::vector<std::string> lines = WaitForLines(LaunchLog(), 1);
    ASSERT_EQ(lines.size(), 1u) << "the target was not launched";
    EXPECT_EQ(lines[0], "\"" + recorder + "\" \"param one\"");

    Press(CTRL_ALT, 'R');
    lines = WaitForLines(LaunchLog(), 2);
    ASSERT_EQ(lines.size(), 2u) << "the target was not launched";
    EXPECT_EQ(lines[1], "\"" + recorder + "\"");

    Press(CTRL_SHIFT_ALT, 'Q');
    EXPECT_EQ(WaitForExit(&vorn_), 0u);
    EXPECT_FALSE(IsHeld(CTRL_SHIFT_ALT, 'Q'));
    EXPECT_FALSE(IsHeld(CTRL_ALT, 'E'));
    EXPECT_FALSE(IsHeld(CTRL_ALT, 'R'));
}

TEST_F(VornEndToEnd, WithoutASettingsFileItShowsTheErrorAndEndsWithZero)
{
    ASSERT_TRUE(StartVorn(directory_, &vorn_));
    HWND box = WaitForBox(vorn_.process.dwProcessId, L"Vorn");
    ASSERT_NE(box, nullptr) << "no error box";
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_EQ(BoxText(box), L"設定ファイルが読み込めません。\n起動を中止します。");
    CloseBox(box);
    EXPECT_EQ(WaitForExit(&vorn_), 0u);
}

TEST_F(VornEndToEnd, TheAlertIsOwnedByTheWindowAndWmCloseEndsTheProgram)
{
    Start("CA\tT\tALERT\tC:\\not\\used.exe\n");
    Press(CTRL_ALT, 'T');
    HWND box = WaitForBox(vorn_.process.dwProcessId, L"Vorn");
    ASSERT_NE(box, nullptr) << "no alert";
    EXPECT_EQ(GetWindow(box, GW_OWNER), vorn_.window);
    EXPECT_EQ(BoxText(box), L"test");
    CloseBox(box);

    PostMessageW(vorn_.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(&vorn_), 0u);
    EXPECT_FALSE(IsHeld(CTRL_ALT, 'T'));
}

}  // namespace
