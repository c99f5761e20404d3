// The same-calls floor: what Vorn does at start and on each event, with the
// same class, window, icon record and menu, and the fifty combinations of the
// benchmark's settings file taken from a table in memory instead of a file.
// Like Vorn it enters COM once its combinations are held, for the shell's
// sake, so that launches meet the same state. What Vorn takes beyond it at
// start is its own: the file and its parsing.
//
//   floor_vorn.exe "C:\path\of\the target.exe" "C:\path\of\another.exe"
// The combination Ctrl+Alt+L (the last) opens the first target, the one
// before it the second; every other one shows the test alert.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "shell/hidden_window.h"
#include "shell/tray_icon.h"

const int COMBINATIONS = 50;
const int LAUNCH_SLOT = COMBINATIONS - 1;
const int TARGETS = 2;

// Quoted, as Vorn hands a target to the shell: the last slot's, then the
// target of the slot before it.
static wchar_t g_targets[TARGETS][MAX_PATH + 2];

// As the benchmark's file binds them: Ctrl+Shift+A to Z, Ctrl+Shift+Win+A to
// W, then Ctrl+Alt+L.
static void Combination(int slot, UINT *modifiers, UINT *key)
{
    if (slot == LAUNCH_SLOT) {
        *modifiers = MOD_CONTROL | MOD_ALT;
        *key = 'L';
        return;
    }
    *modifiers = slot < 26 ? MOD_CONTROL | MOD_SHIFT : MOD_CONTROL | MOD_SHIFT | MOD_WIN;
    *key = 'A' + slot % 26;
}

static LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        AddTrayIcon(window, ((CREATESTRUCTW *)lParam)->hInstance);
        return 0;
    case WM_DESTROY:
        SetForegroundWindow(window);
        for (int slot = 0; slot < COMBINATIONS; ++slot)
            UnregisterHotKey(window, 10000 + slot);
        RemoveTrayIcon();
        PostQuitMessage(0);
        return 0;
    case WM_HOTKEY:
        if (wParam > 10000 + LAUNCH_SLOT - TARGETS && wParam <= 10000 + LAUNCH_SLOT) {
            ShellExecuteW(window, L"open", g_targets[10000 + LAUNCH_SLOT - wParam], L"", nullptr, SW_SHOW);
        } else if (wParam >= 10000 && wParam <= 10000 + LAUNCH_SLOT - TARGETS) {
            SetForegroundWindow(window);
            MessageBoxW(window, L"test", L"Vorn", MB_OK);
        }
        return 0;
    case WM_TIMER:
        RetryTrayIcon(wParam);
        return 0;
    case WM_TRAYNOTIFY:
        if (lParam == WM_RBUTTONUP)
            ShowTrayMenu(window);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

static void Quote(const wchar_t *path, wchar_t quoted[MAX_PATH + 2])
{
    lstrcpynW(quoted, L"\"", MAX_PATH + 2);
    lstrcpynW(quoted + 1, path, MAX_PATH);
    lstrcatW(quoted, L"\"");
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; i < TARGETS; ++i)
        Quote(count > i + 1 ? arguments[i + 1] : L"", g_targets[i]);
    LocalFree(arguments);

    HWND window = CreateHiddenWindow(instance, FloorProc);
    for (int slot = 0; slot < COMBINATIONS; ++slot) {
        UINT modifiers, key;
        Combination(slot, &modifiers, &key);
        RegisterHotKey(window, 10000 + slot, modifiers, key);
    }

    typedef HRESULT(WINAPI * CoInitializeExFunction)(LPVOID reserved, DWORD flags);
    HMODULE ole = LoadLibraryW(L"ole32.dll");
    CoInitializeExFunction initialize =
        ole ? (CoInitializeExFunction)(void *)GetProcAddress(ole, "CoInitializeEx") : nullptr;
    if (initialize)
        initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) != 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
