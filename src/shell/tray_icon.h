// The notification-area icon and its popup menu: the program's only visible presence.
#ifndef VORN_SHELL_TRAY_ICON_H
#define VORN_SHELL_TRAY_ICON_H

#include <windows.h>
#include <shellapi.h>

// Sent by the icon to the main window; lParam carries the mouse message.
#define WM_TRAYNOTIFY 10100

extern NOTIFYICONDATAW g_trayIcon;

// Adds the icon and loads the popup menu. A notification area that cannot
// take the icon yet, as at sign-in, is asked again on a timer of the window
// until it does; nothing else is examined or reported.
void AddTrayIcon(HWND window, HINSTANCE instance);

// For WM_TIMER: asks again while the icon is still missing.
void RetryTrayIcon(WPARAM timer);

// Adds the icon again with the same record when a new taskbar announces
// itself, unless the icon was removed, and keeps asking a busy one; returns
// 0 when message was not that announcement.
int RestoreTrayIcon(UINT message);

// Removes the icon for good: no later timer or new taskbar puts it back.
void RemoveTrayIcon();

// Shows the popup menu at the cursor; a choice arrives as WM_COMMAND.
void ShowTrayMenu(HWND window);

#endif
