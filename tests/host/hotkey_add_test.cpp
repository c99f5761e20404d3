#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "check/add/hotkey_add.h"
#include "fake_platform.h"
#include "settings/setting_loader.h"

namespace {

class HotkeyAdd : public testing::Test {
protected:
    void SetUp() override { ResetFakePlatform(); }
};

// The line --add writes for a combination as text, with ALERT; "" where the text is not read.
std::string LineFor(const char *combination)
{
    ParsedCombination parsed;
    if (ParseCombination(combination, &parsed) != COMBINATION_READ)
        return "";
    HotkeyRequest request = {parsed.modifiers, parsed.keyCode, ACTION_ALERT, "", ""};
    char line[SETTING_LINE_SIZE];
    unsigned unconvertible;
    int length = BuildSettingLine(&request, 932, line, sizeof line, &unconvertible);
    return length > 0 ? std::string(line, length) : "?";
}

// Combinations as people write them, and the line that binds what they mean.
const struct {
    const char *combination;
    const char *line;
} WRITTEN[] = {
    {"Ctrl+Alt+N", "CA\tN\tALERT"},
    {"ctrl+alt+n", "CA\tN\tALERT"},
    {"Alt + Ctrl + 5", "CA\t5\tALERT"},
    {"Control+Windows+Shift+A", "CSW\tA\tALERT"},
    {"Ctrl+Shift+F5", "CS\tt\tALERT"},
    {"Alt+Num5", "A\te\tALERT"},
    {"Alt+Numpad 5", "A\te\tALERT"},
    {"Alt+テンキーの 5 キー", "A\te\tALERT"},
    {"Ctrl+Num +", "C\tk\tALERT"},
    {"Ctrl+Alt+Left", "CA\tLEFT\tALERT"},
    {"Ctrl+Alt+左方向キー", "CA\tLEFT\tALERT"},
    {"Ctrl+Alt+Left Arrow key", "CA\tLEFT\tALERT"},
    {"ctrl+END", "C\tEND\tALERT"},
    {"Ctrl+Alt+Page Up", "CA\t!\tALERT"},
    {"Ctrl+Alt+VK_PRIOR", "CA\t!\tALERT"},
    {"Ctrl+Alt+pgdn", "CA\t\"\tALERT"},
    {"Alt+Home", "A\t$\tALERT"},
    {"Ctrl+Alt+Space", "CA\t \tALERT"},
    {"Ctrl+Alt+スペース キー", "CA\t \tALERT"},
    {"Ctrl+Alt+Menu", "CA\t]\tALERT"},
    {"Ctrl+Alt+Insert", "CA\t-\tALERT"},
    {"Shift+F13", "S\t|\tALERT"},
    {"F5", "\tt\tALERT"},
    // No character Vorn can read stands for these.
    {"Ctrl+F12", "?"},
    {"Ctrl+Esc", "?"},
    {"Ctrl+Alt+変換キー", "?"},
    {"Ctrl+Alt+Kanji", "?"},
    {"Ctrl+F17", "?"},
    // Not read at all.
    {"Ctrl+Alt", ""},
    {"", ""},
    {"Hyper+N", ""},
    {"Ctrl+Alt+Nope", ""},
    {"Ctrl+/", ""},
};

TEST_F(HotkeyAdd, WritesTheLineACombinationAsPeopleWriteItMeans)
{
    for (const auto &c : WRITTEN)
        EXPECT_EQ(LineFor(c.combination), c.line) << c.combination;
    ParsedCombination parsed;
    EXPECT_EQ(ParseCombination("Hyper+N", &parsed), COMBINATION_UNKNOWN_MODIFIER);
    EXPECT_EQ(std::string(parsed.word, parsed.wordLength), "Hyper");
    EXPECT_EQ(ParseCombination("Ctrl + Alt + Nope ", &parsed), COMBINATION_UNKNOWN_KEY);
    EXPECT_EQ(std::string(parsed.word, parsed.wordLength), "Nope");
    EXPECT_EQ(ParseCombination("Ctrl+Shift", &parsed), COMBINATION_NO_KEY);
}

TEST_F(HotkeyAdd, BuildsTargetAndParametersInTheCodePageWithoutQuotes)
{
    const struct {
        ActionCode action;
        const char *target, *parameters;
        unsigned codePage;
        const char *line;
    } cases[] = {
        {ACTION_EXEC, "C:\\Program Files\\a b.exe", "", 932, "CA\tN\tEXEC\tC:\\Program Files\\a b.exe"},
        {ACTION_EXEC, "notepad.exe", "memo 1.txt", 932, "CA\tN\tEXEC\tnotepad.exe\tmemo 1.txt"},
        {ACTION_EXEC, "C:\\テスト", "", 932, "CA\tN\tEXEC\tC:\\\x83\x65\x83\x58\x83\x67"},
        {ACTION_EXEC, "C:\\café.exe", "", 437, "CA\tN\tEXEC\tC:\\caf\x82.exe"},
        {ACTION_QUIT, "", "", 932, "CA\tN\tQUIT"},
    };
    for (const auto &c : cases) {
        HotkeyRequest request = {MOD_CONTROL | MOD_ALT, 'N', c.action, c.target, c.parameters};
        char line[SETTING_LINE_SIZE];
        unsigned unconvertible = 0;
        int length = BuildSettingLine(&request, c.codePage, line, sizeof line, &unconvertible);
        EXPECT_EQ(std::string(line, length > 0 ? length : 0), c.line) << c.target;
    }
    HotkeyRequest request = {MOD_CONTROL, 'N', ACTION_EXEC, "C:\\テスト", ""};
    char line[SETTING_LINE_SIZE];
    unsigned unconvertible = 0;
    EXPECT_EQ(BuildSettingLine(&request, 437, line, sizeof line, &unconvertible), -1);
    EXPECT_EQ(unconvertible, 0x30C6u);
}

// A file's text, the line added after its last line.
TEST_F(HotkeyAdd, AddsTheLineAfterTheLastWithTheFilesOwnLineEnd)
{
    const struct {
        std::string text, added;
    } cases[] = {
        {"", "CA\tN\tALERT\r\n"},
        {"C\tE\tQUIT\n", "C\tE\tQUIT\nCA\tN\tALERT\n"},
        {"C\tE\tQUIT\r\n", "C\tE\tQUIT\r\nCA\tN\tALERT\r\n"},
        {"C\tE\tQUIT\nC\tF\tQUIT", "C\tE\tQUIT\nC\tF\tQUIT\nCA\tN\tALERT\n"},
        {"C\tE\tQUIT", "C\tE\tQUIT\r\nCA\tN\tALERT\r\n"},
        {"C\tE\tQUIT\r", "C\tE\tQUIT\r\nCA\tN\tALERT\r\n"},
        {"C\tE\tQUIT\r\n\r\n", "C\tE\tQUIT\r\n\r\nCA\tN\tALERT\r\n"},
    };
    for (const auto &c : cases) {
        char out[256];
        int length = AppendSettingLine(c.text.data(), (int)c.text.size(), "CA\tN\tALERT", 10, out, sizeof out);
        EXPECT_EQ(std::string(out, length > 0 ? length : 0), c.added) << testing::PrintToString(c.text);
    }
    char small[20];
    EXPECT_EQ(AppendSettingLine("C\tE\tQUIT\r\n", 10, "CA\tN\tALERT", 10, small, sizeof small), -1);
}

// The line goes after the text --fix would write, never after text whose
// lines vorn-check cannot tell.
TEST_F(HotkeyAdd, AddsAfterTheFileAsCorrectedOrNotAtAll)
{
    static SettingFix fix;
    const std::string utf16("\xff\xfe" "C\0A\0\t\0E\0\t\0Q\0U\0I\0T\0\r\0\n\0", 24);
    const struct {
        std::string file;
        const char *base;  // null: none
        int corrected;
    } cases[] = {
        {"CA\tE\tALERT\r\n", "CA\tE\tALERT\r\n", 0},
        {"ca\tE\tALERT\r\nCA\tF\tQUIT", "CA\tE\tALERT\r\nCA\tF\tQUIT\r\n", 1},
        {utf16, "CA\tE\tQUIT\r\n", 1},
        {"\xef\xbb\xbf" "CA\tE\tEXEC\tC:\\\xe3\x83\x86.exe\n", "CA\tE\tEXEC\tC:\\\x83\x65.exe\n", 1},
        // A character code page 932 lacks, and NULs joining bytes into UTF-8: nothing to add after.
        {"CA\tE\tEXEC\tC:\\\xf0\x9f\x98\x80.exe\n", nullptr, 0},
        {std::string("CA\tE\tEXEC\tC:\\\xd0\0\xa7.exe\n", 21), nullptr, 0},
        {std::string(FIX_FILE_SIZE + 1, '\n'), nullptr, 0},
    };
    for (const auto &c : cases) {
        FixSettingText(c.file.data(), (int)c.file.size(), 932, &fix);
        int length = -1, corrected = -1;
        const char *base = AddBaseText(&fix, &length, &corrected);
        EXPECT_EQ(base != nullptr, c.base != nullptr) << testing::PrintToString(c.file);
        if (base && c.base) {
            EXPECT_EQ(std::string(base, length), c.base) << testing::PrintToString(c.file);
            EXPECT_EQ(corrected, c.corrected) << testing::PrintToString(c.file);
        }
    }
}

std::string KeyFieldOf(const char *line)
{
    const char *key = strchr(line, '\t') + 1;
    return std::string(key, strcspn(key, "\t"));
}

std::string Lines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "C\t" + std::string(1, (char)('A' + i % 26)) + "\tQUIT\r\n";
    return text;
}

