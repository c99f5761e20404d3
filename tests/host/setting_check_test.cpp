#include <gtest/gtest.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "check/check_report.h"
#include "fake_platform.h"

namespace {

struct Checked {
    int result;
    CheckSummary summary;
    std::vector<LineVerdict> verdicts;
    std::string report;
};

void Collect(void *context, const LineVerdict *verdict)
{
    Checked *checked = (Checked *)context;
    checked->verdicts.push_back(*verdict);
    FILE *out = tmpfile();
    PrintVerdict(out, verdict);
    rewind(out);
    char buffer[2048];
    size_t length = fread(buffer, 1, sizeof buffer, out);
    fclose(out);
    checked->report.append(buffer, length);
}

Checked Check(const std::string &contents)
{
    ResetFakePlatform();
    g_fake.fileContents = contents;
    Checked checked;
    checked.result = CheckSettingFile(L"some.vorn", Collect, &checked, &checked.summary);
    return checked;
}

bool Contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

TEST(VornCheck, GivesEachLineItsSlotAndItsReasonForRejection)
{
    Checked checked = Check("CA\tE\tEXEC\tC:\\My Tools\\a.exe\tx y\r\n"
                            "\r\n"
                            "a note\r\n"
                            "CA\tLeft\tQUIT\r\n"
                            "CA\tE \tQUIT\r\n"
                            "CA\t\r\n"
                            "CA\tF\texec\r\n"
                            "CA\tF\tQUIT \r\n"
                            "CA\tF\r\n" +
                            std::string(250, 'x') + "\n");
    ASSERT_EQ(checked.result, 0);
    EXPECT_EQ(g_fake.openedNames, std::vector<std::wstring>{L"some.vorn"});
    const LineProblem expected[] = {PROBLEM_NONE, PROBLEM_BLANK, PROBLEM_NO_TAB, PROBLEM_UNKNOWN_KEY,
                                    PROBLEM_KEY_TRAILING_SPACE, PROBLEM_EMPTY_KEY, PROBLEM_UNKNOWN_ACTION,
                                    PROBLEM_ACTION_TRAILING_SPACE, PROBLEM_EMPTY_ACTION, PROBLEM_TOO_LONG};
    ASSERT_EQ(checked.verdicts.size(), 10u);
    for (size_t i = 0; i < checked.verdicts.size(); ++i) {
        EXPECT_EQ(checked.verdicts[i].problem, expected[i]) << "line " << i + 1;
        EXPECT_EQ(checked.verdicts[i].number, (int)i + 1);
        EXPECT_EQ(checked.verdicts[i].slot, (int)i);
    }
    EXPECT_EQ(checked.summary.bound, 1);
    EXPECT_EQ(checked.summary.blank, 1);
    EXPECT_EQ(checked.summary.rejected, 8);
    EXPECT_EQ(CheckExitStatus(&checked.summary), 1);

    EXPECT_TRUE(Contains(checked.report, "    1     0  10000  Ctrl+Alt+E"));
    EXPECT_TRUE(Contains(checked.report, "EXEC  \"C:\\My Tools\\a.exe\" \"x y\"\n"));
    EXPECT_TRUE(Contains(checked.report, "unknown key \"Left\": one character, or END, RIGHT or LEFT"));
    EXPECT_TRUE(Contains(checked.report, "case-sensitive"));
    EXPECT_TRUE(Contains(checked.report, "use QUIT, ALERT or EXEC"));
    EXPECT_TRUE(Contains(checked.report, "the whole line was read as modifiers"));
    EXPECT_TRUE(Contains(checked.report, "the line has 250 bytes"));
}

TEST(VornCheck, WarnsOfWhatMaySurpriseInABoundLine)
{
    ResetFakePlatform();
    Checked checked = Check("CA\tE\tQUIT\n"
                            "CA\tE\tALERT\n"
                            "CA\te\tALERT\n"
                            "Ctrl + Alt\tK\tALERT\n"
                            "\tG\tALERT\n"
                            "CA\t\xe9\tALERT\n"
                            "CS\tH\tALERT\n");
    ASSERT_EQ(checked.verdicts.size(), 7u);
    const unsigned expected[] = {0,
                                 WARNING_DUPLICATE,
                                 WARNING_SMALL_LETTER,
                                 WARNING_LONG_MODIFIERS | WARNING_OTHER_MODIFIER_BYTES,
                                 WARNING_NO_MODIFIER,
                                 WARNING_HIGH_BYTE_KEY,
                                 0};
    for (size_t i = 0; i < checked.verdicts.size(); ++i)
        EXPECT_EQ(checked.verdicts[i].warnings, expected[i]) << "line " << i + 1;
    EXPECT_EQ(checked.verdicts[1].duplicateOf, 1);
    EXPECT_TRUE(Contains(checked.report, "Ctrl+Alt+E is already bound by line 1, which wins"));
    EXPECT_TRUE(Contains(checked.report, "names the numpad key VK 0x65, not the E key"));
    EXPECT_EQ(checked.summary.warned, 5);
    EXPECT_EQ(CheckExitStatus(&checked.summary), 1);
}

TEST(VornCheck, AsksThePlatformWhetherAnotherProgramHoldsACombination)
{
    ResetFakePlatform();
    g_fake.fileContents = "CA\tE\tQUIT\nCS\tF\tQUIT\nCA\tE\tQUIT\n";
    g_fake.heldElsewhere = {{MOD_CONTROL | MOD_SHIFT, 'F'}};
    Checked checked;
    ASSERT_EQ(CheckSettingFile(L"some.vorn", Collect, &checked, &checked.summary), 0);
    ASSERT_EQ(checked.verdicts.size(), 3u);
    EXPECT_EQ(checked.verdicts[0].warnings, 0u);
    EXPECT_EQ(checked.verdicts[1].warnings, (unsigned)WARNING_HELD_ELSEWHERE);
    EXPECT_EQ(checked.verdicts[2].warnings, (unsigned)WARNING_DUPLICATE) << "a duplicate is not probed again";
    EXPECT_TRUE(Contains(checked.report, "another program holds Ctrl+Shift+F"));
}

TEST(VornCheck, ExitStatusIsZeroOnlyForACleanFile)
{
    Checked clean = Check("CA\tE\tEXEC\tnotepad.exe\r\n\r\nW\tEND\tQUIT\r\n");
    EXPECT_EQ(clean.summary.bound, 2);
    EXPECT_EQ(CheckExitStatus(&clean.summary), 0) << "a blank line is no fault";

    Checked trailing = Check("CA\tE\tQUIT\nCA\tF\tQUIT");
    EXPECT_EQ(trailing.summary.trailingBytes, 9);
    EXPECT_EQ(CheckExitStatus(&trailing.summary), 1);

    std::string many;
    for (int i = 0; i < 52; ++i)
        many += "CA\t" + std::string(1, (char)('A' + i % 26)) + (i < 26 ? "\tQUIT\n" : "\tALERT\n");
    Checked tooMany = Check(many);
    ASSERT_EQ(tooMany.verdicts.size(), 52u);
    EXPECT_EQ(tooMany.verdicts[49].slot, 49);
    EXPECT_EQ(tooMany.verdicts[50].slot, -1);
    EXPECT_EQ(tooMany.verdicts[50].problem, PROBLEM_PAST_LAST_SLOT);
    EXPECT_TRUE(Contains(tooMany.report, "   51     -      -  ignored: only the first 50 lines are read"));
    EXPECT_EQ(CheckExitStatus(&tooMany.summary), 1);

    ResetFakePlatform();
    g_fake.fileExists = false;
    CheckSummary summary;
    EXPECT_NE(CheckSettingFile(L"missing.vorn", Collect, nullptr, &summary), 0);
}

}  // namespace
