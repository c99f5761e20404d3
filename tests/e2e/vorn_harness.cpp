#include "vorn_harness.h"

#include <psapi.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <iterator>

std::wstring ProgramDirectory()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    while (length > 0 && path[length - 1] != L'\\')
        --length;
    return std::wstring(path, length);
}

std::wstring MakeScratchDirectory(const char *name)
{
    // Wine reuses process ids from run to run, so the time makes the name new.
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int serial = 0;
    std::wstring directory = std::wstring(temp) + L"vorn-e2e-" + std::to_wstring(GetTickCount64()) + L"-" +
                             std::to_wstring(++serial) + L"-" + std::wstring(name, name + strlen(name));
    CreateDirectoryW(directory.c_str(), nullptr);
    return directory + L"\\";
}

void RemoveTree(const std::wstring &directory)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((directory + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(directory + name + L"\\");
            else
                DeleteFileW((directory + name).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(directory.c_str());
}

std::string Encode(const std::wstring &text, UINT codePage)
{
    char bytes[1024] = "";
    WideCharToMultiByte(codePage, 0, text.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
    return bytes;
}

void WriteBytes(const std::wstring &path, const std::string &bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    CloseHandle(file);
}

std::wstring WriteUnstartable(const std::wstring &directory)
{
    std::wstring path = directory + L"cannot start.exe";
    WriteBytes(path, "not a program\r\n");
    return path;
}

std::string ReadBytes(const std::wstring &path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

struct WindowSearch {
    DWORD processId;
    const wchar_t *className;
    const wchar_t *title;
    HWND found;
};

static BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    WindowSearch *search = (WindowSearch *)parameter;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t className[64] = L"", title[256] = L"";
    GetClassNameW(window, className, 64);
    GetWindowTextW(window, title, 256);
    if (processId == search->processId && lstrcmpW(className, search->className) == 0 &&
        lstrcmpW(title, search->title) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

static HWND FindProcessWindow(DWORD processId, const wchar_t *className, const wchar_t *title)
{
    WindowSearch search = {processId, className, title, nullptr};
    EnumWindows(MatchWindow, (LPARAM)&search);
    return search.found;
}

// Whether the process has loaded the module of that name.
static bool HasModule(HANDLE process, const wchar_t *name)
{
    HMODULE modules[256];
    DWORD bytes = 0;
    if (!EnumProcessModulesEx(process, modules, sizeof modules, &bytes, LIST_MODULES_ALL))
        return false;
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 256; ++i) {
        wchar_t module[MAX_PATH] = L"";
        if (GetModuleBaseNameW(process, modules[i], module, MAX_PATH) && lstrcmpiW(module, name) == 0)
            return true;
    }
    return false;
}

bool StartVorn(const std::wstring &directory, VornProcess *vorn)
{
    return StartVornFrom(ProgramDirectory() + L"Vorn.exe", directory, vorn);
}

bool StartVornFrom(const std::wstring &exe, const std::wstring &directory, VornProcess *vorn,
                   const std::wstring &arguments)
{
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &vorn->process))
        return false;
    WaitForInputIdle(vorn->process.hProcess, WAIT_MS);
    for (DWORD waited = 0; waited < WAIT_MS; waited += 20) {
        vorn->window = FindProcessWindow(vorn->process.dwProcessId, L"Vorn", L"Vorn");
        if (vorn->window || WaitForSingleObject(vorn->process.hProcess, 20) == WAIT_OBJECT_0)
            break;
    }
    // A message sent is answered as early as the icon is added, while Vorn
    // itself waits on the notification area, before the settings are read.
    // COM is loaded only once the hotkeys are held: its module in the
    // process, the start-up box or the end says the start is over.
    for (DWORD waited = 0; vorn->window && waited < WAIT_MS; waited += 20) {
        if (HasModule(vorn->process.hProcess, L"ole32.dll") ||
            FindProcessWindow(vorn->process.dwProcessId, L"#32770", L"Vorn") ||
            WaitForSingleObject(vorn->process.hProcess, 20) == WAIT_OBJECT_0)
            break;
    }
    if (vorn->window) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(vorn->window, WM_NULL, 0, 0, SMTO_NORMAL, WAIT_MS, &result);
    }
    return true;
}

DWORD WaitForExit(VornProcess *vorn, DWORD milliseconds)
{
    if (!vorn->process.hProcess)
        return STILL_ACTIVE;
    WaitForSingleObject(vorn->process.hProcess, milliseconds);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(vorn->process.hProcess, &code);
    return code;
}

void EndVorn(VornProcess *vorn)
{
    if (!vorn->process.hProcess)
        return;
    if (WaitForSingleObject(vorn->process.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(vorn->process.hProcess, 99);
        WaitForSingleObject(vorn->process.hProcess, WAIT_MS);
    }
    CloseHandle(vorn->process.hProcess);
    CloseHandle(vorn->process.hThread);
    vorn->process = PROCESS_INFORMATION();
    vorn->window = nullptr;
}

bool IsHeld(UINT modifiers, UINT key)
{
    const int probeId = 0xBEEF;
    if (!RegisterHotKey(nullptr, probeId, modifiers, key))
        return true;
    UnregisterHotKey(nullptr, probeId);
    return false;
}

static void AddKey(std::vector<INPUT> *inputs, WORD key, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs->push_back(input);
}

void Press(UINT modifiers, UINT key)
{
    const struct {
        UINT flag;
        WORD key;
    } modifierKeys[] = {{MOD_CONTROL, VK_CONTROL}, {MOD_ALT, VK_MENU}, {MOD_SHIFT, VK_SHIFT}, {MOD_WIN, VK_LWIN}};
    std::vector<INPUT> inputs;
    for (const auto &modifier : modifierKeys)
        if (modifiers & modifier.flag)
            AddKey(&inputs, modifier.key, false);
    AddKey(&inputs, (WORD)key, false);
    AddKey(&inputs, (WORD)key, true);
    for (int i = 3; i >= 0; --i)
        if (modifiers & modifierKeys[i].flag)
            AddKey(&inputs, modifierKeys[i].key, true);
    SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
}

static void ClickButtonAt(int x, int y, DWORD buttonDown)
{
    INPUT inputs[3] = {};
    for (INPUT &input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = (LONG)(x * 65535LL / (GetSystemMetrics(SM_CXSCREEN) - 1));
        input.mi.dy = (LONG)(y * 65535LL / (GetSystemMetrics(SM_CYSCREEN) - 1));
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = buttonDown | MOUSEEVENTF_ABSOLUTE;
    // Each button's up flag is its down flag shifted left by one.
    inputs[2].mi.dwFlags = (buttonDown << 1) | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, inputs, sizeof(INPUT));
}

void ClickAt(int x, int y)
{
    ClickButtonAt(x, y, MOUSEEVENTF_LEFTDOWN);
}

void ClickWindow(HWND window, DWORD buttonDown)
{
    RECT frame;
    GetWindowRect(window, &frame);
    ClickButtonAt((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2, buttonDown);
}

static BOOL CALLBACK CollectTrayIcon(HWND child, LPARAM parameter)
{
    wchar_t className[64] = L"";
    GetClassNameW(child, className, 64);
    if (lstrcmpW(className, L"__winex11_tray_icon") == 0 && IsWindowVisible(child))
        ((std::vector<HWND> *)parameter)->push_back(child);
    return TRUE;
}

std::vector<HWND> TrayIcons()
{
    std::vector<HWND> icons;
    HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
    if (tray)
        EnumChildWindows(tray, CollectTrayIcon, (LPARAM)&icons);
    return icons;
}

std::vector<HWND> WaitForTrayIcons(size_t count, DWORD milliseconds)
{
    std::vector<HWND> icons;
    for (DWORD waited = 0; waited <= milliseconds; waited += 50) {
        icons = TrayIcons();
        if (icons.size() == count)
            break;
        Sleep(50);
    }
    return icons;
}

HWND WaitForPopupMenu(DWORD processId, DWORD milliseconds)
{
    // The menu shows before its thread takes the mouse for its loop; a click
    // in between goes to the window under it and leaves the menu open.
    for (DWORD waited = 0; waited < milliseconds; waited += 50) {
        HWND menu = FindProcessWindow(processId, L"#32768", L"");
        GUITHREADINFO thread = {};
        thread.cbSize = sizeof thread;
        if (menu && IsWindowVisible(menu) && GetGUIThreadInfo(GetWindowThreadProcessId(menu, nullptr), &thread) &&
            (thread.flags & GUI_INMENUMODE))
            return menu;
        Sleep(50);
    }
    return nullptr;
}

HWND WaitForBox(DWORD processId, const wchar_t *title, DWORD milliseconds)
{
    for (DWORD waited = 0; waited < milliseconds; waited += 50) {
        // A box exists for a moment before it is shown.
        HWND box = FindProcessWindow(processId, L"#32770", title);
        if (box && IsWindowVisible(box))
            return box;
        Sleep(50);
    }
    return nullptr;
}

static BOOL CALLBACK CollectStaticText(HWND child, LPARAM parameter)
{
    std::wstring *text = (std::wstring *)parameter;
    wchar_t className[64] = L"", line[512] = L"";
    GetClassNameW(child, className, 64);
    if (lstrcmpiW(className, L"Static") == 0 && GetWindowTextW(child, line, 512) > 0) {
        if (!text->empty())
            *text += L"\n";
        *text += line;
    }
    return TRUE;
}

std::wstring BoxText(HWND box)
{
    std::wstring text;
    EnumChildWindows(box, CollectStaticText, (LPARAM)&text);
    return text;
}

void CloseBox(HWND box)
{
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(box, IDOK));
}

std::vector<std::string> WaitForLines(const std::wstring &path, size_t count, DWORD milliseconds)
{
    std::vector<std::string> lines;
    for (DWORD waited = 0; waited <= milliseconds; waited += 50) {
        lines.clear();
        std::string bytes = ReadBytes(path);
        size_t start = 0, end;
        while ((end = bytes.find('\n', start)) != std::string::npos) {
            lines.push_back(bytes.substr(start, end - start));
            start = end + 1;
        }
        if (lines.size() >= count)
            break;
        Sleep(50);
    }
    return lines;
}

// The system's handle list, as NtQuerySystemInformation(SystemHandleInformation) gives it.
struct HandleEntry {
    USHORT processId;
    USHORT creatorBackTraceIndex;
    UCHAR objectType;
    UCHAR attributes;
    USHORT value;
    PVOID object;
    ULONG access;
};

struct HandleList {
    ULONG count;
    HandleEntry entries[1];
};

// The name of another process's object, through a copy of its handle; empty
// for an object without one.
static std::string ObjectName(HANDLE process, USHORT value)
{
    typedef LONG(WINAPI * QueryFunction)(HANDLE, ULONG, PVOID, ULONG, PULONG);
    QueryFunction query = (QueryFunction)(void *)GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryObject");
    const ULONG OBJECT_NAME_INFORMATION = 1;
    HANDLE copy;
    if (!DuplicateHandle(process, (HANDLE)(ULONG_PTR)value, GetCurrentProcess(), &copy, 0, FALSE,
                         DUPLICATE_SAME_ACCESS))
        return "";
    // The name is a counted string at the start of the buffer, its text after it.
    struct {
        USHORT length;
        USHORT maximumLength;
        PWSTR text;
        wchar_t room[1024];
    } name = {};
    std::string text;
    if (query(copy, OBJECT_NAME_INFORMATION, &name, sizeof name, nullptr) >= 0 && name.text) {
        char bytes[4 * 1024];
        int length = WideCharToMultiByte(CP_UTF8, 0, name.text, name.length / 2, bytes, sizeof bytes, nullptr,
                                         nullptr);
        text.assign(bytes, length > 0 ? length : 0);
    }
    CloseHandle(copy);
    return text;
}

static std::vector<std::string> HandleKinds(const PROCESS_INFORMATION &process)
{
    typedef LONG(WINAPI * QueryFunction)(ULONG, PVOID, ULONG, PULONG);
    QueryFunction query =
        (QueryFunction)(void *)GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation");
    const ULONG SYSTEM_HANDLE_INFORMATION = 16;
    const LONG INFO_LENGTH_MISMATCH = (LONG)0xC0000004;
    std::vector<char> buffer(1 << 16);
    LONG status;
    while ((status = query(SYSTEM_HANDLE_INFORMATION, buffer.data(), (ULONG)buffer.size(), nullptr)) ==
           INFO_LENGTH_MISMATCH)
        buffer.resize(buffer.size() * 2);
    std::vector<std::string> kinds;
    const HandleList *list = (const HandleList *)buffer.data();
    for (ULONG i = 0; status >= 0 && i < list->count; ++i) {
        const HandleEntry &entry = list->entries[i];
        if (entry.processId != (USHORT)process.dwProcessId)
            continue;
        char kind[64];
        snprintf(kind, sizeof kind, "type %u, access 0x%lx", entry.objectType, entry.access);
        std::string name = ObjectName(process.hProcess, entry.value);
        kinds.push_back(name.empty() ? kind : kind + (" " + name));
    }
    std::sort(kinds.begin(), kinds.end());
    return kinds;
}

Footprint FootprintOf(const PROCESS_INFORMATION &process)
{
    Footprint footprint;
    footprint.handleKinds = HandleKinds(process);
    footprint.handles = footprint.handleKinds.size();
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
        footprint.workingSet = memory.WorkingSetSize;
    return footprint;
}

Footprint FootprintOnceAtMost(const PROCESS_INFORMATION &process, size_t handles)
{
    Footprint footprint = FootprintOf(process);
    for (DWORD waited = 0; waited < WAIT_MS && footprint.handles > handles; waited += 50) {
        Sleep(50);
        footprint = FootprintOf(process);
    }
    return footprint;
}

std::string HandlesBeyond(const Footprint &later, const Footprint &earlier)
{
    std::vector<std::string> beyond;
    std::set_difference(later.handleKinds.begin(), later.handleKinds.end(), earlier.handleKinds.begin(),
                        earlier.handleKinds.end(), std::back_inserter(beyond));
    std::string text;
    for (const std::string &kind : beyond)
        text += (text.empty() ? "" : "; ") + kind;
    return text;
}

static bool Answers(HWND window)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, WAIT_MS, &result) != 0;
}

