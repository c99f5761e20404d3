// vorn-check.exe on Windows: a Japanese report on a Japanese system, the
// file's text decoded by the OEM code page, combinations held by another
// program or by a running Vorn, targets the shell would not find, a console
// that stays open only when its own and keeps its code page, and a report
// redirected in the code page the console's own tools read.
#include <functional>
#include <string>
#include <vector>

#include "vorn_fixture.h"

namespace {

// How vorn-check.exe is started. By default as a program that reads its
// report starts it: its standard output and error on one pipe.
struct Start {
    DWORD flags = 0;                // CREATE_NEW_CONSOLE, as a double-click gives it, or CREATE_NO_WINDOW
    bool ownConsole = false;        // standard output on the console it starts with
    bool hidden = false;            // asked to start hidden, as a scheduled task or Start-Process -WindowStyle Hidden
    HANDLE screen = nullptr;        // or a console screen of the test's own
    std::string typed = "\r\n";     // its standard input: one Enter
    std::string *errors = nullptr;  // standard error apart from the output
    // What the test does while the check runs, given the check's process,
    // the output's pipe and what has been read from it so far.
    std::function<void(HANDLE process, HANDLE output, std::string *text)> meanwhile;
};

// What is in the pipe now, without waiting for more: a console the check
// started may hold the pipe's other end after the check has ended.
void Drain(HANDLE pipe, std::string *text)
{
    char buffer[4096];
    DWORD available = 0, read = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0 &&
           ReadFile(pipe, buffer, sizeof buffer < available ? sizeof buffer : available, &read, nullptr) && read > 0)
        text->append(buffer, read);
}

// Runs vorn-check.exe with the options on the file; returns its exit code
// and what it printed. Its standard input is a pipe holding what is typed,
// so waited tells whether it read all of it, as a check waiting to close does.
DWORD RunCheck(const std::wstring &file, std::string *output, const std::wstring &options = L"--lang en",
               const Start &start = Start(), bool *waited = nullptr)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd, writeEnd, inputRead, inputWrite, errorRead = nullptr, errorWrite = nullptr;
    // Room for all a check writes, which is read once it has ended.
    const DWORD PIPE_SIZE = 1 << 16;
    CreatePipe(&readEnd, &writeEnd, &inherit, PIPE_SIZE);
    CreatePipe(&inputRead, &inputWrite, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(inputWrite, HANDLE_FLAG_INHERIT, 0);
    if (start.errors) {
        CreatePipe(&errorRead, &errorWrite, &inherit, PIPE_SIZE);
        SetHandleInformation(errorRead, HANDLE_FLAG_INHERIT, 0);
    }
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | (start.hidden ? STARTF_USESHOWWINDOW : 0);
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = inputRead;
    startup.hStdOutput = start.screen ? start.screen : start.ownConsole ? nullptr : writeEnd;
    startup.hStdError = start.errors ? errorWrite : writeEnd;
    std::wstring exe = ProgramDirectory() + L"vorn-check.exe";
    std::wstring commandLine = L"\"" + exe + L"\" " + options + L" \"" + file + L"\"";
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, TRUE, start.flags, nullptr, nullptr,
                        &startup, &process))
        return (DWORD)-1;
    CloseHandle(writeEnd);
    if (errorWrite)
        CloseHandle(errorWrite);
    DWORD written = 0;
    WriteFile(inputWrite, start.typed.data(), (DWORD)start.typed.size(), &written, nullptr);
    if (start.meanwhile)
        start.meanwhile(process.hProcess, readEnd, output);
    DWORD code = (DWORD)-1;
    if (WaitForSingleObject(process.hProcess, WAIT_MS) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, WAIT_MS);
    Drain(readEnd, output);
    if (errorRead)
        Drain(errorRead, start.errors);
    DWORD unread = 0;
    PeekNamedPipe(inputRead, nullptr, 0, nullptr, &unread, nullptr);
    if (waited)
        *waited = unread == 0;
    CloseHandle(inputRead);
    CloseHandle(readEnd);
    CloseHandle(inputWrite);
    if (errorRead)
        CloseHandle(errorRead);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
}

bool Contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

