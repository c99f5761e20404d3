#include "shell/tray_icon.h"
#include "shell/resource.h"

// The record's full size, so the shell reads every field of it.
static_assert(sizeof(NOTIFYICONDATAW) == (sizeof(void *) == 8 ? 976 : 956), "unexpected NOTIFYICONDATAW");

NOTIFYICONDATAW g_trayIcon;
static HMENU g_trayMenu;
static HMENU g_trayPopup;
static UINT g_taskbarCreated;
// From the first add until the icon is removed; only then is it asked for again.
static int g_iconWanted;

// A refused add is tried again every 2 seconds, 150 times (five minutes,
// longer than most sign-ins keep the notification area busy), then once a
// minute until the shell takes it. No timer runs while the icon stands.
static const UINT_PTR RETRY_TIMER = 1;
static const UINT FAST_RETRY_MS = 2000;
static const int FAST_RETRIES = 150;
static const UINT SLOW_RETRY_MS = 60000;
static int g_fastRetriesLeft;

typedef BOOL(WINAPI *MessageFilterFunction)(HWND window, UINT message, DWORD action, PCHANGEFILTERSTRUCT status);

static void StartRetry()
{
    g_fastRetriesLeft = FAST_RETRIES;
    SetTimer(g_trayIcon.hWnd, RETRY_TIMER, FAST_RETRY_MS, nullptr);
}

static void StopRetry()
{
    KillTimer(g_trayIcon.hWnd, RETRY_TIMER);
}

// Whether the icon stands after asking. An add reported as timed out may
// still have gone through: then the shell refuses the add again but takes a
// change to the icon.
static int AskForIcon()
{
    return Shell_NotifyIconW(NIM_ADD, &g_trayIcon) || Shell_NotifyIconW(NIM_MODIFY, &g_trayIcon);
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

    // A restarted Explorer has lost every icon and says so with this
    // message, which may come while the first add still waits on the shell.
    g_taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    // Run as administrator, Vorn would hear neither message from Explorer,
    // which runs with fewer rights. The filter exists from Windows 7 on.
    MessageFilterFunction allow = (MessageFilterFunction)(void *)GetProcAddress(
        GetModuleHandleW(L"user32.dll"), "ChangeWindowMessageFilterEx");
    if (allow) {
        allow(window, g_taskbarCreated, MSGFLT_ALLOW, nullptr);
        allow(window, WM_TRAYNOTIFY, MSGFLT_ALLOW, nullptr);
    }

    g_iconWanted = 1;
    if (!Shell_NotifyIconW(NIM_ADD, &g_trayIcon))
        StartRetry();

    // A null module takes the menu from the executable's own resources.
    g_trayMenu = LoadMenuW(nullptr, MAKEINTRESOURCEW(IDR_TRAYMENU));
    g_trayPopup = GetSubMenu(g_trayMenu, 0);
}

void RetryTrayIcon(WPARAM timer)
{
    if (timer != RETRY_TIMER)
        return;
    if (!g_iconWanted || AskForIcon())
        StopRetry();
    else if (g_fastRetriesLeft > 0 && --g_fastRetriesLeft == 0)
        SetTimer(g_trayIcon.hWnd, RETRY_TIMER, SLOW_RETRY_MS, nullptr);
}

int RestoreTrayIcon(UINT message)
{
    if (g_taskbarCreated == 0 || message != g_taskbarCreated)
        return 0;
    // A new taskbar may be as busy as one at sign-in.
    if (g_iconWanted) {
        if (AskForIcon())
            StopRetry();
        else
            StartRetry();
    }
    return 1;
}

void RemoveTrayIcon()
{
    g_iconWanted = 0;
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
    // With the window still in the foreground, the next menu would open and
    // close at once; a message of its own after the menu ends that state.
    PostMessageW(window, WM_NULL, 0, 0);
}
