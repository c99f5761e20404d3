// The fixture of the end-to-end tests: each test runs Vorn in a scratch
// folder of its own and never leaves it running.
#ifndef VORN_TESTS_VORN_FIXTURE_H
#define VORN_TESTS_VORN_FIXTURE_H

#include <gtest/gtest.h>

#include "vorn_harness.h"

const UINT CTRL_ALT = MOD_CONTROL | MOD_ALT;
const UINT CTRL_SHIFT_ALT = MOD_CONTROL | MOD_SHIFT | MOD_ALT;

class VornEndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        directory_ = MakeScratchDirectory(testing::UnitTest::GetInstance()->current_test_info()->name());
    }

    void TearDown() override { EndVorn(&vorn_); }

    // Writes the settings file byte for byte and starts Vorn on it.
    void Start(const std::string &settings)
    {
        WriteBytes(directory_ + L"setting.vorn", settings);
        ASSERT_TRUE(StartVorn(directory_, &vorn_));
        ASSERT_NE(vorn_.window, nullptr) << "no window of class Vorn";
    }

    // Copies the recording program into a folder whose name has spaces (or
    // the given name) and returns its path in the code page the settings
    // file is written in.
    std::string InstallRecorder(const std::wstring &folderName = L"My Tools",
                                const std::wstring &fileName = L"record args.exe", UINT codePage = CP_ACP)
    {
        recorderFolder_ = directory_ + folderName + L"\\";
        CreateDirectoryW(recorderFolder_.c_str(), nullptr);
        std::wstring path = recorderFolder_ + fileName;
        CopyFileW((ProgramDirectory() + L"record_args.exe").c_str(), path.c_str(), FALSE);
        return Encode(path, codePage);
    }

    // The command lines the recording program was started with, once count have arrived.
    std::vector<std::string> Launches(size_t count)
    {
        return WaitForLines(recorderFolder_ + L"launched.txt", count);
    }

    static std::string Encode(const std::wstring &text, UINT codePage)
    {
        char bytes[1024] = "";
        WideCharToMultiByte(codePage, 0, text.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
        return bytes;
    }

    // Checks that Vorn ended with 0 and left none of the combinations held.
    void ExpectCleanEnd(DWORD exitCode, std::initializer_list<std::pair<UINT, UINT>> combinations)
    {
        EXPECT_EQ(exitCode, 0u);
        for (const auto &combination : combinations)
            EXPECT_FALSE(IsHeld(combination.first, combination.second))
                << "still held after the end: " << combination.first << "+" << combination.second;
    }

    std::wstring directory_;
    std::wstring recorderFolder_;
    VornProcess vorn_;
};

#endif
