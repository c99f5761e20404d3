#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "check/ask/check_console.h"
#include "check/ask/check_questions.h"
#include "check/report/check_report.h"
#include "check_agreement.h"
#include "fake_platform.h"

namespace {

struct Checked {
    int result;
    CheckSummary summary;
    std::vector<LineVerdict> verdicts;
    std::string report;
    LineFix line;    // the correction of the line reported last
    LineFix change;  // what --fix wrote in it, where the check follows a --fix
};

// The file's corrections, as the program has them beside its report; and
// what --fix wrote, where the check follows one.
SettingFix g_checkedFix;
const SettingFix *g_appliedFix;

// What a report function wrote.
template <typename Print>
std::string Printed(Print print)
{
    FILE *out = tmpfile();
    print(out);
    rewind(out);
    std::string text;
    char buffer[4096];
    for (size_t length; (length = fread(buffer, 1, sizeof buffer, out)) > 0;)
        text.append(buffer, length);
    fclose(out);
    return text;
}

void Collect(void *context, const LineVerdict *verdict)
{
    Checked *checked = (Checked *)context;
    checked->verdicts.push_back(*verdict);
    const LineFix *fix = g_checkedFix.aligned && NextLineFix(&g_checkedFix, &checked->line) ? &checked->line : nullptr;
    const LineFix *change = g_appliedFix && NextLineFix(g_appliedFix, &checked->change) ? &checked->change : nullptr;
    checked->report += Printed([&](FILE *out) {
        PrintVerdict(out, verdict, fix, change);
        if (change)
            PrintLineChange(out, change);
    });
}

// Checks contents with the fake as the test has set it up, and reports as
// the program does; after applied, as it does after --fix wrote it.
Checked Check(const std::string &contents, unsigned codePage = 932, const SettingFix *applied = nullptr)
{
    g_fake.fileContents = contents;
    g_appliedFix = applied;
    Checked checked;
    memset(&checked.line, 0, sizeof checked.line);
    memset(&checked.change, 0, sizeof checked.change);
    LoadSettingFix(L"some.vorn", codePage, &g_checkedFix);
    checked.result = CheckSettingFile(L"some.vorn", codePage, Collect, &checked, &checked.summary);
    checked.report += Printed([&](FILE *out) {
        PrintFileFindings(out, &g_checkedFix, &checked.line);
        PrintSummary(out, "some.vorn", &checked.summary, &g_checkedFix);
        PrintCorrectable(out, "some.vorn", &g_checkedFix);
    });
    return checked;
}

class VornCheck : public testing::Test {
protected:
    void SetUp() override { ResetFakePlatform(); }
};

bool Contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

TEST_F(VornCheck, GivesEachLineItsSlotAndItsReasonForRejection)
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
                            std::string(250, 'x') + "\n"
                            "C\rE\rQUIT\r\n"  // without a tab, a CR still ends a field
                            "CA\tHome\tQUIT\r\n"
                            "CA\tEsc\tQUIT\r\n"
                            "CA\tF12\tQUIT\r\n");
    ASSERT_EQ(checked.result, 0);
    EXPECT_EQ(g_fake.openedNames, (std::vector<std::wstring>{L"some.vorn", L"some.vorn", L"some.vorn"}))
        << "corrections, lines, then bytes";
    const LineProblem expected[] = {PROBLEM_NONE, PROBLEM_BLANK, PROBLEM_NO_TAB, PROBLEM_UNKNOWN_KEY,
                                    PROBLEM_KEY_TRAILING_SPACE, PROBLEM_EMPTY_KEY, PROBLEM_UNKNOWN_ACTION,
                                    PROBLEM_ACTION_TRAILING_SPACE, PROBLEM_EMPTY_ACTION, PROBLEM_TOO_LONG,
                                    PROBLEM_NONE, PROBLEM_UNKNOWN_KEY, PROBLEM_UNKNOWN_KEY, PROBLEM_UNKNOWN_KEY};
    ASSERT_EQ(checked.verdicts.size(), 14u);
    for (size_t i = 0; i < checked.verdicts.size(); ++i) {
        EXPECT_EQ(checked.verdicts[i].problem, expected[i]) << "line " << i + 1;
        EXPECT_EQ(checked.verdicts[i].number, (int)i + 1);
        EXPECT_EQ(checked.verdicts[i].slot, (int)i);
    }
    EXPECT_EQ(checked.summary.bound, 2);
    EXPECT_EQ(checked.summary.blank, 1);
    EXPECT_EQ(checked.summary.rejected, 11);
    EXPECT_EQ(CheckExitStatus(&checked.summary), 1);

    for (const char *part : {"    1     0  10000  Ctrl+Alt+E",
                             "EXEC  \"C:\\My Tools\\a.exe\" \"x y\"\n",
                             "unknown key \"Left\": use one half-width character, or END, RIGHT or LEFT in half-width"
                             " capitals\n                    correction: CA<Tab>LEFT<Tab>QUIT\n",
                             "use QUIT, ALERT or EXEC",
                             "the whole line was read as modifiers",
                             "the line has 250 bytes",
                             "   11    10  10010  Ctrl+E                 QUIT\n",
                             "unknown key \"Home\": Vorn names the Home key by the character '$' (virtual-key code"
                             " 0x24)\n                    correction: CA<Tab>$<Tab>QUIT\n",
                             "the key \"Esc\" cannot be bound: no character that can be written in the key field names"
                             " its virtual-key code, 0x1B\n   14",
                             "the key \"F12\" is F12, which Windows keeps for the debugger"})
        EXPECT_TRUE(Contains(checked.report, part)) << part;
}

TEST_F(VornCheck, AgreesWithTheLoaderOnWhatIsBoundAndWhatIsADuplicate)
{
    std::vector<std::string> files = {
        "C\rE\rQUIT\r\nC\tE\tALERT\r\n",
        "CA\tE\tQUIT\nAC\tE\tALERT\n\r\nnote\nCA\t\tE\t\tEXEC\ta.exe\n",
        "S\rEND\rEXEC\r\nS\tEND\tQUIT\nS\r\tEND\tQUIT\n" + std::string(300, 'C') + "\tE\tQUIT\nC\tE\tQUIT\n",
    };
    // Files made of the pieces that matter to the grammar, in every order chance gives.
    const char *const pieces[] = {"\t", "\r", "\n", "C", "A", "S", "E", "e", "END", "QUIT", "EXEC", "ALERT", " ", "\xe9"};
    unsigned state = 7;
    for (int file = 0; file < 300; ++file) {
        std::string contents;
        for (int piece = 0; piece < 60; ++piece) {
            state = state * 1103515245u + 12345u;
            contents += pieces[(state >> 16) % 14];
        }
        files.push_back(contents);
    }
    for (const std::string &file : files)
        EXPECT_EQ(CheckDisagreesWithLoader(file), "") << testing::PrintToString(file);
}

