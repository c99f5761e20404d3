#include "shell/main_window.h"
#include "shell/hidden_window.h"
#include "shell/resource.h"
#include "shell/tray_icon.h"
#include "actions/hotkey_action.h"

HWND CreateMainWindow(HINSTANCE instance)
{
    return CreateHiddenWindow(instance, MainWndProc);
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
    case WM_TIMER:
        RetryTrayIcon(wParam);
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
