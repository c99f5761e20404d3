#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "settings/setting_line.h"

namespace {

std::string FieldText(const SettingField &field)
{
    return std::string(field.text, field.length);
}

SettingField Field(const char *text)
{
    return SettingField{text, (int)strlen(text)};
}

ParsedSettingLine Parse(const std::string &line, int *result = nullptr)
{
    ParsedSettingLine parsed;
    memset(&parsed, 0x5a, sizeof parsed);
    int accepted = ParseSettingLine(line.c_str(), &parsed);
    if (result)
        *result = accepted;
    return parsed;
}

TEST(SplitSettingLine, CutsFiveFieldsByTabsAndTheCrRule)
{
    struct Case {
        const char *line;
        const char *fields[SETTING_FIELD_COUNT];
    } cases[] = {
        {"CA\tE\tEXEC\tC:\\x.exe\t-p\r", {"CA", "E", "EXEC", "C:\\x.exe", "-p"}},
        {"CA\t\t\tE\t\tEXEC\t\t\ta\tb", {"CA", "E", "EXEC", "a", "b"}},  // tab runs
        {"\tLEFT\tALERT\r", {"", "LEFT", "ALERT", "", ""}},  // a leading tab: no modifiers
        {"W\tEND\tQUIT\r", {"W", "END", "QUIT", "", ""}},  // missing trailing fields
        {"a note line\r", {"a note line", "", "", "", ""}},  // no tab: all modifiers
        {"\r", {"", "", "", "", ""}},
        {"", {"", "", "", "", ""}},
        {"C\tE\tEXEC\ta.exe\t-x\tjunk\r", {"C", "E", "EXEC", "a.exe", "-x"}},  // field 5 cut
        {"C\r\tE\tEXEC", {"C\r", "E", "EXEC", "", ""}},  // a tab after the CR wins
        {"C\tE\rX\tEXEC\r", {"C", "E\rX", "EXEC", "", ""}},
        {"C\tE\tEXEC\tC:\\My Dir\\a b.exe\tx y\r", {"C", "E", "EXEC", "C:\\My Dir\\a b.exe", "x y"}},
        {"C\tE\tEXEC\ta\tp\rq", {"C", "E", "EXEC", "a", "p"}},
    };
    for (const Case &c : cases) {
        SettingLineFields split;
        SplitSettingLine(c.line, &split);
        for (int i = 0; i < SETTING_FIELD_COUNT; ++i)
            EXPECT_EQ(FieldText(split.fields[i]), c.fields[i]) << "field " << i + 1 << " of "
                                                                << testing::PrintToString(c.line);
    }
}

TEST(LookupKeyName, OneByteIsItsOwnSignedCodeAndLongerFieldsMustBeNames)
{
    struct Case {
        const char *field;
        int32_t code;
    } cases[] = {
        {"E", 0x45}, {"5", 0x35}, {"1", 0x31}, {" ", 0x20},
        {"e", 0x65},  // small letters are not folded: 0x65 is the numpad 5 key
        {"\x80", -128}, {"\xff", -1},
        {"END", 0x23}, {"RIGHT", 0x27}, {"LEFT", 0x25},
        {"Left", 0}, {"left", 0}, {"end", 0}, {"E ", 0}, {"LEFT ", 0}, {"", 0},
        {"\x83\x41", 0},  // a double-byte character
        {"LEFTLEFTLEFT", 0}, {"RIGHTRIGHT", 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LookupKeyName(Field(c.field)), c.code) << testing::PrintToString(c.field);
}

TEST(LookupActionName, MatchesExactlyAndCaseSensitively)
{
    struct Case {
        const char *field;
        ActionCode action;
    } cases[] = {
        {"QUIT", ACTION_QUIT}, {"ALERT", ACTION_ALERT}, {"EXEC", ACTION_EXEC},
        {"exec", ACTION_NONE}, {"Quit", ACTION_NONE}, {"QUIT ", ACTION_NONE},
        {"EXE", ACTION_NONE}, {"Q", ACTION_NONE}, {"", ACTION_NONE},
        {"EXECEXECEXEC", ACTION_NONE},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LookupActionName(Field(c.field)), c.action) << testing::PrintToString(c.field);
}

TEST(ParseModifierLetters, CountsCapitalLettersBytewiseAndIgnoresTheRest)
{
    struct Case {
        const char *field;
        unsigned modifiers;
    } cases[] = {
        {"SCAW", 15}, {"CA", MOD_CONTROL | MOD_ALT}, {"CCC", MOD_CONTROL}, {"W", MOD_WIN},
        {"x", 0}, {"-", 0}, {"", 0}, {"scaw", 0}, {"C+S", MOD_CONTROL | MOD_SHIFT},
        {"\x83\x41", MOD_ALT},  // second byte of a double-byte character
        {"Ctrl+Alt+Shift", MOD_CONTROL | MOD_ALT | MOD_SHIFT},  // longer than nine bytes
        {"xxxxxxxxxxxxW", MOD_WIN},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ParseModifierLetters(Field(c.field)), c.modifiers) << testing::PrintToString(c.field);
}

TEST(ParseSettingLine, AcceptsOnlyLinesWithKeyAndAction)
{
    struct Case {
        const char *line;
        bool accepted;
        unsigned modifiers;
        int32_t keyCode;
        ActionCode action;
        const char *target;
        const char *parameters;
    } cases[] = {
        {"CA\tE\tEXEC\tC:\\Windows\\notepad.exe\r", true, 3, 0x45, ACTION_EXEC,
         "C:\\Windows\\notepad.exe", ""},
        {"W\tEND\tQUIT", true, MOD_WIN, 0x23, ACTION_QUIT, "", ""},
        {"\tLEFT\tALERT", true, 0, 0x25, ACTION_ALERT, "", ""},
        {"SC\tN\tEXEC\tnotepad.exe\tmemo.txt", true, 6, 0x4e, ACTION_EXEC, "notepad.exe", "memo.txt"},
        {"C\tE\tEXEC", true, MOD_CONTROL, 0x45, ACTION_EXEC, "", ""},
        {"C\tE\tALERT\tC:\\kept.exe\r", true, MOD_CONTROL, 0x45, ACTION_ALERT, "C:\\kept.exe", ""},
        {"Ctrl+Shift\tE\tQUIT\r", true, MOD_CONTROL | MOD_SHIFT, 0x45, ACTION_QUIT, "", ""},
        {"\r", false, 0, 0, ACTION_NONE, "", ""},  // a blank line
        {"note\r", false, 0, 0, ACTION_NONE, "", ""},
        {"C\tE\tQUIT \r", false, MOD_CONTROL, 0x45, ACTION_NONE, "", ""},
        {"C\tE \tQUIT\r", false, MOD_CONTROL, 0, ACTION_QUIT, "", ""},
        {"C\tleft\tQUIT", false, MOD_CONTROL, 0, ACTION_QUIT, "", ""},
        {"C\tE\texec\ta.exe", false, MOD_CONTROL, 0x45, ACTION_NONE, "a.exe", ""},
        {"C\tRIGHTRIGHTRIGHT\tQUIT", false, MOD_CONTROL, 0, ACTION_QUIT, "", ""},
        {"C\tE\tQUITQUITQUIT", false, MOD_CONTROL, 0x45, ACTION_NONE, "", ""},
    };
    for (const Case &c : cases) {
        int result;
        ParsedSettingLine parsed = Parse(c.line, &result);
        SCOPED_TRACE(testing::PrintToString(c.line));
        EXPECT_EQ(result == 0, c.accepted);
        EXPECT_EQ(parsed.modifiers, c.modifiers);
        EXPECT_EQ(parsed.keyCode, c.keyCode);
        EXPECT_EQ(parsed.action, c.action);
        EXPECT_STREQ(parsed.target, c.target);
        EXPECT_STREQ(parsed.parameters, c.parameters);
    }
}

TEST(ParseSettingLine, LongTargetAndParametersStayWithinTheirBuffers)
{
    std::string target(300, 't');
    std::string parameters(300, 'p');
    ParsedSettingLine parsed = Parse("C\tE\tEXEC\t" + target + "\t" + parameters);
    EXPECT_EQ(std::string(parsed.target), target.substr(0, SETTING_TEXT_SIZE - 1));
    EXPECT_EQ(std::string(parsed.parameters), parameters.substr(0, SETTING_TEXT_SIZE - 1));
}

}  // namespace
