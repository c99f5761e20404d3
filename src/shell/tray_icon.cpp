#include "shell/tray_icon.h"
#include "shell/resource.h"

// The record's full size, so the shell reads every field of it.
static_assert(sizeof(NOTIFYICONDATAW) == (sizeof(void *) == 8 ? 976 : 956), "unexpected NOTIFYICONDATAW");

NOTIFYICONDATAW g_trayIcon;
static HMENU g_trayMenu;
static HMENU g_trayPopup;
static UINT g_taskbarCreated;

// A refused add is tried again every 2 seconds, 150 times: at least five
// minutes, longer than a slow sign-in keeps the notification area busy.
static const UINT_PTR RETRY_TIMER = 1;
static const UINT RETRY_MS = 2000;
static const int RETRIES = 150;
static int g_retriesLeft;

typedef BOOL(WINAPI *MessageFilterFunction)(HWND window, UINT message, DWORD action, PCHANGEFILTERSTRUCT status);

static void StopRetry()
{
    g_retriesLeft = 0;
    KillTimer(g_trayIcon.hWnd, RETRY_TIMER);
}

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
    if (!Shell_NotifyIconW(NIM_ADD, &g_trayIcon)) {
        g_retriesLeft = RETRIES;
        SetTimer(window, RETRY_TIMER, RETRY_MS, nullptr);
    }
    // A restarted Explorer has lost every icon and says so with this message.
    g_taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");

    // Run as administrator, Vorn would hear neither message from Explorer,
    // which runs with fewer rights. The filter exists from Windows 7 on.
    MessageFilterFunction allow = (MessageFilterFunction)(void *)GetProcAddress(
        GetModuleHandleW(L"user32.dll"), "ChangeWindowMessageFilterEx");
    if (allow) {
        allow(window, g_taskbarCreated, MSGFLT_ALLOW, nullptr);
        allow(window, WM_TRAYNOTIFY, MSGFLT_ALLOW, nullptr);
    }

    // A null module takes the menu from the executable's own resources.
    g_trayMenu = LoadMenuW(nullptr, MAKEINTRESOURCEW(IDR_TRAYMENU));
    g_trayPopup = GetSubMenu(g_trayMenu, 0);
}

void RetryTrayIcon(WPARAM timer)
{
    if (timer != RETRY_TIMER || g_retriesLeft == 0)
        return;
    // An add reported as timed out may still have gone through: then the
    // shell refuses it again but takes a change to the icon.
    if (Shell_NotifyIconW(NIM_ADD, &g_trayIcon) || Shell_NotifyIconW(NIM_MODIFY, &g_trayIcon) ||
        --g_retriesLeft == 0)
        StopRetry();
}

int RestoreTrayIcon(UINT message)
{
    if (g_taskbarCreated == 0 || message != g_taskbarCreated)
        return 0;
    // While the icon still stands the shell refuses a second one with its id.
    if (Shell_NotifyIconW(NIM_ADD, &g_trayIcon))
        StopRetry();
    return 1;
}

void RemoveTrayIcon()
{
    StopRetry();
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