// Each reason a line is not written, and each that needs a yes.
TEST_F(HotkeyAdd, RefusesWithTheFirstReasonThatApplies)
{
    g_fake.heldElsewhere = {{MOD_CONTROL | MOD_ALT, 'H'}};
    g_fake.missingTargets = {"missing.exe"};
    g_fake.typed = {{MOD_CONTROL | MOD_ALT, 'Q', 0x407, 1, u"@"}};
    const std::string file = "CA\tE\tALERT\r\nca\tF\tQUIT\r\nbad line\r\n", longTarget(190, 'a');
    const struct {
        const char *combination;
        ActionCode action;
        const char *target, *parameters;
        std::string text;
        AddRefusal refusal;
        unsigned warnings;
    } cases[] = {
        {"Ctrl+Alt+N", ACTION_EXEC, "notepad.exe", "", file, ADD_ACCEPTED, 0},
        {"Ctrl+Alt+N", ACTION_EXEC, "notepad.exe", "", Lines(49), ADD_ACCEPTED, 0},
        {"Ctrl+Alt+N", ACTION_EXEC, "notepad.exe", "", Lines(50), ADD_FILE_FULL, 0},
        {"Ctrl+Alt+N", ACTION_EXEC, "notepad.exe", "", Lines(49) + "C\tZ", ADD_FILE_FULL, 0},
        {"Ctrl+F12", ACTION_ALERT, "", "", file, ADD_NO_KEY_CHARACTER, 0},
        {"Ctrl+Alt+Esc", ACTION_ALERT, "", "", file, ADD_NO_KEY_CHARACTER, 0},
        {"Ctrl+Alt+Kanji", ACTION_ALERT, "", "", file, ADD_NO_KEY_CHARACTER, 0},
        {"Win+Home", ACTION_ALERT, "", "", file, ADD_RESERVED, 0},
        {"Win+L", ACTION_ALERT, "", "", file, ADD_RESERVED, 0},
        {"Ctrl+Alt+Delete", ACTION_ALERT, "", "", file, ADD_RESERVED, 0},
        {"Ctrl+Alt+E", ACTION_ALERT, "", "", file, ADD_DUPLICATE, 0},
        // Small letters bind nothing: the line does not hold Ctrl+Alt+F.
        {"Ctrl+Alt+F", ACTION_ALERT, "", "", file, ADD_ACCEPTED, 0},
        {"Ctrl+Alt+H", ACTION_ALERT, "", "", file, ADD_HELD_ELSEWHERE, 0},
        {"Ctrl+Alt+N", ACTION_EXEC, "", "", file, ADD_NO_TARGET, 0},
        {"Ctrl+Alt+N", ACTION_ALERT, "a.exe", "", file, ADD_TARGET_NOT_TAKEN, 0},
        {"Ctrl+Alt+N", ACTION_QUIT, "", "-x", file, ADD_TARGET_NOT_TAKEN, 0},
        {"Ctrl+Alt+N", ACTION_EXEC, "a\tb.exe", "", file, ADD_TAB_IN_TEXT, 0},
        {"Ctrl+Alt+N", ACTION_EXEC, "a.exe", "x\ny", file, ADD_TAB_IN_TEXT, 0},
        {"Ctrl+Alt+N", ACTION_EXEC, "\"C:\\a b.exe\"", "", file, ADD_QUOTE_IN_TARGET, 0},
        {"Ctrl+Alt+N", ACTION_EXEC, "C:\\😀.exe", "", file, ADD_UNCONVERTIBLE, 0},
        {"Ctrl+Alt+N", ACTION_EXEC, longTarget.c_str(), "", file, ADD_LINE_TOO_LONG, 0},
        {"N", ACTION_ALERT, "", "", file, ADD_ACCEPTED, ADD_WARN_NO_MODIFIER},
        {"Ctrl+Alt+Q", ACTION_ALERT, "", "", file, ADD_ACCEPTED, ADD_WARN_TYPES_CHARACTER},
        {"Ctrl+F13", ACTION_ALERT, "", "", file, ADD_ACCEPTED, ADD_WARN_RARE_KEY},
        {"Ctrl+Alt+N", ACTION_EXEC, "missing.exe", "", file, ADD_ACCEPTED, ADD_WARN_TARGET_MISSING},
        {"Ctrl+Alt+N", ACTION_EXEC, "a.exe", "/select,\"C:\\a b\"", file, ADD_ACCEPTED, ADD_WARN_PARAMETER_QUOTES},
    };
    for (const auto &c : cases) {
        ParsedCombination parsed;
        ASSERT_EQ(ParseCombination(c.combination, &parsed), COMBINATION_READ) << c.combination;
        HotkeyRequest request = {parsed.modifiers, parsed.keyCode, c.action, c.target, c.parameters};
        AddVerdict verdict;
        JudgeHotkey(&request, 932, c.text.data(), (int)c.text.size(), L"setting.vorn", &verdict);
        EXPECT_EQ(verdict.refusal, c.refusal) << c.combination << " " << c.target;
        EXPECT_EQ(verdict.warnings, c.warnings) << c.combination << " " << c.target;
        EXPECT_EQ(verdict.lineLength > 0, c.refusal == ADD_ACCEPTED) << c.combination << " " << c.target;
    }
    AddVerdict verdict;
    JudgeCombination(MOD_CONTROL | MOD_ALT, 'E', file.data(), (int)file.size(), &verdict);
    EXPECT_EQ(verdict.earlierLine, 1);
    EXPECT_EQ(verdict.number, 4);
    g_fake.vornRunning = true;
    JudgeCombination(MOD_CONTROL | MOD_ALT, 'H', file.data(), (int)file.size(), &verdict);
    EXPECT_EQ(verdict.refusal, ADD_HELD_VORN_RUNNING);
    JudgeCombination(MOD_CONTROL | MOD_ALT, 'N', nullptr, 0, &verdict);
    EXPECT_EQ(verdict.refusal, ADD_FILE_UNREADABLE);
    JudgeCombination(MOD_CONTROL | MOD_ALT, 'E', Lines(60).data(), 60 * 11, &verdict);
    EXPECT_EQ(verdict.refusal, ADD_FILE_FULL);
}

