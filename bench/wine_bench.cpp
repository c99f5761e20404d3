// Start-up, hotkey-to-launch, idle CPU and memory of the real Vorn.exe, each
// measured beside a floor taken in the same run: a minimal program of ours
// for start-up and memory, a direct ShellExecuteW for the launch.
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "vorn_harness.h"

namespace {

const int RUNS = 9;
const UINT CTRL_ALT = MOD_CONTROL | MOD_ALT;
const UINT CTRL_SHIFT = MOD_CONTROL | MOD_SHIFT;

double Now()
{
    static LARGE_INTEGER frequency = {};
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Fifty distinct combinations, all bound; the last line's is the one to wait for.
std::string FiftyLines(const std::string &recorder)
{
    std::string file;
    for (int i = 0; i < 49; ++i)
        file += std::string(i < 26 ? "CS" : "CSW") + "\t" + (char)('A' + i % 26) + "\tALERT\r\n";
    return file + "CA\tL\tEXEC\t" + recorder + "\r\n";
}

// Milliseconds from CreateProcess until the combination is held, or -1.
double TimeUntilHeld(const std::wstring &exe, const std::wstring &directory, UINT modifiers, UINT key,
                     PROCESS_INFORMATION *process)
{
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    double start = Now();
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                        &startup, process))
        return -1;
    while (Now() - start < WAIT_MS) {
        if (IsHeld(modifiers, key))
            return Now() - start;
        Sleep(1);
    }
    return -1;
}

HWND MainWindowOf(DWORD processId, const wchar_t *className)
{
    for (int i = 0; i < 500; ++i) {
        HWND window = FindWindowW(className, nullptr);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (window && owner == processId)
            return window;
        Sleep(10);
    }
    return nullptr;
}

void Close(PROCESS_INFORMATION *process, const wchar_t *className)
{
    PostMessageW(MainWindowOf(process->dwProcessId, className), WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process->hProcess, WAIT_MS) != WAIT_OBJECT_0)
        TerminateProcess(process->hProcess, 99);
    CloseHandle(process->hProcess);
    CloseHandle(process->hThread);
}

double TimeUntilFile(const std::wstring &path, double start)
{
    while (Now() - start < WAIT_MS) {
        if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            return Now() - start;
        Sleep(1);
    }
    return -1;
}

void PrintRow(const char *what, double vorn, double floor, const char *unit, const char *target)
{
    printf("| %-34s | %10.2f %-3s | %10.2f %-3s | %6.2f | %-8s |\n", what, vorn, unit, floor, unit,
           floor > 0 ? vorn / floor : 0.0, target);
}

// Copies the recording program into directory; returns its path as the
// settings file spells it.
std::string InstallRecorder(const std::wstring &bin, const std::wstring &directory)
{
    std::wstring recorder = directory + L"record_args.exe";
    CopyFileW((bin + L"record_args.exe").c_str(), recorder.c_str(), FALSE);
    char bytes[MAX_PATH];
    WideCharToMultiByte(CP_ACP, 0, recorder.c_str(), -1, bytes, MAX_PATH, nullptr, nullptr);
    return bytes;
}

// Weeks of use in little: handles and working set after a warm-up and after
// a thousand launches, menus, alerts and foreign messages.
void MeasureWeeksOfUse(const std::wstring &bin, const char *where)
{
    std::wstring usedDirectory = MakeScratchDirectory("bench-use");
    std::string recorder = InstallRecorder(bin, usedDirectory);
    WriteBytes(usedDirectory + L"setting.vorn", "CA\tL\tEXEC\t" + recorder + "\r\nCA\tT\tALERT\r\n");
    VornProcess used;
    StartVorn(usedDirectory, &used);
    std::wstring usedLaunched = usedDirectory + L"launched.txt";
    bool usedOk = RunWorkload(&used, 0, 1, usedLaunched, {20, 5, 5, 500});
    Footprint warm = FootprintOf(used.process);
    const Workload weeks = {1000, 100, 100, 10000};
    usedOk = usedOk && RunWorkload(&used, 0, 1, usedLaunched, weeks);
    Footprint worn = FootprintOf(used.process);
    PostMessageW(used.window, WM_CLOSE, 0, 0);
    EndVorn(&used);
    RemoveTree(usedDirectory);

    printf("\nAfter a warm-up, then after %d launches, %d menus, %d alerts and %d foreign messages,\n%s%s:\n",
           weeks.launches, weeks.menus, weeks.alerts, weeks.foreign, where,
           usedOk ? "" : " (INCOMPLETE: an event had no effect)");
    printf("| %-34s | %14s | %14s | %14s | %-8s |\n", "", "after warm-up", "at the end", "growth", "target");
    printf("| %-34s | %14zu | %14zu | %+14lld | %-8s |\n", "handles", warm.handles, worn.handles,
           (long long)worn.handles - (long long)warm.handles, "+0");
    printf("| %-34s | %10.0f KiB | %10.0f KiB | %+10.0f KiB | %-8s |\n", "working set", warm.workingSet / 1024.0,
           worn.workingSet / 1024.0, ((double)worn.workingSet - (double)warm.workingSet) / 1024.0, "+1 MiB");
}

}  // namespace

