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

    void TearDown() override
    {
        EndVorn(&vorn_);
        RemoveTree(directory_);
    }

    // Writes the settings file byte for byte and starts Vorn on it.
    void Start(const std::string &settings)
    {
        WriteBytes(directory_ + L"setting.vorn", settings);
        ASSERT_TRUE(StartVorn(directory_, &vorn_)) << "CreateProcessW failed: error " << GetLastError();
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
    std::vector<std::string> Launches(size_t count, DWORD milliseconds = WAIT_MS)
    {
        return WaitForLines(recorderFolder_ + L"launched.txt", count, milliseconds);
    }

    // Wine's X11 driver can drop the modifiers of a synthetic key press when
    // it resyncs the keyboard state on a focus change. So a press whose
    // effect does not show is given again, three times at the most; a press
    // that never works still fails.
    template <typename Effect>
    static bool PressUntil(UINT modifiers, UINT key, Effect shown)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            Press(modifiers, key);
            if (shown())
                return true;
        }
        return false;
    }

    // Presses until the recording program has been started count times in all.
    std::vector<std::string> PressForLaunches(UINT modifiers, UINT key, size_t count)
    {
        PressUntil(modifiers, key, [&] { return Launches(count, 3000).size() >= count; });
        return Launches(count, 0);
    }

    // Presses until Vorn has ended; returns its exit code.
    DWORD PressForExit(UINT modifiers, UINT key)
    {
        PressUntil(modifiers, key, [&] { return WaitForExit(&vorn_, 3000) != STILL_ACTIVE; });
        return WaitForExit(&vorn_, 0);
    }

    // Presses until a box titled "Vorn" shows; returns it, or null.
    HWND PressForBox(UINT modifiers, UINT key)
    {
        HWND box = nullptr;
        PressUntil(modifiers, key, [&] { return (box = WaitForBox(vorn_.process.dwProcessId, L"Vorn", 3000)) != nullptr; });
        return box;
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
