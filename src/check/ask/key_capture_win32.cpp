// The low-level keyboard hook that captures a combination. Its own thread
// answers the hook at once, also while the main thread waits for an answer
// typed at the console.
#include "check/ask/key_capture.h"

#include <windows.h>

static KeyCapture g_capture;
static CaptureStep g_ending;  // CAPTURE_DONE or CAPTURE_CANCELLED once a capture ends
static CRITICAL_SECTION g_lock;
static HANDLE g_changed;  // set when the modifiers held change or the capture ends
static HANDLE g_thread;
static DWORD g_threadId;
static DWORD g_hookError;  // why the hook could not be put in place

static LRESULT CALLBACK KeyboardHook(int code, WPARAM message, LPARAM data)
{
    if (code != HC_ACTION)
        return CallNextHookEx(nullptr, code, message, data);
    const KBDLLHOOKSTRUCT *key = (const KBDLLHOOKSTRUCT *)data;
    EnterCriticalSection(&g_lock);
    CaptureStep step = DecideCaptureKey(&g_capture, (unsigned)message, (unsigned)key->vkCode, (unsigned)key->flags);
    if (step == CAPTURE_DONE || step == CAPTURE_CANCELLED)
        g_ending = step;
    LeaveCriticalSection(&g_lock);
    if (step == CAPTURE_PASS)
        return CallNextHookEx(nullptr, code, message, data);
    if (step != CAPTURE_SWALLOW)
        SetEvent(g_changed);
    return 1;
}

static DWORD WINAPI HookThread(void *ready)
{
    MSG message;
    // The queue exists before anyone is told the thread is ready to be ended.
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardHook, GetModuleHandleW(nullptr), 0);
    g_hookError = hook ? 0 : GetLastError();
    SetEvent((HANDLE)ready);
    if (!hook)
        return 1;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    UnhookWindowsHookEx(hook);
    return 0;
}

unsigned long StartKeyCapture()
{
    InitializeCriticalSection(&g_lock);
    g_changed = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    g_thread = CreateThread(nullptr, 0, HookThread, ready, 0, &g_threadId);
    g_hookError = g_thread ? 0 : GetLastError();
    if (g_thread)
        WaitForSingleObject(ready, INFINITE);
    CloseHandle(ready);
    DWORD error = g_hookError;
    if (error != 0)
        EndKeyCapture();
    return error;
}

CaptureStep CaptureCombination(unsigned *modifiers, int *keyCode, void (*show)(unsigned modifiers))
{
    EnterCriticalSection(&g_lock);
    BeginCapture(&g_capture);
    g_ending = CAPTURE_PASS;
    unsigned shown = g_capture.modifiers;
    LeaveCriticalSection(&g_lock);
    show(shown);
    for (;;) {
        WaitForSingleObject(g_changed, INFINITE);
        EnterCriticalSection(&g_lock);
        CaptureStep ending = g_ending;
        *modifiers = g_capture.modifiers;
        *keyCode = g_capture.keyCode;
        LeaveCriticalSection(&g_lock);
        if (ending != CAPTURE_PASS)
            return ending;
        if (*modifiers != shown)
            show(shown = *modifiers);
    }
}

void EndKeyCapture()
{
    if (g_thread) {
        PostThreadMessageW(g_threadId, WM_QUIT, 0, 0);
        WaitForSingleObject(g_thread, INFINITE);
        CloseHandle(g_thread);
        g_thread = nullptr;
    }
    CloseHandle(g_changed);
    DeleteCriticalSection(&g_lock);
}
