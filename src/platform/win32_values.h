// The Win32 names and values the portable core uses. On Windows they come
// from the system headers; a host build gets the same values from here.
#ifndef VORN_PLATFORM_WIN32_VALUES_H
#define VORN_PLATFORM_WIN32_VALUES_H

#ifdef _WIN32
#include <windows.h>
#else
typedef struct HostWindow *HWND;  // opaque, as on Windows
typedef void *HANDLE;

#define MOD_ALT 0x0001
#define MOD_CONTROL 0x0002
#define MOD_SHIFT 0x0004
#define MOD_WIN 0x0008

#define VK_END 0x23
#define VK_LEFT 0x25
#define VK_RIGHT 0x27

#define WM_DESTROY 0x0002
#define MB_OK 0x00000000L
#define MB_ICONERROR 0x00000010L
#define SW_SHOW 5

#define CP_OEMCP 1
#define CP_UTF8 65001
#define MB_PRECOMPOSED 0x00000001
#endif

#endif