TEST_F(VornCheck, WarnsOfWhatMaySurpriseInABoundLine)
{
    g_fake.missingTargets = {"C:\\gone.exe"};
    g_fake.ansiCodePage = 1252;
    const std::string beyondAscii = "CA\tO\tEXEC\tC:\\caf\x82.exe\nCA\tP\tEXEC\tnotepad.exe\tcaf\x82.txt\n";
    Checked checked = Check("CA\tE\tQUIT\n"
                            "CA\tE\tALERT\n"
                            "CA\te\tALERT\n"
                            "Ctrl + Alt\tK\tALERT\n"
                            "\tG\tALERT\n"
                            "CA\t\xe9\tALERT\n"
                            "CS\tH\tALERT\n"
                            "CA\t!\tALERT\n"
                            "CA\tp\tALERT\n"
                            "CA\tj\tALERT\n"
                            "CA\tM\tEXEC\tC:\\gone.exe\n"
                            "CA\tN\tEXEC\tC:\\here.exe\n"
                            "CA\tQ\tEXEC\t\"C:\\a.exe\"\n"
                            "CA\tR\tEXEC\texplorer.exe\t/select,\"C:\\a b\"\n" + beyondAscii, 437);
    ASSERT_EQ(checked.verdicts.size(), 16u);
    const unsigned expected[] = {0,
                                 WARNING_DUPLICATE,
                                 WARNING_KEY_CHARACTER,
                                 WARNING_LONG_MODIFIERS | WARNING_OTHER_MODIFIER_BYTES,
                                 WARNING_NO_MODIFIER,
                                 WARNING_HIGH_BYTE_KEY,
                                 0,
                                 WARNING_KEY_CHARACTER,
                                 WARNING_KEY_CHARACTER,
                                 WARNING_KEY_CHARACTER,
                                 WARNING_TARGET_MISSING,
                                 0,
                                 WARNING_QUOTED_TARGET,
                                 WARNING_PARAMETER_QUOTES,
                                 WARNING_BEYOND_ASCII,
                                 WARNING_BEYOND_ASCII};
    for (size_t i = 0; i < checked.verdicts.size(); ++i)
        EXPECT_EQ(checked.verdicts[i].warnings, expected[i]) << "line " << i + 1;
    EXPECT_EQ(checked.verdicts[1].duplicateOf, 1);
    // The key a byte really gives shows in the binding and in the warning.
    for (const char *part : {"Ctrl+Alt+E is already bound by line 1, which wins",
                             "Ctrl+Alt+Num 5 ",
                             "note: the small letter 'e' names the Num 5 key\n",
                             "the character '!' names the Page Up key",
                             "Ctrl+Alt+F1 ",
                             "note: the small letter 'j' names the Num * key\n",
                             "the target or parameters go beyond ASCII: Vorn reads code page 437, and ANSI (code page 1252)",
                             "the hotkey will open nothing",
                             "the target holds quotes: Vorn puts it in quotes of its own",
                             "by Windows' rules the program receives these arguments: [/select,C:\\a] [b]\n"})
        EXPECT_TRUE(Contains(checked.report, part)) << part;
    // A small letter or a sign alone binds as written: a note, not a warning.
    EXPECT_EQ(checked.summary.warned, 9);
    EXPECT_EQ(checked.summary.noted, 4);
    EXPECT_EQ(CheckExitStatus(&checked.summary), 1);

    // Where ANSI is the code page Vorn reads, such text is read as saved.
    g_fake.ansiCodePage = 0;
    Checked readAsSaved = Check(beyondAscii, 932);
    EXPECT_EQ(CheckExitStatus(&readAsSaved.summary), 0) << readAsSaved.report;
}

