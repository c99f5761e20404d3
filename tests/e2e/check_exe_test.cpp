// vorn-check.exe on Windows: the file's text decoded by the OEM code page,
// and combinations that another program holds.
#include <gtest/gtest.h>

#include <string>

#include "vorn_harness.h"

namespace {

// Runs vorn-check.exe on the file; returns its exit code and standard output.
DWORD RunCheck(const std::wstring &file, std::string *output)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd, writeEnd;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    std::wstring exe = ProgramDirectory() + L"vorn-check.exe";
    std::wstring commandLine = L"\"" + exe + L"\" \"" + file + L"\"";
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process))
        return (DWORD)-1;
    CloseHandle(writeEnd);
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0)
        output->append(buffer, read);
    CloseHandle(readEnd);
    DWORD code = (DWORD)-1;
    if (WaitForSingleObject(process.hProcess, WAIT_MS) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
}

TEST(VornCheckExe, ShowsJapaneseTextAndCombinationsHeldElsewhere)
{
    ASSERT_EQ(GetOEMCP(), 932u) << "run with LANG=ja_JP.UTF-8";
    std::wstring directory = MakeScratchDirectory("check");
    std::wstring file = directory + L"setting.vorn";
    WriteBytes(file, "CA\tJ\tEXEC\tC:\\\x83\x63\x81\x5b\x83\x8b\\\x8b\x4c\x98\x5e.exe\t\x83\x65\x83\x58\x83\x67\r\n"
                     "CA\tH\tALERT\r\n");
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'H'));

    std::string output;
    DWORD code = RunCheck(file, &output);
    UnregisterHotKey(nullptr, 7);
    EXPECT_EQ(code, 1u) << output;
    EXPECT_NE(output.find("EXEC  \"C:\\\u30c4\u30fc\u30eb\\\u8a18\u9332.exe\" \"\u30c6\u30b9\u30c8\""), std::string::npos)
        << output;
    EXPECT_NE(output.find("another program holds Ctrl+Alt+H"), std::string::npos) << output;
    EXPECT_NE(output.find("2 lines: 2 bound, 0 rejected"), std::string::npos) << output;

    output.clear();
    EXPECT_EQ(RunCheck(file + L".missing", &output), 2u) << output;
    RemoveTree(directory);
}

}  // namespace
