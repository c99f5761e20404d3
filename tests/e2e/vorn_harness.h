// Drives the real Vorn.exe from outside, as another program on the desktop
// would: starts it in a scratch working directory, presses keys, probes which
// combinations are held, finds its windows and boxes, and waits for its end.
#ifndef VORN_TESTS_VORN_HARNESS_H
#define VORN_TESTS_VORN_HARNESS_H

#include <windows.h>

#include <string>
#include <vector>

// Every wait in the suite is bounded by this.
const DWORD WAIT_MS = 10000;

// The program's own message and command numbers, as another program sends them.
const UINT WM_TRAYNOTIFY = 10100;
const UINT IDM_EXIT = 40005;

struct VornProcess {
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;
};

// The folder of the test programs, where Vorn.exe and record_args.exe are built.
std::wstring ProgramDirectory();

// A new empty folder under the temporary folder, its path ending in a backslash.
std::wstring MakeScratchDirectory(const char *name);

// Deletes the folder and everything in it.
void RemoveTree(const std::wstring &directory);

// The text in the code page, as a settings file written in it spells it.
std::string Encode(const std::wstring &text, UINT codePage);

void WriteBytes(const std::wstring &path, const std::string &bytes);
std::string ReadBytes(const std::wstring &path);

// Writes "cannot start.exe" into directory: a program file that exists and
// cannot start, as a target overwritten by something else would be. Returns
// its path.
std::wstring WriteUnstartable(const std::wstring &directory);

// Starts Vorn.exe with directory as its working directory and waits until it
// is idle in its message loop (or showing its start-up box). Returns false
// when it could not be started.
bool StartVorn(const std::wstring &directory, VornProcess *vorn);

// The same with another copy of the program, or a program of the same
// class given arguments.
bool StartVornFrom(const std::wstring &exe, const std::wstring &directory, VornProcess *vorn,
                   const std::wstring &arguments = L"");

// Waits for the process to end; returns its exit code, or STILL_ACTIVE on timeout.
DWORD WaitForExit(VornProcess *vorn, DWORD milliseconds = WAIT_MS);

// Ends the process if it still runs and closes its handles.
void EndVorn(VornProcess *vorn);

// Whether some program holds the combination: our own registration fails.
bool IsHeld(UINT modifiers, UINT key);

// Presses and releases the combination through SendInput.
void Press(UINT modifiers, UINT key);

// Presses the left mouse button at a point of the screen and releases it.
void ClickAt(int x, int y);

// Wine shows notification icons as child windows of its own tray window;
// these are the ones shown now.
std::vector<HWND> TrayIcons();

// Waits until exactly count icons are shown; returns them.
std::vector<HWND> WaitForTrayIcons(size_t count, DWORD milliseconds = WAIT_MS);

// Moves the mouse to the middle of the window and clicks the given button
// (MOUSEEVENTF_LEFTDOWN or MOUSEEVENTF_RIGHTDOWN).
void ClickWindow(HWND window, DWORD buttonDown);

// A visible popup menu window of the process whose loop has begun, or null
// after the wait.
HWND WaitForPopupMenu(DWORD processId, DWORD milliseconds = WAIT_MS);

// A shown top-level dialog box of the process with that title, or null after the wait.
HWND WaitForBox(DWORD processId, const wchar_t *title, DWORD milliseconds = WAIT_MS);

// The static texts of a box, joined by newlines.
std::wstring BoxText(HWND box);

// Clicks the box's OK button.
void CloseBox(HWND box);

// What a process holds: its handles (counted in the system's handle list,
// since Wine's GetProcessHandleCount says 0), each named by its object type,
// access and the object's name if it has one, and its working set in bytes.
struct Footprint {
    size_t handles = 0;
    size_t workingSet = 0;
    std::vector<std::string> handleKinds;  // "type 19, access 0x0 \REGISTRY\MACHINE\...", sorted
};
Footprint FootprintOf(const PROCESS_INFORMATION &process);

// Wine opens handles in a process for short moments (a launch's process,
// thread, file and section); this reads the footprint once the handle count
// is at most handles, or after the wait. A leaked handle never goes away.
Footprint FootprintOnceAtMost(const PROCESS_INFORMATION &process, size_t handles);

// The kinds of the handles that later holds beyond earlier.
std::string HandlesBeyond(const Footprint &later, const Footprint &earlier);

// Weeks of use in little: the numbers of each kind of event Vorn is given.
struct Workload {
    int launches;  // hotkeys of the EXEC slot, each waited for in launched
    int menus;     // popup menus opened and dismissed
    int alerts;    // test alerts opened and closed
    int foreign;   // WM_HOTKEY with identifiers not Vorn's, icon messages of other mouse events
    int failures = 0;  // hotkeys of a slot whose program cannot start, each given before a launch
};

// Gives a running Vorn the workload through its hotkey slots execSlot,
// alertSlot and failingSlot; launched is the file each launch adds a line to.
// Returns false when an event did not have its effect in time.
bool RunWorkload(VornProcess *vorn, int execSlot, int alertSlot, int failingSlot, const std::wstring &launched,
                 const Workload &workload);

// Waits until the file holds at least count lines; returns them.
std::vector<std::string> WaitForLines(const std::wstring &path, size_t count,
                                      DWORD milliseconds = WAIT_MS);

#endif