// Lines that can never fire, told from the line alone and so on any system.
TEST_F(VornCheck, NamesEveryLineThatCanNeverFireAndWhatToDoInstead)
{
    g_fake.heldElsewhere = {{MOD_WIN, 'L'}};  // as Windows' own holding looks to the probe
    g_fake.layoutNames = {{0x0411, {u"Japanese (Japan)", u"\u65e5\u672c\u8a9e (\u65e5\u672c)"}}};
    g_fake.keysForCharacters = {{'@', {0xC0, 0, 0x0411}}, {'%', {'5', 1, 0x0411}}, {'#', {'3', 1 | 8, 0x0411}}};
    const struct {
        const char *line;
        unsigned warnings;
        const char *said;
    } cases[] = {
        {"CA\t;\tALERT\n", WARNING_NO_SUCH_KEY | WARNING_KEY_CHARACTER, "no key sends the virtual-key code 0x3B"},
        {"CA\t@\tALERT\n", WARNING_NO_SUCH_KEY | WARNING_KEY_CHARACTER,
         "on a keyboard layout for Japanese (Japan), the key that types '@' has the virtual-key code 0xC0, which no"
         " character in the key field names: if you meant the key that types '@', no line can bind it"},
        {"CA\t%\tALERT\n", WARNING_KEY_CHARACTER,
         "note: the character '%' names the Left Arrow key\n                    note: on a keyboard layout for Japanese"
         " (Japan), '%' is typed with Shift+5; if you meant the key that types '%', write:\n"
         "                        CAS<Tab>5<Tab>ALERT\n"},
        {"CA\t#\tALERT\n", WARNING_KEY_CHARACTER,
         "'#' is typed with a key state that no line can write (beyond Shift, such as Hankaku or the layout's own"
         " shift keys), so no line binds that key\n"},
        {"CA\te\tALERT\n", WARNING_KEY_CHARACTER,
         "note: the small letter 'e' names the Num 5 key\n                    note: if you meant the E key, write:\n"
         "                        CA<Tab>E<Tab>ALERT\n"},
        {"CA\t/\tALERT\n", WARNING_RARE_KEY | WARNING_KEY_CHARACTER, "common keyboards have no Help key"},
        {"CA\t)\tALERT\n", WARNING_RARE_KEY | WARNING_KEY_CHARACTER, "common keyboards have no Select key"},
        {"W\tL\tALERT\n", WARNING_RESERVED, "Windows reserves Win+L for itself"},
        {"CA\t.\tALERT\n", WARNING_RESERVED | WARNING_KEY_CHARACTER, "Windows reserves Ctrl+Alt+Delete for itself"},
        {"CS\t\x1b\tALERT\n", WARNING_RESERVED | WARNING_KEY_CHARACTER, "Windows reserves Ctrl+Shift+Esc for itself"},
        {"WC\tRIGHT\tALERT\n", WARNING_RESERVED, "Windows reserves Ctrl+Win+Right for itself"},
        {"CA\t{\tALERT\n", WARNING_DEBUGGER_KEY | WARNING_KEY_CHARACTER, "F12 is reserved for the debugger"},
        {"WCA\tL\tALERT\n", 0, "Ctrl+Alt+Win+L"},  // Windows keeps the exact combination only
    };
    for (const auto &c : cases) {
        Checked checked = Check(c.line);
        ASSERT_EQ(checked.verdicts.size(), 1u);
        EXPECT_EQ(checked.verdicts[0].warnings, c.warnings) << c.line;
        EXPECT_TRUE(Contains(checked.report, c.said)) << checked.report;
    }
    // Every combination Windows keeps, as Microsoft lists them.
    const struct {
        const char *modifiers;
        const char *keys;
    } reserved[] = {{"CA", "."},
                    {"C", "\x1b"},
                    {"CS", "\x1b"},
                    {"W", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 $%&'(,"},
                    {"WS", "MSV%&'("},
                    {"WC", "CDFNOQS \r%'s"},
                    {"WA", "BDKR"}};
    for (const auto &combination : reserved) {
        for (const char *key = combination.keys; *key; ++key) {
            Checked checked = Check(std::string(combination.modifiers) + "\t" + *key + "\tALERT\n");
            ASSERT_EQ(checked.verdicts.size(), 1u);
            EXPECT_TRUE(checked.verdicts[0].warnings & WARNING_RESERVED) << combination.modifiers << " " << *key;
        }
    }
    SetReportLanguage(REPORT_JAPANESE);
    std::string japanese = Check("W\tL\tALERT\n").report;
    SetReportLanguage(REPORT_ENGLISH);
    EXPECT_TRUE(Contains(japanese, "警告: Win+L は Windows が予約している組み合わせのため")) << japanese;
    EXPECT_TRUE(Contains(japanese, "some.vorn: 1 行 (割り当て 1、")) << japanese;

    // Keys whose labels are English, a code no key sends and a byte above
    // 0x7F: the Japanese sentences name them as Japanese Windows does, and
    // only the binding column keeps the ASCII labels.
    SetReportLanguage(REPORT_JAPANESE);
    japanese = Check("CA\t%\tALERT\nCA\t[\tALERT\nCA\t]\tALERT\nCA\t_\tALERT\nCA\t;\tALERT\nCA\tl\tALERT\n"
                     "CA\t\xb1\tALERT\nW\tLEFT\tALERT\nCA\t;\tQUIT\n").report;
    SetReportLanguage(REPORT_ENGLISH);
    for (const char *part : {"メモ: 文字「%」は、左方向キーを表します。", "文字「[」は、左 Windows ロゴ キーを表します。",
                             "アプリケーション キーを表します。", "スリープ キーを表します。",
                             "文字「;」は、仮想キー コード 0x3B を表します。",
                             "小文字の「l」は、テンキーの区切り記号キーを表します。",
                             "テンキーの区切り記号キーは一般的なキーボードにはありません。",
                             "キーとして使用できません。", "Ctrl+Alt+Left Win ",
                             "Win+左方向キーは Windows が予約している", "Ctrl+Alt+仮想キー コード 0x3B は 5 行目で"})
        EXPECT_TRUE(Contains(japanese, part)) << part << "\n" << japanese;
    std::string sentences;
    for (size_t start = 0, end; (end = japanese.find('\n', start)) != std::string::npos; start = end + 1) {
        if (japanese.compare(start, 20, std::string(20, ' ')) == 0)
            sentences += japanese.substr(start, end - start + 1);
    }
    for (const char *english : {"Left", "Menu", "Sleep", "VK 0x", "Separator", "Num"})
        EXPECT_FALSE(Contains(sentences, english)) << english << "\n" << sentences;
}

TEST_F(VornCheck, AsksWhetherAnotherProgramOrARunningVornHoldsACombination)
{
    g_fake.heldElsewhere = {{MOD_CONTROL | MOD_SHIFT, 'F'}};
    for (bool vornRunning : {false, true}) {
        g_fake.vornRunning = vornRunning;
        Checked checked = Check("CA\tE\tQUIT\nCS\tF\tQUIT\nCA\tE\tQUIT\n");
        ASSERT_EQ(checked.verdicts.size(), 3u);
        EXPECT_EQ(checked.verdicts[0].warnings, 0u);
        EXPECT_EQ(checked.verdicts[1].warnings,
                  (unsigned)(vornRunning ? WARNING_HELD_VORN_RUNNING : WARNING_HELD_ELSEWHERE));
        EXPECT_EQ(checked.verdicts[2].warnings, (unsigned)WARNING_DUPLICATE) << "a duplicate is not probed again";
        EXPECT_EQ(Contains(checked.report, "another program holds Ctrl+Shift+F"), !vornRunning);
        EXPECT_EQ(Contains(checked.report, "Ctrl+Shift+F is held, and Vorn is running: it may be the holder"),
                  vornRunning);
    }
}

// AltGr arrives as Ctrl+Alt: only exactly Ctrl+Alt, or Ctrl+Alt+Shift, is
// asked about, and each layout's language on which it types a character that
// only Ctrl+Alt gives is named, with the character whole.
TEST_F(VornCheck, NamesTheCharacterACtrlAltCombinationTypesOnEachLayout)
{
    const unsigned CTRL_ALT = MOD_CONTROL | MOD_ALT;
    enum { GERMAN = 0x0407, POLISH = 0x0415, ENGLISH = 0x0409, CZECH = 0x0405, EMOJI = 0x1000, LONG = 0x0C00 };
    const std::u16string longName(60, u'\u30a2');  // 60 katakana, more than the field takes
    g_fake.layoutNames = {{GERMAN, {u"German (Germany)", u"\u30c9\u30a4\u30c4\u8a9e (\u30c9\u30a4\u30c4)"}},
                          {POLISH, {u"Polish (Poland)", u"\u30dd\u30fc\u30e9\u30f3\u30c9\u8a9e"}},
                          {CZECH, {u"Czech (Czechia)", u"Czech"}},
                          {EMOJI, {u"Emoji (World)", u"Emoji"}},
                          {LONG, {longName, longName}}};
    // ToUnicodeEx's answers; every combination below types something, so asking about one shows.
    g_fake.typed = {{CTRL_ALT, 'E', GERMAN, 1, u"\u20ac"},
                    {CTRL_ALT, 'E', GERMAN, 1, u"\u20ac"},  // a second German layout
                    {CTRL_ALT, 'E', POLISH, 1, u"\u0119"},
                    {CTRL_ALT | MOD_SHIFT, 'E', POLISH, 1, u"\u0118"},
                    {MOD_CONTROL, 'E', GERMAN, 1, u"e"},
                    {MOD_ALT | MOD_SHIFT, 'E', GERMAN, 1, u"E"},
                    {CTRL_ALT | MOD_WIN, 'E', GERMAN, 1, u"e"},
                    {CTRL_ALT, 'F', GERMAN, 1, u"\x06"},          // Ctrl's control character
                    {CTRL_ALT, 'G', ENGLISH, 1, u"g", 1, u"g"},     // what G types anyway
                    {CTRL_ALT, 'H', CZECH, -1, u"\u02c7", 1, u"h"},  // a dead key
                    {CTRL_ALT, 'K', EMOJI, 2, u"\U0001F600"},
                    {CTRL_ALT, 'L', LONG, 1, u"@"}};
    // More layouts than the verdict holds.
    for (unsigned layout : {GERMAN, POLISH, CZECH, EMOJI, LONG})
        g_fake.typed.push_back({CTRL_ALT, 'M', layout, 1, u"\u00b5"});
    std::string cut;  // the 42 katakana that fit whole
    for (int i = 0; i < 42; ++i)
        cut += "\u30a2";
    const struct {
        const char *line;
        int layouts;
        std::string said;
    } cases[] = {
        {"CA\tE\tQUIT\n", 2,
         "on a keyboard layout for German (Germany), Ctrl+Alt+E types '\u20ac': each '\u20ac' typed runs this"
         " line's action instead"},
        {"CAS\tE\tQUIT\n", 1, "on a keyboard layout for Polish (Poland), Ctrl+Alt+Shift+E types '\u0118'"},
        {"C\tE\tQUIT\n", 0, "keyboard layout"},
        {"AS\tE\tQUIT\n", 0, "keyboard layout"},
        {"CAW\tE\tQUIT\n", 0, "keyboard layout"},
        {"CA\tF\tQUIT\n", 0, "keyboard layout"},
        {"CA\tG\tQUIT\n", 0, "keyboard layout"},
        {"CA\tH\tQUIT\n", 1, "for Czech (Czechia), Ctrl+Alt+H types '\u02c7'"},
        {"CA\tK\tQUIT\n", 1, "types '\U0001F600': each '\U0001F600' typed"},
        {"CA\tL\tQUIT\n", 1, "for " + cut + ", Ctrl+Alt+L types '@'"},  // cut where a character ends
        {"CA\tM\tQUIT\n", MAX_LAYOUTS_NAMED, "for Czech (Czechia), Ctrl+Alt+M types '\u00b5'"},
    };
    for (const auto &c : cases) {
        Checked checked = Check(c.line);
        ASSERT_EQ(checked.verdicts.size(), 1u);
        EXPECT_EQ(checked.verdicts[0].typedCount, c.layouts) << c.line;
        EXPECT_EQ((checked.verdicts[0].warnings & WARNING_TYPES_CHARACTER) != 0, c.layouts > 0) << c.line;
        EXPECT_EQ(Contains(checked.report, c.said), c.layouts > 0) << checked.report;
    }
    // Each layout named in the report's language, as Windows names it there.
    EXPECT_EQ(g_fake.layoutNamesInEnglish, std::vector<bool>(g_fake.layoutNamesInEnglish.size(), true));
    g_fake.layoutNamesInEnglish.clear();
    SetReportLanguage(REPORT_JAPANESE);
    std::string japanese = Check("CA\tE\tQUIT\n").report;
    SetReportLanguage(REPORT_ENGLISH);
    EXPECT_EQ(g_fake.layoutNamesInEnglish, std::vector<bool>(2, false));
    EXPECT_TRUE(Contains(japanese, "\u30dd\u30fc\u30e9\u30f3\u30c9\u8a9e 用のキーボード レイアウトでは、Ctrl+Alt+E で「\u0119」が"
                                   "入力されます。"))
        << japanese;
}

// What --fix writes for each common mistake, in Shift-JIS as the IME types
// it: the plain meaning where Vorn reads another, every other byte as it
// was, and nothing more to correct the second time.
TEST(SettingFix, CorrectsEachMistakeOnceAndLeavesWhatBindsAsWritten)
{
    static SettingFix fix, again;
    // Targets that exist, for lines written with spaces where a target has them too.
    ResetFakePlatform();
    g_fake.existingTargets = {"C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe", "notepad.exe",
                              "C:\\Tools\\run", "C:\\Tools\\run me.exe"};
    const std::string fullWidthCa = "\x82\x62\x82\x60", ideographicSpace = "\x81\x40";
    const std::string utf16 = std::string("\xff\xfe" "C\0A\0\t\0E\0\t\0Q\0U\0I\0T\0\r\0\n\0", 24);
    const struct {
        std::string file;
        std::string fixed;
        unsigned corrections;
    } cases[] = {
        // A CR inside a spaced line is no separator: the line is the user's.
        {"CA E EXEC a.exe\rb\r\n", "", 0},
        // Parameters are the program's own, full width and trailing spaces too.
        {"CA\tE\tEXEC\tnotepad.exe\t\x82\x60 \r\n", "", 0},
        // A wave dash that code page 932 has only as a look-alike: nothing is written.
        {"CA\tE\tEXEC\tC:\\\xe3\x80\x9c.exe\nca\tF\tQUIT\n", "", 0},
        {"CA\t\x82\x64\tALERT\r\n", "CA\tE\tALERT\r\n", CORRECTED_FULL_WIDTH},
        {fullWidthCa + "\t\x82\x85\t\x82\x60\x82\x6b\x82\x64\x82\x71\x82\x73\r\n", "CA\tE\tALERT\r\n",
         CORRECTED_FULL_WIDTH},
        {"CA\t" + ideographicSpace + "\tALERT\n", "CA\t \tALERT\n", CORRECTED_FULL_WIDTH},
        {"ca\tE\tALERT\nCtrl + alt\tE\tALERT\nWINDOWS\tE\tQUIT\n", "CA\tE\tALERT\nCA\tE\tALERT\nW\tE\tQUIT\n",
         CORRECTED_MODIFIERS},
        {"CA\tend\texec\tnotepad.exe\nCA\tArrowLeft\tAlert\n", "CA\tEND\tEXEC\tnotepad.exe\nCA\tLEFT\tALERT\n",
         CORRECTED_NAME | CORRECTED_KEY_NAME},
        {"CA\tHome\tALERT\nCA\tvk_f5\tALERT\nCA\tNUM5\tALERT\n", "CA\t$\tALERT\nCA\tt\tALERT\nCA\te\tALERT\n",
         CORRECTED_KEY_NAME},
        {"CA\tN\tEXEC\t\"C:\\Program Files\\a.exe\"\t\"x y\"\r\n", "CA\tN\tEXEC\tC:\\Program Files\\a.exe\tx y\r\n",
         CORRECTED_QUOTES},
        {"CA E EXEC notepad.exe\r\nS END QUIT\r\nLEFT ALERT\n", "CA\tE\tEXEC\tnotepad.exe\r\nS\tEND\tQUIT\r\n\tLEFT\tALERT\n",
         CORRECTED_TABS},
        {"CA E EXEC \"C:\\My Tools\\a.exe\" -x\n" + fullWidthCa + ideographicSpace + "E" + ideographicSpace + "QUIT\n",
         "CA\tE\tEXEC\tC:\\My Tools\\a.exe\t-x\nCA\tE\tQUIT\n",
         CORRECTED_TABS | CORRECTED_QUOTES | CORRECTED_FULL_WIDTH},
        // The one way of cutting the rest that names a target that exists.
        {"CA W EXEC C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe\nSC N EXEC notepad.exe \x83\x81\x83\x82.txt\r\n",
         "CA\tW\tEXEC\tC:\\Program Files\\Windows NT\\Accessories\\wordpad.exe\nSC\tN\tEXEC\tnotepad.exe\t\x83\x81\x83\x82.txt\r\n",
         CORRECTED_TABS},
        // A target as a shortcut shows it, in a line without parameters.
        {"CA\tE\tEXEC\t\"C:\\a b.exe\" -x \"y z\"\r\n", "CA\tE\tEXEC\tC:\\a b.exe\t-x \"y z\"\r\n",
         CORRECTED_QUOTES | CORRECTED_TABS},
        // Quotes that are no shortcut's: the line stays as written beside another's correction.
        {"CA\tE\tEXEC\t\"C:\\a b.exe\"x \r\nca\tF\tQUIT\r\n", "CA\tE\tEXEC\t\"C:\\a b.exe\"x \r\nCA\tF\tQUIT\r\n",
         CORRECTED_MODIFIERS},
        {"CA \tE  \tQUIT \r\n", "CA\tE\tQUIT\r\n", CORRECTED_TRAILING_SPACE},
        {"CA\tE\tALERT\r\nCA\tF\tQUIT", "CA\tE\tALERT\r\nCA\tF\tQUIT\r\n", CORRECTED_LINE_END},
        {"CA\tE\tALERT\nCA\tF\tQUIT", "CA\tE\tALERT\nCA\tF\tQUIT\n", CORRECTED_LINE_END},
        {std::string("CA\tE\tAL\0ERT\n", 12), "CA\tE\tALERT\n", CORRECTED_NUL},
        {"\xef\xbb\xbf" "CA\tE\tEXEC\tC:\\\xe3\x83\x86.exe\n", "CA\tE\tEXEC\tC:\\\x83\x65.exe\n", CORRECTED_ENCODING},
        {utf16, "CA\tE\tQUIT\r\n", CORRECTED_ENCODING},
        {std::string("\xfe\xff\0C\0A\0\t\0E\0\t\0Q\0U\0I\0T\0\n\x30\xc6", 24), "CA\tE\tQUIT\n\x83\x65\n",
         CORRECTED_ENCODING | CORRECTED_LINE_END},
        // Unsure, or bound as written: left as it is.
        {"CA E EXEC C:\\My Tools\\a.exe\nCA E EXEC C:\\Tools\\run me.exe x\nCA\tN\tEXEC\t\"C:\\a b.exe\" -x\t\n"
         "CA\tESC\tALERT\nCA\tF12\tALERT\nCA\t\x81\x93\tALERT\nCA\t%\tALERT\n"
         "CA\te\tALERT\nCA\tX\tEXEC\texplorer.exe\t/select,\"C:\\a b\"\nnote\nCAx\tE\tQUIT\n\r\n"
         "CA\tE\t \tQUIT\n",  // an action emptied would move the target up
         "", 0},
        // Bytes a NUL kept apart would join into UTF-8, which the next run would convert.
        {std::string("CA\tE\tEXEC\tC:\\\xd0\0\xa7.exe\n", 21), "", 0},
        // A character that code page 932 lacks: nothing is written.
        {"CA\tE\tEXEC\tC:\\\xf0\x9f\x98\x80.exe\nca\tF\tQUIT\n", "", 0},
    };
    for (const auto &c : cases) {
        FixSettingText(c.file.data(), (int)c.file.size(), 932, &fix);
        std::string fixed(fix.fixed, fix.fixedLength);
        EXPECT_EQ(FixChangesFile(&fix), !c.fixed.empty()) << testing::PrintToString(c.file);
        if (!c.fixed.empty()) {
            EXPECT_EQ(fixed, c.fixed) << testing::PrintToString(c.file);
        }
        unsigned corrections = 0;
        LineFix line;
        memset(&line, 0, sizeof line);
        while (NextLineFix(&fix, &line))
            corrections |= line.corrections;
        EXPECT_EQ(corrections, c.corrections) << testing::PrintToString(c.file);
        if (FixChangesFile(&fix)) {
            FixSettingText(fixed.data(), (int)fixed.size(), 932, &again);
            EXPECT_EQ(again.changedLines, 0) << "a second --fix would change " << testing::PrintToString(fixed);
        }
    }
    // Where the file system leaves more than one way, or none, each is a reading to offer, never a correction.
    const struct {
        std::string line;
        unsigned notes;
        std::vector<std::string> readings;  // the one to fill in first, where there is none
    } readings[] = {
        {"CA E EXEC C:\\Tools\\run me.exe x\r\n", NOTE_SPLITS,
         {"", "CA\tE\tEXEC\tC:\\Tools\\run\tme.exe x", "CA\tE\tEXEC\tC:\\Tools\\run me.exe\tx"}},
        {"CA E EXEC C:\\My Tools\\a.exe -x\n", NOTE_NO_SPLIT, {"CA\tE\tEXEC\tC:\\My Tools\\a.exe -x"}},
    };
    for (const auto &c : readings) {
        FixSettingText(c.line.data(), (int)c.line.size(), 932, &fix);
        LineFix line;
        memset(&line, 0, sizeof line);
        ASSERT_TRUE(NextLineFix(&fix, &line));
        EXPECT_EQ(line.corrections, 0u) << c.line;
        EXPECT_EQ(line.notes, c.notes) << c.line;
        std::vector<std::string> offered;
        char reading[FIX_LINE_SIZE];
        for (int choice = 0; choice <= (int)c.readings.size(); ++choice) {
            int length = SpacedLineReading(932, nullptr, &line, choice, reading, sizeof reading);
            if (length > 0 || choice < (int)c.readings.size())
                offered.push_back(std::string(reading, (size_t)length));
        }
        EXPECT_EQ(offered, c.readings) << c.line;
    }
    FixSettingText("CA\tE\tEXEC\tC:\\\xf0\x9f\x98\x80.exe\n", 23, 932, &fix);
    ASSERT_EQ(fix.unconvertibleCount, 1);
    EXPECT_EQ(fix.unconvertible[0].line, 1);
    EXPECT_EQ(fix.unconvertible[0].point, 0x1F600u);

    // A key's name corrected to its character binds the key the user named:
    // the report after --fix notes the key and offers no other reading, and
    // the file is clean.
    ResetFakePlatform();
    g_fake.keysForCharacters = {{'$', {'4', 1, 0x0411}}, {'-', {0xBD, 0, 0x0411}}};
    const std::string named = "CA\tHOME\tALERT\r\nCA\tF5\tALERT\r\nCA\tINS\tALERT\r\nCA\tNUMPAD5\tALERT\r\n";
    FixSettingText(named.data(), (int)named.size(), 932, &fix);
    const std::string fixed(fix.fixed, fix.fixedLength);
    ASSERT_EQ(fixed, "CA\t$\tALERT\r\nCA\tt\tALERT\r\nCA\t-\tALERT\r\nCA\te\tALERT\r\n");
    Checked afterFix = Check(fixed, 932, &fix);
    EXPECT_EQ(CheckExitStatus(&afterFix.summary), 0) << afterFix.report;
    EXPECT_EQ(afterFix.summary.noted, 4);
    for (const char *part : {"note: the character '$' names the Home key\n", "note: the small letter 't' names the F5 key\n",
                             "note: the character '-' names the Insert key\n", "before: CA<Tab>INS<Tab>ALERT\n",
                             "every line is bound as written.\n"})
        EXPECT_TRUE(Contains(afterFix.report, part)) << part << "\n" << afterFix.report;
    for (const char *part : {"warning:", "if you meant", "cannot", "write:"})
        EXPECT_FALSE(Contains(afterFix.report, part)) << part << "\n" << afterFix.report;
    // Checked again on its own, a file of notes alone is clean, and each note
    // offers the other reading only as a condition.
    Checked later = Check(fixed);
    EXPECT_EQ(CheckExitStatus(&later.summary), 0) << later.report;
    EXPECT_FALSE(Contains(later.report, "warning:")) << later.report;
    for (const char *part : {"note: if you meant the T key, write:\n                        CA<Tab>T<Tab>ALERT\n",
                             "if you meant the key that types '-', no line can bind it\n",
                             "every line is bound as written.\n"})
        EXPECT_TRUE(Contains(later.report, part)) << part << "\n" << later.report;
}

// At the console, after the certain corrections: the way of cutting a
// spaced line that the writer's number chooses, and the letter's key where
// Y says so; Enter keeps a line, and a key just written from its name is
// never asked about. Everything lands in one text.
TEST(SettingFix, WritesWhatTheWriterAnsweredWithTheCorrections)
{
    static SettingFix applied;
    static char text[sizeof applied.fixed];
    ResetFakePlatform();
    g_fake.existingTargets = {"C:\\Tools\\run", "C:\\Tools\\run me.exe"};
    const std::string file = "CA E EXEC C:\\Tools\\run me.exe x\r\nca\te\tALERT\r\nCA\tHOME\tALERT\r\nCA\tf\tQUIT\r\n";
    FixSettingText(file.data(), (int)file.size(), 932, &applied);
    FILE *answers = tmpfile();
    fputs("2\ny\n\n", answers);
    rewind(answers);
    FILE *console = stdin;
    stdin = answers;
    int length = 0, asked = 0;
    int answered = AskAboutLines(&applied, text, sizeof text, &length, &asked);
    stdin = console;
    EXPECT_EQ(fgetc(answers), EOF) << "an answer was left unread, or one more was asked for";
    fclose(answers);
    EXPECT_EQ(answered, 2);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(std::string(text, (size_t)length),
              "CA\tE\tEXEC\tC:\\Tools\\run me.exe\tx\r\nCA\tE\tALERT\r\nCA\t$\tALERT\r\nCA\tf\tQUIT\r\n");
}

// The arguments a program takes from a command line by Windows' rules, as
// the warning of quotes in the parameters tells them.
TEST(SettingFix, SplitsArgumentsAsWindowsDoes)
{
    const struct {
        const char *commandLine;
        std::vector<std::string> arguments;
    } cases[] = {
        {"\"/select,\"C:\\a b\"\"", {"/select,C:\\a", "b"}},
        {"\"a \"\"b\"\" c\"", {"a \"b\" c"}},
        {"a\\\\\\\"b \"c\\\\\" d\\e", {"a\\\"b", "c\\", "d\\e"}},
        {"  \"\"  ", {""}},
        {"\"\x95\\\"", {"\x95\\"}},  // a Shift-JIS character whose second byte is a backslash
    };
    for (const auto &c : cases) {
        std::vector<std::string> arguments;
        char argument[256];
        for (const char *rest = c.commandLine; NextArgument(932, &rest, argument, sizeof argument);)
            arguments.push_back(argument);
        EXPECT_EQ(arguments, c.arguments) << c.commandLine;
    }
}

// Vorn reads the OEM code page; a file saved otherwise arrives garbled.
TEST_F(VornCheck, TellsAFileSavedAsUtf8OrUtf16AndShowsTheTextInTheCodePage)
{
    // A read that fails is no end of the file: nothing is taken from part of it.
    static SettingFix partial;
    g_fake.fileContents = "ca\tE\tALERT\n";
    g_fake.readSize = 4;
    g_fake.failReadNumber = 1;
    EXPECT_NE(LoadSettingFix(L"some.vorn", 932, &partial), 0);
    ResetFakePlatform();
    // Control characters reach the report as escapes, never raw: DEL, and C1 as UTF-8 holds it.
    SetReportCodePage(932);
    std::string del = Check("CA\tE\tEXEC\ta\x7f.exe\n").report;
    EXPECT_TRUE(Contains(del, "\"a\\x7F.exe\"")) << del;
    SetReportCodePage(65001);
    std::string c1 = Check("CA\tE\tEXEC\ta\xc2\x85.exe\n", 65001).report;
    EXPECT_TRUE(Contains(c1, "\"a\\xC2\\x85.exe\"")) << c1;
    SetReportCodePage(932);
    const std::string utf16 = std::string("C\0A\0\t\0E\0\t\0Q\0U\0I\0T\0\n\0", 20);
    struct Case {
        std::string contents;
        unsigned codePage;
        SettingEncoding encoding;
        unsigned ansiCodePage = 0;  // 0: the same as the OEM code page
    } cases[] = {
        {"CA\tE\tEXEC\tC:\\\x83\x65\x83\x58\x83\x67.exe\n", 932, ENCODING_FITS},  // Shift-JIS
        {"CA\tE\tEXEC\tC:\\\xe3\x83\x86.exe\n", 932, ENCODING_UTF8},
        {"CA\tE\tEXEC\tC:\\\xe3\x83\x86.exe\n", 65001, ENCODING_FITS},
        {"CA\tE\tEXEC\tC:\\plain.exe\n", 932, ENCODING_FITS},
        {"\xef\xbb\xbf" "CA\tE\tQUIT\n", 932, ENCODING_UTF8_BOM},
        {"\xef\xbb\xbf" "CA\tE\tQUIT\n", 65001, ENCODING_FITS},
        {"\xff\xfe" + utf16, 932, ENCODING_UTF16},
        {utf16, 874, ENCODING_UTF16},
        {utf16, 437, ENCODING_UTF16, 1252},
    };
    for (const Case &c : cases) {
        ResetFakePlatform();
        g_fake.readSize = 7;  // the scan must not depend on where the reads fall
        g_fake.ansiCodePage = c.ansiCodePage;
        Checked checked = Check(c.contents, c.codePage);
        EXPECT_EQ(checked.summary.encoding, c.encoding) << testing::PrintToString(c.contents);
        EXPECT_TRUE(c.encoding == ENCODING_FITS || CheckExitStatus(&checked.summary) == 1);
        // Where ANSI is not the code page Vorn reads, only ASCII is safe.
        const char *fix = c.encoding == ENCODING_FITS ? "save it as"
                          : c.codePage == 932            ? "save it as Shift-JIS / ANSI"
                          : c.ansiCodePage == 0          ? "save it as ANSI (code page 874)"
                                                         : "save it as ANSI and keep targets and parameters to ASCII, "
                                                           "since code page 437 and ANSI (code page 1252) agree only for ASCII";
        EXPECT_EQ(Contains(checked.report, fix), c.encoding != ENCODING_FITS) << checked.report;
        // Half of UTF-16's last line break is no line of its own to the user.
        if (c.encoding == ENCODING_UTF16) {
            EXPECT_FALSE(Contains(checked.report, "after the last LF")) << checked.report;
        }
    }
    SetReportCodePage(932);
    EXPECT_TRUE(Contains(Check(cases[0].contents).report, "EXEC  \"C:\\\u30c6\u30b9\u30c8.exe\""));

    // A stray NUL is no UTF-16: Vorn drops the rest of its 99-byte read, and
    // the lines on both sides join; each line's correction is told apart.
    Checked nul = Check("CA\tE\tALERT\r\n" + std::string(1, '\0') + "CA\tF\tQUIT\r\nCA\tG\tEXEC\t" +
                        std::string(80, 'x') + "\r\nCA\tH\tQUIT\r\n");
    EXPECT_EQ(nul.summary.encoding, ENCODING_FITS);
    EXPECT_EQ(CheckExitStatus(&nul.summary), 1);
    for (const char *part : {"warning: line 2 holds a NUL byte: Vorn reads the file in pieces of 99 bytes and drops the"
                             " rest of a piece after a NUL, here bytes 13 to 99 of the file\n"
                             "warning: so lines 2 to 3 are read as one line\n",
                             "\nline 2, correction: CA<Tab>F<Tab>QUIT\n"})
        EXPECT_TRUE(Contains(nul.report, part)) << part << "\n" << nul.report;
    EXPECT_FALSE(Contains(nul.report, "UTF-16")) << nul.report;
    // Vorn's lines are not the editor's: the summary counts the editor's.
    EXPECT_TRUE(Contains(nul.report, "some.vorn: of the 4 lines an editor shows, Vorn binds 2;")) << nul.report;
    Checked wide = Check("\xff\xfe" + utf16);
    EXPECT_TRUE(Contains(wide.report, "some.vorn: of the 1 lines an editor shows, Vorn binds 0;")) << wide.report;
    EXPECT_TRUE(Contains(wide.report, "line 1, correction: CA<Tab>E<Tab>QUIT (encoding converted)\n")) << wide.report;
    // Bytes a NUL dropped up to the end of a file that ends with its LF: the
    // last line needs no line end.
    Checked cutAtEnd = Check("CA\tE\tALERT\r\nCA\tF\tQU" + std::string(1, '\0') + "IT\r\n");
    EXPECT_TRUE(Contains(cutAtEnd.report, "the dropped bytes reach the end of the file")) << cutAtEnd.report;
    EXPECT_FALSE(Contains(cutAtEnd.report, "after the last LF")) << cutAtEnd.report;
    // In UTF-8, a correction that only converts reads exactly as the line:
    // it says so, here and after --fix, where the lines shown are the lines counted.
    static SettingFix converted;
    g_fake.ansiCodePage = 0;
    const std::string utf8 = "CA\tE\tEXEC\tC:\\\xe3\x83\x86.exe\r\nca \tF\tEXEC\t\xe3\x83\x86.txt\r\n";
    std::string plain = Check(utf8).report;
    EXPECT_TRUE(Contains(plain, "correction: CA<Tab>E<Tab>EXEC<Tab>C:\\\u30c6.exe (encoding converted)\n")) << plain;
    EXPECT_TRUE(Contains(plain, "correction: CA<Tab>F<Tab>EXEC<Tab>\u30c6.txt\n")) << plain;
    FixSettingText(utf8.data(), (int)utf8.size(), 932, &converted);
    Checked fixedUtf8 = Check(std::string(converted.fixed, converted.fixedLength), 932, &converted);
    EXPECT_EQ(converted.changedLines, 2);
    for (const char *part : {"    1     0  10000  Ctrl+Alt+E             EXEC  \"C:\\\u30c6.exe\"\n"
                             "                    only its encoding was converted; it reads as before\n",
                             "before: ca<Space><Tab>F<Tab>EXEC<Tab>\u30c6.txt\n"
                             "                    after:  CA<Tab>F<Tab>EXEC<Tab>\u30c6.txt\n"})
        EXPECT_TRUE(Contains(fixedUtf8.report, part)) << part << "\n" << fixedUtf8.report;
    std::string emoji = Check("ca\tE\tEXEC\tC:\\\xf0\x9f\x98\x80.exe\n").report;
    EXPECT_TRUE(Contains(emoji, "line 1 holds '\U0001F600' (U+1F600), which code page 932 has no character for")) << emoji;
    EXPECT_FALSE(Contains(emoji, "correction")) << emoji;
}

TEST_F(VornCheck, ExitStatusIsZeroOnlyForACleanFile)
{
    Checked clean = Check("CA\tE\tEXEC\tnotepad.exe\r\n\r\nW\tEND\tQUIT\r\n");
    EXPECT_EQ(clean.summary.bound, 2);
    EXPECT_EQ(CheckExitStatus(&clean.summary), 0) << "a blank line is no fault";

    // Notes alone say what each line binds as written: no fault, said plainly.
    Checked noted = Check("CA\te\tALERT\nCA\t!\tQUIT\nCA\tE\tQUIT\n");
    EXPECT_EQ(noted.summary.noted, 2);
    EXPECT_EQ(noted.summary.warned, 0);
    EXPECT_EQ(CheckExitStatus(&noted.summary), 0) << noted.report;
    EXPECT_TRUE(Contains(noted.report, "0 bound with warnings\nevery line is bound as written.\n")) << noted.report;
    for (const std::string &notClean : {std::string("CA\tE\tEXEC\tnotepad.exe\r\n"), std::string("CA\te\tALERT\nCA\te\tQUIT\n")}) {
        Checked checked = Check(notClean);
        EXPECT_FALSE(Contains(checked.report, "every line is bound")) << checked.report;
    }
    SetReportLanguage(REPORT_JAPANESE);
    std::string japanese = Check("CA\te\tALERT\n").report;
    SetReportLanguage(REPORT_ENGLISH);
    EXPECT_TRUE(Contains(japanese, "メモ: 小文字の「e」は、テンキーの 5 キーを表します。\n")) << japanese;
    EXPECT_TRUE(Contains(japanese, "すべての行が、書かれたとおりに割り当てられます。\n")) << japanese;
    EXPECT_FALSE(Contains(japanese, "警告:")) << japanese;

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
    EXPECT_TRUE(Contains(tooMany.report, "   51     -      -  rejected: only the first 50 lines are read; this line is ignored"));
    EXPECT_EQ(CheckExitStatus(&tooMany.summary), 1);

    ResetFakePlatform();
    g_fake.fileExists = false;
    CheckSummary summary;
    EXPECT_NE(CheckSettingFile(L"missing.vorn", 932, Collect, nullptr, &summary), 0);
}

// The conversions of a printf format, in order: what its arguments must fit.
std::string Conversions(const char *format)
{
    std::string conversions;
    for (const char *p = strchr(format, '%'); p; p = strchr(p + 1, '%')) {
        size_t length = strspn(p + 1, "0123456789-.l") + 1;
        conversions += std::string(p, length + 1) + " ";
        p += length;
    }
    return conversions;
}

TEST(ReportTexts, EveryTextIsInBothLanguagesWithTheSameArguments)
{
    for (int text = 0; text < TEXT_COUNT; ++text) {
        const char *english = ReportTextIn(REPORT_ENGLISH, (ReportText)text);
        const char *japanese = ReportTextIn(REPORT_JAPANESE, (ReportText)text);
        EXPECT_STRNE(english, "") << "text " << text;
        EXPECT_STRNE(japanese, "") << "text " << text;
        EXPECT_STRNE(japanese, english) << "text " << text << " is not translated";
        EXPECT_EQ(Conversions(japanese), Conversions(english)) << "text " << text;
        EXPECT_EQ(japanese[0] == '\n', english[0] == '\n') << "text " << text;
    }
    for (const char *name : {"ja_JP.UTF-8", "ja", "ja_JP.eucJP"})
        EXPECT_EQ(LanguageFromName(name), REPORT_JAPANESE) << name;
    for (const char *name : {"C.UTF-8", "en_US.UTF-8", "", "j", (const char *)nullptr})
        EXPECT_EQ(LanguageFromName(name), REPORT_ENGLISH) << (name ? name : "null");
}

}  // namespace