// Reads the check's output until part has appeared count times in all.
bool WaitForOutput(HANDLE pipe, std::string *text, const std::string &part, size_t count = 1)
{
    for (DWORD waited = 0;; waited += 20) {
        Drain(pipe, text);
        size_t found = 0;
        for (size_t at = text->find(part); at != std::string::npos; at = text->find(part, at + 1))
            ++found;
        if (found >= count)
            return true;
        if (waited >= WAIT_MS)
            return false;
        Sleep(20);
    }
}

// Redirected output as a reader taking it in the code page sees it, in UTF-8.
std::string Decode(const std::string &bytes, UINT codePage)
{
    std::wstring wide(bytes.size(), L'\0');
    wide.resize(MultiByteToWideChar(codePage, 0, bytes.data(), (int)bytes.size(), &wide[0], (int)wide.size()));
    std::string text(wide.size() * 3, '\0');
    text.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), (int)wide.size(), &text[0], (int)text.size(), nullptr,
                                    nullptr));
    return text;
}

// A Japanese Windows gets the report in Japanese, the file's text decoded
// from its OEM code page.
TEST(VornCheckExe, ReportsInJapaneseOnAJapaneseSystemWithCombinationsHeldElsewhere)
{
    ASSERT_EQ(GetOEMCP(), 932u) << "run with LANG=ja_JP.UTF-8";
    ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_JAPANESE) << "run with LANG=ja_JP.UTF-8";
    std::wstring directory = MakeScratchDirectory("check");
    std::wstring file = directory + L"setting.vorn";
    WriteBytes(file, "CA\tJ\tEXEC\tC:\\\x83\x63\x81\x5b\x83\x8b\\\x8b\x4c\x98\x5e.exe\t\x83\x65\x83\x58\x83\x67\r\n"
                     "CA\tH\tALERT\r\n");
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'H'));

    std::string output;
    bool waited = true;
    EXPECT_EQ(RunCheck(file, &output, L"", Start(), &waited), 1u) << output;
    EXPECT_FALSE(waited) << "it waited in a console shared with its parent";
    // Through a pipe, with no console, the report is in the OEM code page.
    output = Decode(output, 932);
    for (const char *part : {"   \u884c  \u756a\u53f7  ID     \u5272\u308a\u5f53\u3066",
                             "EXEC  \"C:\\\u30c4\u30fc\u30eb\\\u8a18\u9332.exe\" \"\u30c6\u30b9\u30c8\"",
                             "\u8b66\u544a: Ctrl+Alt+H \u306f\u307b\u304b\u306e\u30d7\u30ed\u30b0\u30e9\u30e0\u304c\u4f7f\u7528\u3057\u3066\u3044\u307e\u3059",
                             "2 \u884c (\u5272\u308a\u5f53\u3066 2\u3001\u30a8\u30e9\u30fc 0"})
        EXPECT_TRUE(Contains(output, part)) << part << "\n" << output;

    // --lang overrides the system's language; the file's text is the same.
    output.clear();
    EXPECT_EQ(RunCheck(file, &output), 1u) << output;
    output = Decode(output, 932);
    UnregisterHotKey(nullptr, 7);
    EXPECT_TRUE(Contains(output, "another program holds Ctrl+Alt+H")) << output;
    EXPECT_TRUE(Contains(output, "read in code page 932 (the system's OEM code page)")) << output;
    EXPECT_TRUE(Contains(output, "EXEC  \"C:\\\u30c4\u30fc\u30eb\\\u8a18\u9332.exe\"")) << output;

    // Double-clicked, it writes to a console of its own and keeps it open
    // until Enter, also for the message that it checks one file at a time
    // when two are dropped on it. Started by a program that reads its
    // report, started hidden, or with a console that has no window, it never
    // waits for an Enter nobody can press.
    Start doubleClick;
    doubleClick.flags = CREATE_NEW_CONSOLE;
    doubleClick.ownConsole = true;
    EXPECT_EQ(RunCheck(file, &output, L"--lang en", doubleClick, &waited), 1u);
    EXPECT_TRUE(waited) << "double-clicked, it closed at once";
    EXPECT_EQ(RunCheck(file, &output, L"--lang en \"" + file + L"\"", doubleClick, &waited), 2u);
    EXPECT_TRUE(waited) << "two files dropped on it, it closed at once";
    Start hidden = doubleClick, windowless = doubleClick, reading;
    hidden.hidden = true;
    windowless.flags = reading.flags = CREATE_NO_WINDOW;
    for (const Start &start : {hidden, windowless, reading}) {
        output.clear();
        EXPECT_EQ(RunCheck(file, &output, L"--lang en", start, &waited), 1u) << output;
        EXPECT_FALSE(waited) << "it waited for an Enter that nobody can press: " << start.flags;
        EXPECT_FALSE(Contains(output, "Enter")) << output;
    }

    // Double-clicked on a file with a mistake, it offers the correction:
    // Enter alone changes nothing, Y as the IME types it in full width
    // corrects the file and keeps the original.
    std::wstring mistaken = directory + L"mistaken.vorn";
    const std::string smallLetters = "ca\tJ\tALERT\r\n";
    WriteBytes(mistaken, smallLetters);
    EXPECT_EQ(RunCheck(mistaken, &output, L"--lang en", doubleClick, &waited), 1u);
    EXPECT_TRUE(waited);
    EXPECT_EQ(ReadBytes(mistaken), smallLetters);
    EXPECT_EQ(GetFileAttributesW((mistaken + L".bak").c_str()), INVALID_FILE_ATTRIBUTES);
    doubleClick.typed = "\x82\x78\r\n\r\n";
    EXPECT_EQ(RunCheck(mistaken, &output, L"--lang en", doubleClick, &waited), 0u);
    EXPECT_TRUE(waited);
    EXPECT_EQ(ReadBytes(mistaken), "CA\tJ\tALERT\r\n");
    EXPECT_EQ(ReadBytes(mistaken + L".bak"), smallLetters);

    // Keys by their names, written as characters by --fix: the report after
    // it notes the key each binds and offers no other; checked again, notes
    // alone leave the file clean, and a sign's key is named on the user's
    // own layout in Japanese.
    ASSERT_EQ(LOWORD((ULONG_PTR)GetKeyboardLayout(0)), 0x0411) << "run with LANG=ja_JP.UTF-8";
    std::wstring named = directory + L"named.vorn";
    WriteBytes(named, "CA\tHOME\tALERT\r\nCA\tF5\tALERT\r\n");
    output.clear();
    EXPECT_EQ(RunCheck(named, &output, L"--fix"), 0u) << output;
    output = Decode(output, 932);
    EXPECT_EQ(ReadBytes(named), "CA\t$\tALERT\r\nCA\tt\tALERT\r\n");
    EXPECT_TRUE(Contains(output, "\u30e1\u30e2: \u6587\u5b57\u300c$\u300d\u306f\u3001Home \u30ad\u30fc\u3092\u8868\u3057\u307e\u3059\u3002"))
        << output;
    EXPECT_FALSE(Contains(output, "\u5834\u5408\u306f")) << "another key offered after --fix:\n" << output;
    output.clear();
    EXPECT_EQ(RunCheck(named, &output, L""), 0u) << output;
    output = Decode(output, 932);
    for (const char *part : {"\u65e5\u672c\u8a9e (\u65e5\u672c) \u7528\u306e\u30ad\u30fc\u30dc\u30fc\u30c9 \u30ec\u30a4\u30a2\u30a6\u30c8\u3067\u306f\u3001\u300c$\u300d\u306f Shift+4 \u3067\u5165\u529b\u3057\u307e\u3059",
                             "\u3059\u3079\u3066\u306e\u884c\u304c\u3001\u66f8\u304b\u308c\u305f\u3068\u304a\u308a\u306b\u5272\u308a\u5f53\u3066\u3089\u308c\u307e\u3059\u3002"})
        EXPECT_TRUE(Contains(output, part)) << part << "\n" << output;
    EXPECT_FALSE(Contains(output, "\u8b66\u544a:")) << output;
    // Double-clicked on a small letter and a sign as keys, it asks about
    // each line: Y writes the letter's key, Enter keeps the sign, and the
    // one answered line is written with a single backup.
    std::wstring asked = directory + L"asked.vorn";
    const std::string keyCharacters = "CA\tj\tALERT\r\nCA\t$\tALERT\r\n";
    WriteBytes(asked, keyCharacters);
    doubleClick.typed = "y\r\n\r\n\r\n";
    RunCheck(asked, &output, L"--lang en", doubleClick, &waited);
    EXPECT_TRUE(waited) << "it did not ask about both lines";
    EXPECT_EQ(ReadBytes(asked), "CA\tJ\tALERT\r\nCA\t$\tALERT\r\n");
    EXPECT_EQ(ReadBytes(asked + L".bak"), keyCharacters);
    EXPECT_EQ(GetFileAttributesW((asked + L".2.bak").c_str()), INVALID_FILE_ATTRIBUTES);

    // Double-clicked where only a name with .txt added stands, it offers to
    // rename that file, and then checks it.
    std::wstring nearFolder = directory + L"near\\";
    CreateDirectoryW(nearFolder.c_str(), nullptr);
    WriteBytes(nearFolder + L"setting.vorn.txt", "CA\tJ\tALERT\r\n");
    doubleClick.typed = "y\r\n\r\n";
    EXPECT_EQ(RunCheck(nearFolder + L"setting.vorn", &output, L"--lang en", doubleClick, &waited), 0u);
    EXPECT_TRUE(waited);
    EXPECT_EQ(ReadBytes(nearFolder + L"setting.vorn"), "CA\tJ\tALERT\r\n");
    EXPECT_EQ(GetFileAttributesW((nearFolder + L"setting.vorn.txt").c_str()), INVALID_FILE_ATTRIBUTES);

    // What it cannot open or read from its command line ends it with 2,
    // said in full; no argument is read past its end.
    output.clear();
    EXPECT_EQ(RunCheck(file + L".missing", &output), 2u) << output;
    HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    output.clear();
    EXPECT_EQ(RunCheck(file, &output), 2u) << output;
    CloseHandle(held);
    EXPECT_TRUE(Contains(output, "another program is using the file and lets no other program read it")) << output;
    output.clear();
    EXPECT_EQ(RunCheck(file, &output, std::wstring(1100, L'a') + L" --lang en"), 2u) << output;
    EXPECT_EQ(Decode(output, 932), "vorn-check: 1 番目の引数が長すぎます。"
                                   "1023 バイト以内で指定してください。\r\n");
    output.clear();
    std::wstring many;
    for (int i = 0; i < 16; ++i)
        many += L"--lang en ";
    EXPECT_EQ(RunCheck(file, &output, many), 2u) << output;
    EXPECT_TRUE(Contains(Decode(output, 932), "指定できる引数は 15 個までです")) << output;
    RemoveTree(directory);
}