// With --weeks, only the weeks of use, for a run inside a Wine virtual desktop.
int main(int argc, char **argv)
{
    std::wstring bin = ProgramDirectory();
    if (argc > 1 && strcmp(argv[1], "--weeks") == 0) {
        MeasureWeeksOfUse(bin, "in a Wine virtual desktop, whose windows are drawn inside one");
        return 0;
    }
    std::wstring directory = MakeScratchDirectory("bench");
    std::wstring recorder = directory + L"record_args.exe";
    std::wstring launched = directory + L"launched.txt";
    WriteBytes(directory + L"setting.vorn", FiftyLines(InstallRecorder(bin, directory)));

    // Start-up: until all fifty hotkeys are held, against one hotkey of a minimal program.
    std::vector<double> vornStart, floorStart, vornLaunch, floorLaunch;
    for (int run = 0; run < RUNS; ++run) {
        PROCESS_INFORMATION process;
        vornStart.push_back(TimeUntilHeld(bin + L"Vorn.exe", directory, CTRL_ALT, 'L', &process));
        Close(&process, L"Vorn");
        floorStart.push_back(TimeUntilHeld(bin + L"floor_app.exe", directory, CTRL_ALT | MOD_SHIFT, VK_F12, &process));
        Close(&process, L"VornFloor");
    }

    // Hotkey to launch, against the shell launch alone.
    PROCESS_INFORMATION vorn;
    TimeUntilHeld(bin + L"Vorn.exe", directory, CTRL_ALT, 'L', &vorn);
    for (int run = 0; run < RUNS; ++run) {
        DeleteFileW(launched.c_str());
        double start = Now();
        Press(CTRL_ALT, 'L');
        vornLaunch.push_back(TimeUntilFile(launched, start));
        Sleep(200);
        DeleteFileW(launched.c_str());
        start = Now();
        ShellExecuteW(nullptr, L"open", recorder.c_str(), L"", nullptr, SW_SHOW);
        floorLaunch.push_back(TimeUntilFile(launched, start));
        Sleep(200);
    }

    // Idle: no timers, no polling, so no CPU time at all while nothing happens.
    FILETIME created, ended, kernelBefore, userBefore, kernelAfter, userAfter;
    GetProcessTimes(vorn.hProcess, &created, &ended, &kernelBefore, &userBefore);
    Sleep(10000);
    GetProcessTimes(vorn.hProcess, &created, &ended, &kernelAfter, &userAfter);
    auto ticks = [](FILETIME time) { return ((ULONGLONG)time.dwHighDateTime << 32) | time.dwLowDateTime; };
    double idleMs = (ticks(kernelAfter) - ticks(kernelBefore) + ticks(userAfter) - ticks(userBefore)) / 10000.0;

    FILETIME kernelTotal, userTotal;
    GetProcessTimes(vorn.hProcess, &created, &ended, &kernelTotal, &userTotal);
    double lifeMs = (ticks(kernelTotal) + ticks(userTotal)) / 10000.0;

    PROCESS_MEMORY_COUNTERS_EX vornMemory = {}, floorMemory = {};
    GetProcessMemoryInfo(vorn.hProcess, (PROCESS_MEMORY_COUNTERS *)&vornMemory, sizeof vornMemory);
    PROCESS_INFORMATION floorProcess;
    TimeUntilHeld(bin + L"floor_app.exe", directory, CTRL_ALT | MOD_SHIFT, VK_F12, &floorProcess);
    GetProcessMemoryInfo(floorProcess.hProcess, (PROCESS_MEMORY_COUNTERS *)&floorMemory, sizeof floorMemory);
    Close(&floorProcess, L"VornFloor");
    Close(&vorn, L"Vorn");

    printf("| %-34s | %14s | %14s | %6s | %-8s |\n", "measurement (median of 9)", "Vorn", "floor", "ratio", "target");
    printf("|%s|%s|%s|%s|%s|\n", std::string(36, '-').c_str(), std::string(16, '-').c_str(),
           std::string(16, '-').c_str(), std::string(8, '-').c_str(), std::string(10, '-').c_str());
    PrintRow("start until every hotkey is held", Median(vornStart), Median(floorStart), "ms", "<= 1.2x");
    PrintRow("SendInput until the target runs", Median(vornLaunch), Median(floorLaunch), "ms", "<= 1.1x");
    PrintRow("CPU time over 10 idle seconds", idleMs, 0, "ms", "0");
    PrintRow("CPU time since start, for scale", lifeMs, 0, "ms", "");
    PrintRow("peak working set", vornMemory.PeakWorkingSetSize / 1024.0, floorMemory.PeakWorkingSetSize / 1024.0,
             "KiB", "");
    PrintRow("private bytes", vornMemory.PrivateUsage / 1024.0, floorMemory.PrivateUsage / 1024.0, "KiB", "");
    MeasureWeeksOfUse(bin, "on Wine's X11 desktop, where every box is a window of its own");
    return 0;
}