TEST(ConsoleAnswer, IsYesOnlyForYYesOrHaiInEitherCaseAndWidth)
{
    for (const wchar_t *yes : {L"Y", L"y", L"\xFF39", L"\xFF59", L" yes ", L"YES\r\n", L"\xFF59\xFF45\xFF53",
                               L"\x3000\x306F\x3044"})
        EXPECT_TRUE(SaysYes(yes)) << (const void *)yes;
    for (const wchar_t *no : {L"", L"\r\n", L"n", L"yikes", L"y y", L"ye", L"\x3044\x3044\x3048"})
        EXPECT_FALSE(SaysYes(no)) << (const void *)no;
    // A reading is chosen by its number, as typed in either width; anything else keeps the line.
    const struct {
        const wchar_t *answer;
        int chosen;
    } numbers[] = {{L"1", 1}, {L" 2\r\n", 2}, {L"\xFF13", 3}, {L"4", 0}, {L"0", 0}, {L"", 0}, {L"12", 0}, {L"y", 0}};
    for (const auto &c : numbers)
        EXPECT_EQ(ChosenNumber(c.answer, 3), c.chosen) << (const void *)c.answer;
}

TEST(ConsoleAnswer, IsTheLetterAloneInEitherCaseAndWidth)
{
    for (const wchar_t *a : {L"A", L"a", L"\xFF21", L"\xFF41", L" a\r\n"})
        EXPECT_TRUE(SaysLetter(a, L'A')) << (const void *)a;
    for (const wchar_t *other : {L"", L"\r\n", L"Y", L"aa", L"a b", L"add"})
        EXPECT_FALSE(SaysLetter(other, L'A')) << (const void *)other;
}
