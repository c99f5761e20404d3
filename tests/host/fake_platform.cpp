#include "fake_platform.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>

#include "check/system/check_probe.h"
#include "settings/binding_table.h"

FakePlatform g_fake;

static HANDLE const FAKE_FILE = (HANDLE)0x5e771;

void ResetFakePlatform()
{
    g_fake = FakePlatform();
    memset(&g_bindings, 0, sizeof g_bindings);
}

int PlatformOpenFile(const wchar_t *name, HANDLE *file)
{
    g_fake.calls.push_back("open");
    g_fake.openedNames.push_back(name);
    if (!g_fake.fileExists)
        return 1;
    ++g_fake.openFiles;
    g_fake.readOffset = 0;  // each open reads from the start
    *file = FAKE_FILE;
    return 0;
}

int PlatformReadFile(HANDLE file, char *buffer, int byteCount)
{
    g_fake.calls.push_back("read");
    g_fake.readRequests.push_back(byteCount);
    if (file != FAKE_FILE || g_fake.readCount++ == g_fake.failReadNumber)
        return -1;
    size_t left = g_fake.fileContents.size() - g_fake.readOffset;
    size_t count = std::min(left, (size_t)std::min(byteCount, g_fake.readSize));
    memcpy(buffer, g_fake.fileContents.data() + g_fake.readOffset, count);
    g_fake.readOffset += count;
    return (int)count;
}

void PlatformCloseFile(HANDLE file)
{
    g_fake.calls.push_back("close");
    if (file == FAKE_FILE)
        --g_fake.openFiles;
}

void PlatformRegisterHotkey(HWND window, int id, unsigned modifiers, int keyCode)
{
    g_fake.calls.push_back("register");
    g_fake.registered.push_back({window, id, modifiers, keyCode});
}

void PlatformUnregisterHotkey(HWND window, int id)
{
    g_fake.calls.push_back("unregister");
    g_fake.unregistered.push_back({window, id, 0, 0});
}

int ProbeHotkeyIsHeld(unsigned modifiers, int keyCode)
{
    g_fake.calls.push_back("probe");
    for (const auto &held : g_fake.heldElsewhere)
        if (held.first == modifiers && held.second == keyCode)
            return 1;
    return 0;
}

int ProbeVornIsRunning()
{
    return g_fake.vornRunning;
}

TargetVerdict ProbeTarget(const char *target, const wchar_t *)
{
    if (g_fake.missingTargets.count(target))
        return TARGET_MISSING;
    return g_fake.existingTargets.empty() || g_fake.existingTargets.count(target) ? TARGET_FOUND : TARGET_MISSING;
}

unsigned ProbeAnsiCodePage(unsigned oemCodePage)
{
    return g_fake.ansiCodePage ? g_fake.ansiCodePage : oemCodePage;
}

int ProbeTypedCharacters(unsigned modifiers, int keyCode, TypedCharacter *typed, int capacity)
{
    int count = 0;
    for (const auto &entry : g_fake.typed) {
        if (entry.modifiers == modifiers && entry.keyCode == keyCode)
            count = AddTypedCharacter(typed, count, capacity, entry.layout, entry.withCtrlAlt,
                                      entry.withCtrlAltResult, entry.without, entry.withoutResult);
    }
    return count;
}

void ProbeLayoutName(unsigned layout, int inEnglish, char *name, int capacity)
{
    g_fake.layoutNamesInEnglish.push_back(inEnglish != 0);
    auto names = g_fake.layoutNames.find(layout);
    std::u16string wide = names == g_fake.layoutNames.end() ? u"?" : inEnglish ? names->second.first
                                                                               : names->second.second;
    LayoutNameToUtf8(wide.c_str(), name, capacity);
}

int ProbeKeyForCharacter(char character, int *keyCode, unsigned *held, unsigned *layout)
{
    auto key = g_fake.keysForCharacters.find(character);
    if (key == g_fake.keysForCharacters.end())
        return 0;
    *keyCode = key->second.keyCode;
    *held = key->second.held;
    *layout = key->second.layout;
    return 1;
}

unsigned PlatformOemCodePage()
{
    return g_fake.oemCodePage;
}

// Bytes widen one to one, as Latin-1 would, so tests can predict the text;
// the real OEM conversion is tested on Windows. Like Windows, UTF-8 and
// GB18030 refuse every flag but MB_ERR_INVALID_CHARS.
int PlatformMultiByteToWide(unsigned codePage, unsigned flags, const char *source, int sourceBytes,
                            wchar_t *destination, int destinationChars)
{
    g_fake.calls.push_back("convert");
    g_fake.conversions.push_back({codePage, flags});
    unsigned actual = codePage == CP_OEMCP ? g_fake.oemCodePage : codePage;
    bool refusesFlags = actual == 65001 || actual == 54936;
    if (g_fake.conversionFails || sourceBytes > destinationChars || (refusesFlags && (flags & ~0x8u)))
        return 0;
    for (int i = 0; i < sourceBytes; ++i)
        destination[i] = (unsigned char)source[i];
    return sourceBytes;
}

void PlatformShellExecute(HWND window, const wchar_t *verb, const wchar_t *file,
                          const wchar_t *parameters, const wchar_t *directory,
                          int showCommand)
{
    g_fake.calls.push_back("shell");
    g_fake.shellExecutes.push_back({window, verb, file, parameters ? parameters : L"",
                                    parameters == nullptr, directory == nullptr, showCommand});
}

void PlatformMessageBox(HWND owner, const wchar_t *text, const wchar_t *title, unsigned style)
{
    g_fake.calls.push_back("messagebox");
    g_fake.messageBoxes.push_back({owner, text, title, style});
}

void PlatformSendMessage(HWND window, unsigned message, unsigned long long wParam,
                         long long lParam)
{
    g_fake.calls.push_back("send");
    g_fake.sentMessages.push_back({window, message, wParam, lParam});
}

void PlatformSetForegroundWindow(HWND window)
{
    g_fake.calls.push_back("foreground");
    g_fake.foregroundWindows.push_back(window);
}