// Run from a command prompt, vorn-check writes to the prompt's console and
// leaves its code page as it found it, so what runs next prints as before.
// Redirected from there, to a file or through "| more", its report is in
// that code page, so it reads the same as in the console.
TEST(VornCheckExe, KeepsTheConsoleCodePageAndRedirectsInIt)
{
    // A console of the test's own, as a command prompt's window; Wine gives a
    // program started from a pipe a hidden one, let go of first. The process
    // keeps no console it can share after this, so the test runs alone in it.
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    ASSERT_TRUE(SetConsoleOutputCP(932));
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE screen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                &inherit, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(screen, INVALID_HANDLE_VALUE);
    // Wide enough that no line of the report wraps.
    const SHORT WIDTH = 200;
    ASSERT_TRUE(SetConsoleScreenBufferSize(screen, {WIDTH, 100}));
    std::wstring directory = MakeScratchDirectory("console");
    WriteBytes(directory + L"setting.vorn", "CA\tE\tEXEC\tnotepad.exe\t\x83\x65\x83\x58\x83\x67.txt\r\n");

    std::string output;
    Start prompt;
    prompt.screen = screen;
    EXPECT_EQ(RunCheck(directory + L"setting.vorn", &output, L"--lang ja", prompt), 0u) << output;
    EXPECT_EQ(GetConsoleOutputCP(), 932u);
    // The report reached the console as written, Japanese and all.
    std::vector<std::wstring> shown;
    for (SHORT row = 0; row < 4; ++row) {
        wchar_t line[WIDTH];
        DWORD read = 0;
        ReadConsoleOutputCharacterW(screen, line, WIDTH, {0, row}, &read);
        std::wstring text(line, read);
        shown.push_back(text.erase(text.find_last_not_of(L' ') + 1));
    }
    EXPECT_EQ(shown[0], L"   \u884c  \u756a\u53f7  ID     \u5272\u308a\u5f53\u3066");
    EXPECT_NE(shown[1].find(L"\"\u30c6\u30b9\u30c8.txt\""), std::wstring::npos) << shown[1];

    // The same report through a pipe: CRLF lines of code page 932 bytes that
    // decode to exactly what the console shows.
    output.clear();
    EXPECT_EQ(RunCheck(directory + L"setting.vorn", &output, L"--lang ja"), 0u) << output;
    EXPECT_EQ(output.find("\n"), output.find("\r\n") + 1) << output;
    std::wstring redirected;
    for (const std::wstring &line : shown)
        redirected += line + L"\r\n";
    EXPECT_EQ(output, Encode(redirected, 932));
    CloseHandle(screen);
    FreeConsole();

    RemoveTree(directory);
}

