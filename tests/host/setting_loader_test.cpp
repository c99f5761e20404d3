#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "fake_platform.h"
#include "settings/setting_loader.h"

namespace {

HWND const WINDOW = (HWND)0x1234;

class SettingLoader : public testing::Test {
protected:
    void SetUp() override { ResetFakePlatform(); }

    int Load(const std::string &contents, int readSize = 99)
    {
        ResetFakePlatform();
        g_fake.fileContents = contents;
        g_fake.readSize = readSize;
        return LoadSettingFile(WINDOW);
    }
};

// What a load leaves behind, for comparing two loads.
struct LoadOutcome {
    int result;
    std::vector<std::string> slots;
    std::vector<std::string> registrations;

    bool operator==(const LoadOutcome &other) const
    {
        return result == other.result && slots == other.slots && registrations == other.registrations;
    }
};

void PrintTo(const LoadOutcome &outcome, std::ostream *out)
{
    *out << "result " << outcome.result << ", slots";
    for (const std::string &slot : outcome.slots)
        *out << " [" << slot << "]";
    *out << ", registrations";
    for (const std::string &registration : outcome.registrations)
        *out << " [" << registration << "]";
}

LoadOutcome Outcome(int result)
{
    LoadOutcome outcome{result, {}, {}};
    for (int i = 0; i < g_bindings.count; ++i) {
        const HotkeyBinding &slot = g_bindings.slots[i];
        outcome.slots.push_back(std::to_string(slot.action) + "|" + slot.target + "|" + slot.parameters);
    }
    for (const RecordedHotkey &hotkey : g_fake.registered) {
        EXPECT_EQ(hotkey.window, WINDOW);
        outcome.registrations.push_back(std::to_string(hotkey.id) + " " + std::to_string(hotkey.modifiers) +
                                        " " + std::to_string(hotkey.keyCode));
    }
    return outcome;
}

TEST_F(SettingLoader, MissingFileFailsWithoutUsingASlot)
{
    g_fake.fileExists = false;
    EXPECT_NE(LoadSettingFile(WINDOW), 0);
    ASSERT_EQ(g_fake.openedNames.size(), 1u);
    EXPECT_EQ(g_fake.openedNames[0], L"setting.vorn");
    EXPECT_EQ(g_bindings.count, 0);
    EXPECT_TRUE(g_fake.registered.empty());
    EXPECT_EQ(g_fake.calls, std::vector<std::string>{"open"});
}

TEST_F(SettingLoader, EmptyFileSucceedsWithNoBindingsAndClosesTheFile)
{
    EXPECT_EQ(Load(""), 0);
    EXPECT_EQ(g_bindings.count, 0);
    EXPECT_TRUE(g_fake.registered.empty());
    EXPECT_EQ(g_fake.openFiles, 0);
    EXPECT_EQ(g_fake.calls.back(), "close");
}

TEST_F(SettingLoader, EveryLineTakesASlotAndOnlyAcceptedOnesAreRegistered)
{
    EXPECT_EQ(Load("CA\tE\tEXEC\tC:\\Tools\\My Editor\\edit.exe\r\n"
                   "\r\n"
                   "note\r\n"
                   "W\tEND\tQUIT\r\n"
                   "C\tE\tALERT\r\n"),  // the same combination again
              0);
    ASSERT_EQ(g_bindings.count, 5);
    EXPECT_EQ(g_bindings.slots[0].action, ACTION_EXEC);
    EXPECT_STREQ(g_bindings.slots[0].target, "C:\\Tools\\My Editor\\edit.exe");
    EXPECT_EQ(g_bindings.slots[1].action, ACTION_NONE);
    EXPECT_EQ(g_bindings.slots[2].action, ACTION_NONE);
    EXPECT_EQ(g_bindings.slots[3].action, ACTION_QUIT);
    EXPECT_EQ(g_bindings.slots[4].action, ACTION_ALERT);
    EXPECT_EQ(Outcome(0).registrations,
              (std::vector<std::string>{"10000 3 69", "10003 8 35", "10004 2 69"}));

    UnregisterBindings(WINDOW);
    std::vector<int> released;
    for (const RecordedHotkey &hotkey : g_fake.unregistered) {
        EXPECT_EQ(hotkey.window, WINDOW);
        released.push_back(hotkey.id);
    }
    EXPECT_EQ(released, (std::vector<int>{10000, 10001, 10002, 10003, 10004}));
}

TEST_F(SettingLoader, CrLfAndLfFilesGiveTheSameTable)
{
    const char *lines[] = {"CA\tE\tEXEC\tC:\\a b\\c.exe\t-x y", "", "\tLEFT\tALERT", "W\tEND\tQUIT"};
    std::string lf, crlf;
    for (const char *line : lines) {
        lf += std::string(line) + "\n";
        crlf += std::string(line) + "\r\n";
    }
    LoadOutcome fromLf = Outcome(Load(lf));
    EXPECT_EQ(fromLf.slots.size(), 4u);
    EXPECT_EQ(Outcome(Load(crlf)), fromLf);
}

TEST_F(SettingLoader, TextAfterTheLastLfIsNotALine)
{
    EXPECT_EQ(Load("C\tE\tQUIT"), 0);
    EXPECT_EQ(g_bindings.count, 0);
    EXPECT_TRUE(g_fake.registered.empty());

    EXPECT_EQ(Load("C\tE\tQUIT\nS\tE\tQUIT\r"), 0);
    EXPECT_EQ(g_bindings.count, 1);
    EXPECT_EQ(g_fake.registered.size(), 1u);

    EXPECT_EQ(Load("C\tE\tQUIT\n" + std::string(1000, 'x')), 0);  // far more than 199 bytes
    EXPECT_EQ(g_bindings.count, 1);
    EXPECT_EQ(g_fake.registered.size(), 1u);
}

TEST_F(SettingLoader, AFailedReadKeepsTheLinesBeforeIt)
{
    ResetFakePlatform();
    g_fake.fileContents = "C\tA\tQUIT\nC\tB\tQUIT\nC\tD\tQUIT\n";
    g_fake.readSize = 6;
    g_fake.failReadNumber = 2;  // two reads deliver the first line and a half of the second
    EXPECT_EQ(LoadSettingFile(WINDOW), 0);
    EXPECT_EQ(g_bindings.count, 1);
    EXPECT_EQ(g_fake.registered.size(), 1u);
    EXPECT_EQ(g_fake.openFiles, 0);
}

// A file that holds every kind of line, including lines near and past the
// length a line may have (199 bytes before the LF).
std::string MixedFile()
{
    std::string file = "CA\tE\tEXEC\tC:\\Tools\\My Editor\\edit.exe\r\n\r\nnote\r\n";
    file += "C\t1\tEXEC\t" + std::string(189, 'a') + "\r\n";  // 199 bytes: fits
    file += "C\t2\tEXEC\t" + std::string(190, 'b') + "\r\n";  // 200 bytes: too long
    file += "C\t3\tEXEC\t" + std::string(400, 'c') + "\n";
    file += "W\tEND\tQUIT\n\tLEFT\tALERT\r\nSC\tN\tEXEC\tnotepad.exe\tmemo.txt\r\n";
    file += std::string(150, 'z') + "\tE\tQUIT\n";  // a long modifier field
    file += "C\tE\tEXEC\tlast\tnot a line";
    return file;
}

TEST_F(SettingLoader, TheTableDoesNotDependOnWhereTheReadsFall)
{
    LoadOutcome expected = Outcome(Load(MixedFile()));
    ASSERT_EQ(expected.slots.size(), 10u);
    EXPECT_EQ(expected.slots[3], "3|" + std::string(189, 'a') + "|");
    EXPECT_EQ(expected.slots[4], "0||");
    EXPECT_EQ(expected.slots[5], "0||");
    EXPECT_EQ(expected.slots[6], "1||");
    EXPECT_EQ(expected.slots[9], "1||");
    EXPECT_EQ(expected.registrations,
              (std::vector<std::string>{"10000 3 69", "10003 2 49", "10006 8 35", "10007 0 37",
                                        "10008 6 78", "10009 0 69"}));
    for (int readSize = 1; readSize <= 99; ++readSize)
        EXPECT_EQ(Outcome(Load(MixedFile(), readSize)), expected) << "reads of " << readSize;
}

TEST_F(SettingLoader, ALineTooLongForTheBufferIsRejectedAndKeepsItsNeighboursInPlace)
{
    std::string file = "C\tA\tQUIT\nC\tB\tEXEC\t" + std::string(300, 'x') + "\nC\tD\tQUIT\n";
    for (int readSize : {1, 7, 99}) {
        Load(file, readSize);
        ASSERT_EQ(g_bindings.count, 3);
        EXPECT_EQ(g_bindings.slots[0].action, ACTION_QUIT);
        EXPECT_EQ(g_bindings.slots[1].action, ACTION_NONE);
        EXPECT_EQ(g_bindings.slots[2].action, ACTION_QUIT);
        EXPECT_EQ(Outcome(0).registrations, (std::vector<std::string>{"10000 2 65", "10002 2 68"}));
    }
}

TEST_F(SettingLoader, LinesPastTheFiftiethAreNeverStoredOrRegistered)
{
    std::string file;
    for (int i = 0; i < 60; ++i)
        file += "C\t" + std::string(1, (char)('0' + i % 10)) + "\tQUIT\r\n";
    EXPECT_EQ(Load(file), 0);
    EXPECT_EQ(g_bindings.count, MAX_BINDINGS);
    ASSERT_EQ(g_fake.registered.size(), (size_t)MAX_BINDINGS);
    EXPECT_EQ(g_fake.registered.back().id, HOTKEY_ID_BASE + MAX_BINDINGS - 1);
    EXPECT_EQ(g_fake.openFiles, 0);
}

TEST_F(SettingLoader, ANulByteEndsTheTextOfIts99BytePieceWhateverTheReads)
{
    // The NUL loses the rest of the file's first 99 bytes, the LF included,
    // so the first line joins the text after that piece.
    std::string first = "C\tA\tQUIT" + std::string(1, '\0') + std::string(80, 'y') + "\n";
    std::string file = first + std::string(99 - first.size(), '-') + "X\n" + "C\tB\tQUIT\n";
    for (int readSize : {99, 1, 5, 50, 98}) {
        ASSERT_EQ(Load(file, readSize), 0);
        EXPECT_EQ(g_bindings.count, 2) << "reads of " << readSize;
        EXPECT_EQ(Outcome(0).registrations, (std::vector<std::string>{"10001 2 66"})) << "reads of " << readSize;
    }
}

TEST_F(SettingLoader, EachReadAsksForNoMoreThanTheRestOfIts99BytePiece)
{
    Load(std::string(250, 'x'), 40);  // short reads of at most 40 bytes
    EXPECT_EQ(g_fake.readRequests, (std::vector<int>{99, 59, 19, 99, 59, 19, 99, 59, 47}));
    EXPECT_EQ(g_fake.readOffset, 250u);

    Load(std::string(250, 'x'));
    EXPECT_EQ(g_fake.readRequests, (std::vector<int>{99, 99, 99, 47}));
}

}  // namespace
