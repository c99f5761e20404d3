#include "shell/hidden_window.h"

HWND CreateHiddenWindow(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
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