// Where the ANSI and OEM code pages differ (1252 and 437 under C.UTF-8),
// the report names and decodes by the OEM code page, the one Vorn reads,
// warns of text beyond ASCII and, with no console, is written in the OEM code
// page too, a character it lacks as its default character. Under a Japanese
// locale both are 932, and text beyond ASCII is read as saved.
TEST(VornCheckExe, NamesAndDecodesByTheOemCodePage)
{
    const struct {
        UINT oemCodePage;
        const char *settings;
        DWORD status;
        const char *parts[3];
    } cases[] = {
        {932, "CA\tE\tEXEC\tnotepad.exe\t\x83\x65\x83\x58\x83\x67.txt\r\n", 0,
         {"EXEC  \"notepad.exe\" \"\u30c6\u30b9\u30c8.txt\"", "read in code page 932 (the system's OEM code page)",
          "0 rejected, 0 blank; 0 bound with warnings"}},
        {437, "CA\tE\tEXEC\tnotepad.exe\tcaf\x82.txt\r\n", 1,
         {"EXEC  \"notepad.exe\" \"caf\u00e9.txt\"", "read in code page 437 (the system's OEM code page)",
          "the target or parameters go beyond ASCII: Vorn reads code page 437, and ANSI (code page 1252)"}},
    };
    UINT oem = GetOEMCP();
    ASSERT_TRUE(oem == 932 || oem == 437) << "run with LANG=ja_JP.UTF-8 or LANG=C.UTF-8";
    std::wstring directory = MakeScratchDirectory("oem");
    std::wstring file = directory + L"setting.vorn";
    for (const auto &c : cases) {
        if (c.oemCodePage != oem)
            continue;
        WriteBytes(file, c.settings);
        std::string output;
        EXPECT_EQ(RunCheck(file, &output), c.status) << output;
        output = Decode(output, oem);
        for (const char *part : c.parts)
            EXPECT_TRUE(Contains(output, part)) << part << "\n" << output;
    }
    if (oem == 437) {
        // Asked for, Japanese is what the page can show of it; unasked, a
        // Japanese display language gets English here, as check_ja_on_437 runs it.
        std::string output;
        RunCheck(file, &output, L"--lang ja");
        EXPECT_EQ(output.substr(0, output.find('\r')), "   ?  ??  ID     ????");
        const char *messages = getenv("LC_MESSAGES");
        if (messages && strncmp(messages, "ja", 2) == 0) {
            ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_JAPANESE) << "no Japanese display language";
        }
        output.clear();
        RunCheck(file, &output, L"");
        EXPECT_EQ(output.substr(0, output.find('\r')), " line  slot  id     binding");
        // The report on a console of its own and its errors redirected: the
        // errors come in a language their code page shows.
        std::string errors;
        Start console;
        console.flags = CREATE_NEW_CONSOLE;
        console.ownConsole = true;
        console.errors = &errors;
        EXPECT_EQ(RunCheck(file + L".missing", &output, L"", console), 2u);
        EXPECT_EQ(errors.substr(0, 23), "vorn-check: cannot open") << errors;
        EXPECT_EQ(errors.find('?'), std::string::npos) << errors;
    }
    // A control byte of the file reaches the report as an escape, never raw,
    // so no escape sequence of a terminal runs.
    WriteBytes(file, "CA\tE\tEXEC\tnotepad.exe\t\x1b]0;title\x07\r\n");
    std::string output;
    RunCheck(file, &output);
    EXPECT_TRUE(Contains(output, "\"\\x1B]0;title\\x07\"")) << output;
    EXPECT_EQ(output.find('\x1b'), std::string::npos) << output;
    RemoveTree(directory);
}

