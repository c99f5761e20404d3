#include "check/ask/key_capture.h"
#include "platform/win32_values.h"

// The modifier a virtual-key code is, generic or left/right; 0 for other keys.
static unsigned ModifierOf(unsigned keyCode)
{
    switch (keyCode) {
    case 0x10:  // VK_SHIFT
    case 0xA0:  // VK_LSHIFT
    case 0xA1:  // VK_RSHIFT
        return MOD_SHIFT;
    case 0x11:  // VK_CONTROL
    case 0xA2:  // VK_LCONTROL
    case 0xA3:  // VK_RCONTROL
        return MOD_CONTROL;
    case 0x12:  // VK_MENU
    case 0xA4:  // VK_LMENU
    case 0xA5:  // VK_RMENU
        return MOD_ALT;
    case 0x5B:  // VK_LWIN
    case 0x5C:  // VK_RWIN
        return MOD_WIN;
    default:
        return 0;
    }
}

static const unsigned ESCAPE = 0x1B;

static int IsOwed(const KeyCapture *capture, unsigned keyCode)
{
    return (capture->owed[keyCode / 8] >> (keyCode % 8)) & 1;
}

// The modifiers whose keys were pressed in a capture and are still down.
static unsigned HeldModifiers(const KeyCapture *capture)
{
    unsigned held = 0;
    for (unsigned keyCode = 0; keyCode < 256; ++keyCode) {
        if (IsOwed(capture, keyCode))
            held |= ModifierOf(keyCode);
    }
    return held;
}

void BeginCapture(KeyCapture *capture)
{
    capture->capturing = 1;
    capture->modifiers = HeldModifiers(capture);
    capture->keyCode = 0;
}

static void SetOwed(KeyCapture *capture, unsigned keyCode, int owed)
{
    unsigned char bit = (unsigned char)(1u << (keyCode % 8));
    if (owed)
        capture->owed[keyCode / 8] |= bit;
    else
        capture->owed[keyCode / 8] &= (unsigned char)~bit;
}

// A press may come as the generic code and its release as the left or
// right one, or the other way round: a generic release ends every key of its
// modifier, a left or right one also the generic one.
static void ReleaseKey(KeyCapture *capture, unsigned keyCode, unsigned modifier)
{
    SetOwed(capture, keyCode, 0);
    for (unsigned other = 0; other < 256; ++other) {
        int generic = other == 0x10 || other == 0x11 || other == 0x12;
        int releasedGeneric = keyCode == 0x10 || keyCode == 0x11 || keyCode == 0x12;
        if (modifier && ModifierOf(other) == modifier && (generic || releasedGeneric))
            SetOwed(capture, other, 0);
    }
}

CaptureStep DecideCaptureKey(KeyCapture *capture, unsigned message, unsigned keyCode, unsigned flags)
{
    (void)flags;  // a press SendInput gives is captured as the keyboard's own
    keyCode &= 0xFF;
    unsigned modifier = ModifierOf(keyCode);
    if (message == KEY_MESSAGE_UP || message == KEY_MESSAGE_SYSTEM_UP) {
        if (modifier ? !(HeldModifiers(capture) & modifier) : !IsOwed(capture, keyCode))
            return CAPTURE_PASS;
        ReleaseKey(capture, keyCode, modifier);
        // The other key of the same modifier may still be down; then it stays held.
        if (capture->capturing && modifier && !(HeldModifiers(capture) & modifier)) {
            capture->modifiers &= ~modifier;
            return CAPTURE_MODIFIERS;
        }
        return CAPTURE_SWALLOW;
    }
    if (message != KEY_MESSAGE_DOWN && message != KEY_MESSAGE_SYSTEM_DOWN)
        return CAPTURE_PASS;
    if (!capture->capturing)
        return IsOwed(capture, keyCode) ? CAPTURE_SWALLOW : CAPTURE_PASS;  // a held key repeating
    SetOwed(capture, keyCode, 1);
    if (modifier) {
        if (capture->modifiers & modifier)
            return CAPTURE_SWALLOW;  // held down, it repeats
        capture->modifiers |= modifier;
        return CAPTURE_MODIFIERS;
    }
    capture->capturing = 0;
    if (keyCode == ESCAPE)
        return CAPTURE_CANCELLED;
    capture->keyCode = (int)keyCode;
    return CAPTURE_DONE;
}