// Every line --add writes is one the check binds with nothing to say of
// it, and the loader registers it and keeps its action as asked.
TEST_F(HotkeyAdd, EveryLineItWritesIsBoundAsMeantAndWarnedOfNothing)
{
    for (const auto &c : WRITTEN) {
        ParsedCombination parsed;
        if (ParseCombination(c.combination, &parsed) != COMBINATION_READ)
            continue;
        for (const char *target : {"", "C:\\Program Files\\メモ 帳.exe"}) {
            ResetFakePlatform();
            HotkeyRequest request = {parsed.modifiers, parsed.keyCode, target[0] ? ACTION_EXEC : ACTION_QUIT, target,
                                     target[0] ? "a b" : ""};
            std::string before = "CA\tE\tALERT\r\n";
            AddVerdict verdict;
            JudgeHotkey(&request, 932, before.data(), (int)before.size(), L"setting.vorn", &verdict);
            if (verdict.refusal != ADD_ACCEPTED)
                continue;
            char text[512];
            int length = AppendSettingLine(before.data(), (int)before.size(), verdict.line, verdict.lineLength, text,
                                           sizeof text);
            g_fake.fileContents.assign(text, length);
            std::vector<LineVerdict> verdicts;
            CheckSummary summary;
            CheckSettingFile(L"setting.vorn", 932,
                             [](void *context, const LineVerdict *line) {
                                 ((std::vector<LineVerdict> *)context)->push_back(*line);
                             },
                             &verdicts, &summary);
            ASSERT_EQ(verdicts.size(), 2u) << c.combination;
            const LineVerdict &added = verdicts[1];
            EXPECT_EQ(added.problem, PROBLEM_NONE) << c.combination;
            // A sign or a small letter is the one way to write Home or F5, and the check says so in
            // a note, which is no fault; what needed a yes is told again.
            std::string key = KeyFieldOf(verdict.line);
            unsigned expected = key.size() == 1 && !isupper((unsigned char)key[0]) &&
                                        !isdigit((unsigned char)key[0]) && key != " "
                                    ? WARNING_KEY_CHARACTER
                                    : 0;
            unsigned asked = (verdict.warnings & ADD_WARN_NO_MODIFIER ? WARNING_NO_MODIFIER : 0) |
                             (verdict.warnings & ADD_WARN_RARE_KEY ? WARNING_RARE_KEY : 0);
            EXPECT_EQ(added.warnings, expected | asked) << c.combination;
            EXPECT_EQ(CheckExitStatus(&summary), asked ? 1 : 0) << c.combination;

            memset(&g_bindings, 0, sizeof g_bindings);
            g_fake.registered.clear();
            LoadSettingFile((HWND)0x99);
            ASSERT_EQ(g_fake.registered.size(), 2u) << c.combination;
            EXPECT_EQ(g_fake.registered[1].modifiers, parsed.modifiers) << c.combination;
            EXPECT_EQ(g_fake.registered[1].keyCode, parsed.keyCode) << c.combination;
            EXPECT_EQ(g_bindings.slots[1].action, request.action);
            char target932[SETTING_LINE_SIZE] = "";
            if (target[0])
                snprintf(target932, sizeof target932, "C:\\Program Files\\\x83\x81\x83\x82 \x92\xa0.exe");
            EXPECT_STREQ(g_bindings.slots[1].target, target932);
            EXPECT_STREQ(g_bindings.slots[1].parameters, target[0] ? "a b" : "");
        }
    }
}

}  // namespace