// The file's identity: which file a name stands for, not what it holds.
ULONGLONG FileId(const std::wstring &path)
{
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    BY_HANDLE_FILE_INFORMATION information = {};
    GetFileInformationByHandle(file, &information);
    CloseHandle(file);
    return (ULONGLONG)information.nFileIndexHigh << 32 | information.nFileIndexLow;
}

// --fix puts a new file in the file's place, never rewriting it in place,
// and keeps the original under the first backup name that is free; a
// temporary file an earlier run left is named, not deleted; a read-only
// file is refused.
TEST(VornCheckExe, FixReplacesTheFileAndKeepsEveryBackup)
{
    std::wstring directory = MakeScratchDirectory("replace");
    std::wstring file = directory + L"setting.vorn";
    const std::string smallLetters = "ca\tJ\tALERT\r\n";
    WriteBytes(file, smallLetters);
    WriteBytes(file + L".bak", "the user's own");
    WriteBytes(directory + L"vrn1A2B.tmp", "left");
    ULONGLONG before = FileId(file);
    std::string output;
    EXPECT_EQ(RunCheck(file, &output, L"--fix --lang en"), 0u) << output;
    EXPECT_EQ(ReadBytes(file), "CA\tJ\tALERT\r\n");
    EXPECT_NE(FileId(file), before) << "the file was written in place";
    EXPECT_EQ(ReadBytes(file + L".bak"), "the user's own");
    EXPECT_EQ(ReadBytes(file + L".2.bak"), smallLetters);
    EXPECT_TRUE(Contains(output, "setting.vorn.2.bak")) << output;
    EXPECT_TRUE(Contains(output, "vrn1A2B.tmp was left by a vorn-check that did not finish")) << output;
    EXPECT_EQ(ReadBytes(directory + L"vrn1A2B.tmp"), "left");

    std::wstring readOnly = directory + L"read-only.vorn";
    WriteBytes(readOnly, smallLetters);
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    output.clear();
    EXPECT_EQ(RunCheck(readOnly, &output, L"--fix --lang en"), 2u) << output;
    EXPECT_TRUE(Contains(output, "(the file is read-only)")) << output;
    EXPECT_TRUE(Contains(output, "correction: CA<Tab>J<Tab>ALERT")) << "the corrections were lost:\n" << output;
    EXPECT_EQ(ReadBytes(readOnly), smallLetters);
    EXPECT_EQ(GetFileAttributesW((readOnly + L".bak").c_str()), INVALID_FILE_ATTRIBUTES);
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveTree(directory);
}

