#include "shell/main_window.h"
#include "shell/resource.h"
#include "shell/tray_icon.h"
#include "actions/hotkey_action.h"

HWND CreateMainWindow(HINSTANCE instance)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    windowClass.lpszClassName = L"Vorn";
    RegisterClassExW(&windowClass);

    // Never shown: the program lives in the notification area only.
    HWND window = CreateWindowExW(0, L"Vorn", L"Vorn", WS_OVERLAPPEDWINDOW, 32, 32, 256, 256, nullptr,
                                  nullptr, instance, nullptr);
    UpdateWindow(window);
    return window;
}

void RunShutdown(HWND window)
{
    SetForegroundWindow(window);
    UnregisterBindings(window);
    RemoveTrayIcon();
    PostQuitMessage(0);
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        AddTrayIcon(window, ((CREATESTRUCTW *)lParam)->hInstance);
        return 0;
    case WM_DESTROY:
        RunShutdown(window);
        return 0;
    case WM_COMMAND:
        if (wParam == IDM_EXIT)
            SendMessageW(window, WM_DESTROY, 0, 0);
        break;
    case WM_HOTKEY:
        RunHotkeyAction(SlotFromHotkeyId(wParam), window);
        return 0;
    case WM_TRAYNOTIFY:
        // Only a right-button release opens the menu; clicks and moves are ignored.
        if (lParam == WM_RBUTTONUP)
            ShowTrayMenu(window);
        return 0;
    default:
        // The taskbar's message number is registered at run time, so it has no case.
        if (RestoreTrayIcon(message))
            return 0;
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
