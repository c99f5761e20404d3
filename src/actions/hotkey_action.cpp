// The three actions: open through the shell, the test alert, and quit.
#include "actions/hotkey_action.h"
#include "platform/platform.h"
#include "settings/setting_text.h"

wchar_t *ToQuotedWide(const char source[SETTING_TEXT_SIZE], wchar_t destination[WIDE_TEXT_SIZE])
{
    // The whole buffer is converted, zero bytes included, so the work buffer
    // is NUL-terminated wherever the text ends.
    wchar_t work[WIDE_TEXT_SIZE] = {0};
    if (SettingTextToWide(source, SETTING_TEXT_SIZE, work, WIDE_TEXT_SIZE) == 0)
        work[0] = L'\0';
    work[WIDE_TEXT_SIZE - 1] = L'\0';

    int length = 0;
    destination[length++] = L'"';
    for (const wchar_t *p = work; *p && length < WIDE_TEXT_SIZE - 2; ++p)
        destination[length++] = *p;
    destination[length++] = L'"';
    destination[length] = L'\0';
    return destination;
}

static void RunExec(const HotkeyBinding *binding, HWND window)
{
    wchar_t file[WIDE_TEXT_SIZE] = {0};
    wchar_t parameters[WIDE_TEXT_SIZE] = {0};
    ToQuotedWide(binding->target, file);
    // Empty parameters stay an empty string, never quotes and never a null pointer.
    if (binding->parameters[0] != '\0')
        ToQuotedWide(binding->parameters, parameters);
    PlatformShellExecute(window, L"open", file, parameters, nullptr, SW_SHOW);
}

int RunHotkeyAction(int slotIndex, HWND window)
{
    // Any program can post WM_HOTKEY, so the index is never trusted.
    if (slotIndex < 0 || slotIndex >= MAX_BINDINGS)
        return 0;
    const HotkeyBinding *binding = &g_bindings.slots[slotIndex];
    switch (binding->action) {
    case ACTION_QUIT:
        PlatformSendMessage(window, WM_DESTROY, 0, 0);
        break;
    case ACTION_ALERT:
        PlatformSetForegroundWindow(window);
        PlatformMessageBox(window, L"test", L"Vorn", MB_OK);
        break;
    case ACTION_EXEC:
        RunExec(binding, window);
        break;
    default:
        break;
    }
    return 0;
}