// Lines that --add writes, into a new file and then after its last line,
// are ones Vorn binds as asked; while Vorn runs, the next one says to restart it.
TEST_F(VornEndToEnd, LinesAddedByVornCheckFireInVorn)
{
    InstallRecorder();
    std::wstring recorder = recorderFolder_ + L"record args.exe", file = directory_ + L"setting.vorn";
    std::string output;
    EXPECT_EQ(RunCheck(file, &output, L"--lang en --add Ctrl+Shift+F5 EXEC \"" + recorder + L"\" \"a b\" --file"), 0u)
        << output;
    EXPECT_TRUE(Contains(output, "setting.vorn created, with Ctrl+Shift+F5 as line 1")) << output;
    output.clear();
    EXPECT_EQ(RunCheck(file, &output, L"--lang en --add ctrl+alt+home quit --file"), 0u) << output;
    EXPECT_TRUE(Contains(output, "the original is kept as")) << output;
    std::string path = Encode(recorder, CP_OEMCP);
    EXPECT_EQ(ReadBytes(file), "CS\tt\tEXEC\t" + path + "\ta b\r\nCA\t$\tQUIT\r\n");

    ASSERT_TRUE(StartVorn(directory_, &vorn_)) << "CreateProcessW failed: error " << GetLastError();
    output.clear();
    EXPECT_EQ(RunCheck(file, &output, L"--lang en --add Ctrl+Alt+M ALERT --file"), 0u) << output;
    EXPECT_TRUE(Contains(output, "The new hotkey works once Vorn is restarted")) << output;
    std::vector<std::string> lines = PressForLaunches(MOD_CONTROL | MOD_SHIFT, VK_F5, 1);
    ASSERT_EQ(lines.size(), 1u) << "Ctrl+Shift+F5 launched nothing";
    EXPECT_EQ(lines[0], "\"" + Encode(recorder, CP_UTF8) + "\" \"a b\"");
    ExpectCleanEnd(PressForExit(CTRL_ALT, VK_HOME), {{MOD_CONTROL | MOD_SHIFT, VK_F5}, {CTRL_ALT, VK_HOME}});
}

