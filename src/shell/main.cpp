// The process entry: create the hidden window, load the settings, then wait
// for hotkeys and menu commands until shutdown.
#include <windows.h>
#include <objbase.h>

#include "settings/setting_loader.h"
#include "shell/main_window.h"
#include "shell/tray_icon.h"

typedef HRESULT(WINAPI *CoInitializeExFunction)(LPVOID reserved, DWORD flags);
typedef void(WINAPI *CoUninitializeFunction)();

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // The icon is added while the window is created, before the settings are read.
    HWND window = CreateMainWindow(instance);

    if (LoadSettingFile(window) != 0) {
        // No dead icon is left behind in the notification area.
        RemoveTrayIcon();
        MessageBoxW(nullptr, L"設定ファイルが読み込めません。\n起動を中止します。", L"Vorn", MB_ICONERROR);
        return 0;
    }

    // The shell may hand a launch to extensions that are COM servers, so
    // this thread enters a single-threaded apartment before the first
    // hotkey can fire. COM is loaded only now, with the hotkeys already
    // held: loading it with the program would delay them. Vorn runs on
    // without it if that fails.
    HMODULE ole = LoadLibraryW(L"ole32.dll");
    CoInitializeExFunction initialize = nullptr;
    CoUninitializeFunction uninitialize = nullptr;
    if (ole) {
        initialize = (CoInitializeExFunction)(void *)GetProcAddress(ole, "CoInitializeEx");
        uninitialize = (CoUninitializeFunction)(void *)GetProcAddress(ole, "CoUninitialize");
    }
    HRESULT com = initialize && uninitialize
                      ? initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
                      : E_FAIL;

    MSG message;
    // Only 0 (WM_QUIT) ends the loop; an error result of -1 does not.
    while (GetMessageW(&message, nullptr, 0, 0) != 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (SUCCEEDED(com))
        uninitialize();
    return 0;
}
