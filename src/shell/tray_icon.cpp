#include "shell/tray_icon.h"
#include "shell/resource.h"

// The record's full size, so the shell reads every field of it.
static_assert(sizeof(NOTIFYICONDATAW) == (sizeof(void *) == 8 ? 976 : 956), "unexpected NOTIFYICONDATAW");

NOTIFYICONDATAW g_trayIcon;
static HMENU g_trayMenu;
static HMENU g_trayPopup;
static UINT g_taskbarCreated;

void AddTrayIcon(HWND window, HINSTANCE instance)
{
    g_trayIcon.cbSize = sizeof g_trayIcon;
    g_trayIcon.hWnd = window;
    g_trayIcon.uID = 0;
    g_trayIcon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    g_trayIcon.uCallbackMessage = WM_TRAYNOTIFY;
    g_trayIcon.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APPICON));
    lstrcpynW(g_trayIcon.szTip, L"Vorn 0.02 (2012/11/04) by Wenlodi",
              sizeof g_trayIcon.szTip / sizeof g_trayIcon.szTip[0]);
    Shell_NotifyIconW(NIM_ADD, &g_trayIcon);
    // A restarted Explorer has lost every icon and says so with this message.
    g_taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");

    // A null module takes the menu from the executable's own resources.
    g_trayMenu = LoadMenuW(nullptr, MAKEINTRESOURCEW(IDR_TRAYMENU));
    g_trayPopup = GetSubMenu(g_trayMenu, 0);
}

int RestoreTrayIcon(UINT message)
{
    if (g_taskbarCreated == 0 || message != g_taskbarCreated)
        return 0;
    // While the icon still stands the shell refuses a second one with its id.
    Shell_NotifyIconW(NIM_ADD, &g_trayIcon);
    return 1;
}

void RemoveTrayIcon()
{
    Shell_NotifyIconW(NIM_DELETE, &g_trayIcon);
}

void ShowTrayMenu(HWND window)
{
    // The window must be in the foreground, or the menu does not close when
    // the user clicks elsewhere.
    SetForegroundWindow(window);
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    TrackPopupMenu(g_trayPopup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0,
                   window, nullptr);
}