TEST_F(VornEndToEnd, VornCheckSaysARunningVornMayHoldTheCombinations)
{
    Start("CA\tE\tALERT\r\n");
    std::string output;
    EXPECT_EQ(RunCheck(directory_ + L"setting.vorn", &output), 1u) << output;
    EXPECT_TRUE(Contains(output, "Ctrl+Alt+E is held, and Vorn is running: it may be the holder")) << output;
    EXPECT_FALSE(Contains(output, "another program holds")) << output;
}

TEST_F(VornEndToEnd, VornCheckWarnsOfTargetsTheShellWouldNotFind)
{
    std::string recorder = InstallRecorder();
    WriteBytes(directory_ + L"setting.vorn",
               "CA\tA\tEXEC\t" + recorder + "\n"                // an existing program
               "CA\tB\tEXEC\tC:\\no\\such\\program.exe\n"    // a missing path
               "CA\tC\tEXEC\tC:\\windows\n"                     // a folder
               "CA\tD\tEXEC\thttps://www.example.org/\n"         // an address with a registered scheme
               "CA\tE\tEXEC\tnotepad.exe\tmemo.txt\n"           // a program on the search path
               "CA\tF\tEXEC\tMy Tools\\record args.exe\n"       // relative to the settings file's folder
               "CA\tG\tEXEC\tnosuchscheme:thing\n"                // an address nobody handles
               "CA\tH\tEXEC\t%WINDIR%\\gone.exe\n");           // not judged
    std::string output;
    EXPECT_EQ(RunCheck(directory_ + L"setting.vorn", &output), 1u) << output;
    // A warning belongs to the verdict line above it, which starts with the line's number.
    std::vector<int> warned;
    int line = 0;
    for (size_t start = 0, end; (end = output.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string text = output.substr(start, end - start);
        if (text.size() > 5 && text.compare(0, 4, "    ") == 0 && text[4] >= '1' && text[4] <= '9')
            line = text[4] - '0';
        else if (Contains(text, "warning: the shell finds no file"))
            warned.push_back(line);
    }
    EXPECT_EQ(warned, (std::vector<int>{2, 7})) << output;
}

// Adding a hotkey at a console: the combination pressed into the hook that
// the prompt stands for, a held one refused with a new try, the target
// dropped on the window as the console pastes it, a Y; then Vorn started in
// that folder fires it. Esc leaves no file.
TEST_F(VornEndToEnd, VornCheckAddsTheCombinationPressedAndVornFiresIt)
{
    std::string recorder = InstallRecorder();
    std::wstring file = directory_ + L"setting.vorn";
    const std::string prompt = "Press the key combination to assign (Esc: cancel)";
    struct Start console;  // the fixture has a Start of its own
    console.flags = CREATE_NEW_CONSOLE;
    // In Japanese, through the pipe in the console's code page.
    console.meanwhile = [&](HANDLE, HANDLE output, std::string *text) {
        ASSERT_TRUE(WaitForOutput(output, text, Encode(L"\u5272\u308a\u5f53\u3066\u308b\u30ad\u30fc\u306e"
                                                       L"\u7d44\u307f\u5408\u308f\u305b\u3092\u62bc\u3057\u3066"
                                                       L"\u304f\u3060\u3055\u3044 (Esc: \u4e2d\u6b62)",
                                                       932)))
            << *text;
        Press(0, VK_ESCAPE);
    };
    std::string output;
    EXPECT_EQ(RunCheck(file, &output, L"--lang ja --add", console), 1u) << output;
    EXPECT_TRUE(Contains(Decode(output, 932), "\u4e2d\u6b62\u3057\u307e\u3057\u305f")) << output;
    EXPECT_EQ(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);

    // Double-clicked with no setting.vorn, it offers to add a hotkey and
    // create the file; after a clean report, to add one (A). Its questions
    // are on its own console: Esc is pressed until the capture takes it.
    struct Start doubleClick;
    doubleClick.flags = CREATE_NEW_CONSOLE;
    doubleClick.ownConsole = true;
    bool waited = false;
    EXPECT_EQ(RunCheck(file, &output, L"--lang en", doubleClick, &waited), 2u);
    EXPECT_TRUE(waited) << "the offer was not asked";
    doubleClick.typed = "y\r\n\r\n";
    doubleClick.meanwhile = [](HANDLE process, HANDLE, std::string *) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            Press(0, VK_ESCAPE);
            if (WaitForSingleObject(process, 100) == WAIT_OBJECT_0)
                break;
        }
    };
    EXPECT_EQ(RunCheck(file, &output, L"--lang en", doubleClick, &waited), 1u) << "no capture to cancel";
    EXPECT_TRUE(waited);
    EXPECT_EQ(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);

    ASSERT_TRUE(RegisterHotKey(nullptr, 7, CTRL_ALT, 'H'));
    // Enter alone at the question whether to take N without a modifier.
    console.typed = "\r\n\"" + recorder + "\"\r\nmemo one\r\ny\r\n";
    console.meanwhile = [&](HANDLE, HANDLE output, std::string *text) {
        ASSERT_TRUE(WaitForOutput(output, text, prompt)) << *text;
        Press(CTRL_ALT, 'H');
        ASSERT_TRUE(WaitForOutput(output, text, prompt, 2)) << *text;
        Press(0, 'N');
        ASSERT_TRUE(WaitForOutput(output, text, prompt, 3)) << *text;
        Press(CTRL_ALT, 'N');
    };
    output.clear();
    EXPECT_EQ(RunCheck(file, &output, L"--lang en --add", console), 0u) << output;
    // The hook took the press before its holder could.
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_HOTKEY, WM_HOTKEY, PM_REMOVE)) << "the hook let Ctrl+Alt+H through";
    UnregisterHotKey(nullptr, 7);
    for (const char *part : {"Ctrl+Alt+H cannot be added: another program holds it", "Press another combination.",
                             "warning: without a modifier key, Vorn takes the key from every program",
                             "Ctrl+Alt+N: the line begins with the modifiers \"CA\" and the key \"N\"",
                             "The target was found.", "setting.vorn created, with Ctrl+Alt+N as line 1"})
        EXPECT_TRUE(Contains(output, part)) << part << "\n" << output;
    EXPECT_EQ(ReadBytes(file), "CA\tN\tEXEC\t" + recorder + "\tmemo one\r\n");
    // A full-width a, as the IME types it, in the console's code page.
    doubleClick.typed = Encode(L"\xFF41\r\n\r\n", GetOEMCP());
    EXPECT_EQ(RunCheck(file, &output, L"--lang en", doubleClick, &waited), 1u) << "no hotkey to add was offered";
    EXPECT_TRUE(waited);
    doubleClick.typed = "\r\n";
    doubleClick.meanwhile = nullptr;
    EXPECT_EQ(RunCheck(file, &output, L"--lang en", doubleClick, &waited), 0u) << "Enter alone did not close it";

    ASSERT_TRUE(StartVorn(directory_, &vorn_));
    std::vector<std::string> launches = PressForLaunches(CTRL_ALT, 'N', 1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_TRUE(Contains(launches[0], "memo one")) << launches[0];
}

}  // namespace