static bool WaitWhileWindow(HWND window)
{
    for (DWORD waited = 0; waited < WAIT_MS; waited += 10) {
        if (!IsWindow(window) || !IsWindowVisible(window))
            return true;
        Sleep(10);
    }
    return false;
}

static size_t LineCount(const std::wstring &path)
{
    std::string bytes = ReadBytes(path);
    size_t count = 0;
    for (char byte : bytes)
        count += byte == '\n';
    return count;
}

bool RunWorkload(VornProcess *vorn, int execSlot, int alertSlot, int failingSlot, const std::wstring &launched,
                 const Workload &workload)
{
    DWORD processId = vorn->process.dwProcessId;
    // One launch at a time, so no more than one launched program runs at once.
    size_t lines = LineCount(launched);
    for (int i = 0; i < workload.launches; ++i) {
        // A launch that fails leaves no trace; the launch posted after it shows it was handled.
        if (i < workload.failures)
            PostMessageW(vorn->window, WM_HOTKEY, 10000 + failingSlot, 0);
        PostMessageW(vorn->window, WM_HOTKEY, 10000 + execSlot, 0);
        ++lines;
        DWORD waited = 0;
        for (; waited < WAIT_MS && LineCount(launched) < lines; waited += 5)
            Sleep(5);
        if (waited >= WAIT_MS)
            return false;
    }
    for (int i = 0; i < workload.menus; ++i) {
        PostMessageW(vorn->window, WM_TRAYNOTIFY, 0, WM_RBUTTONUP);
        HWND menu = WaitForPopupMenu(processId);
        if (!menu)
            return false;
        Press(0, VK_ESCAPE);
        if (!WaitWhileWindow(menu))
            return false;
    }
    for (int i = 0; i < workload.alerts; ++i) {
        PostMessageW(vorn->window, WM_HOTKEY, 10000 + alertSlot, 0);
        HWND box = WaitForBox(processId, L"Vorn");
        if (!box)
            return false;
        CloseBox(box);
        if (!WaitWhileWindow(box))
            return false;
    }
    const WPARAM foreignIds[] = {0, 9999, 10050, 0xFFFF, (WPARAM)-1};
    const LPARAM mouse[] = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN};
    for (int i = 0; i < workload.foreign; ++i) {
        if (i % 2 == 0)
            PostMessageW(vorn->window, WM_HOTKEY, foreignIds[i / 2 % 5], 0);
        else
            PostMessageW(vorn->window, WM_TRAYNOTIFY, 0, mouse[i / 2 % 5]);
        // The queue holds a bounded number of posted messages: let it drain.
        if (i % 500 == 499 && !Answers(vorn->window))
            return false;
    }
    return Answers(vorn->window);
}
