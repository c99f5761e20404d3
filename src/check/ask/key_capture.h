// What a key press does while a combination is being captured: the
// decision of the low-level keyboard hook, apart from the hook itself
// (key_capture_win32.cpp) so that every kind of press is host-tested.
#ifndef VORN_CHECK_KEY_CAPTURE_H
#define VORN_CHECK_KEY_CAPTURE_H

// The hook's messages, with Windows' numbers. Windows sends a press made
// with Alt held as a system key; Wine sends every press as a plain one.
enum {
    KEY_MESSAGE_DOWN = 0x0100,
    KEY_MESSAGE_UP = 0x0101,
    KEY_MESSAGE_SYSTEM_DOWN = 0x0104,
    KEY_MESSAGE_SYSTEM_UP = 0x0105
};

// A press given by a program rather than the keyboard (SendInput), as the
// hook's flags mark it.
enum { KEY_FLAG_INJECTED = 0x10 };

enum CaptureStep {
    CAPTURE_PASS,       // not ours: the press goes on to the program it was meant for
    CAPTURE_SWALLOW,    // ours, and nothing to show
    CAPTURE_MODIFIERS,  // ours; the modifiers held changed
    CAPTURE_DONE,       // ours; the combination is complete
    CAPTURE_CANCELLED   // ours; Esc
};

struct KeyCapture {
    int capturing;
    unsigned modifiers;       // MOD_ flags held now
    int keyCode;              // with CAPTURE_DONE, the key that ended the capture
    unsigned char owed[32];   // keys pressed while capturing whose release is still to come, a bit each
};

// Starts a capture with no key yet: modifiers still down from the last one
// (the user held them through a refusal) are held, and their releases owed.
// A capture starts zeroed.
void BeginCapture(KeyCapture *capture);

// What to do with one message of the hook for the key of a virtual-key code,
// with the hook's flags. While capturing, every press is ours: a modifier
// (generic or left/right, Win too) only changes the modifiers held, Esc
// cancels, and any other key ends the capture. A release is ours where its
// press was, so the shell never sees a Win key come up alone and opens no
// Start menu. Outside a capture the rest passes.
CaptureStep DecideCaptureKey(KeyCapture *capture, unsigned message, unsigned keyCode, unsigned flags);

#ifdef _WIN32
// Puts a low-level keyboard hook in place on a thread of its own, which
// pumps its messages; returns 0 once it is in place, else the system's
// error number. Keys pressed while
// capturing then reach nothing else: not the shell, not the IME, not the
// console.
unsigned long StartKeyCapture();

// Waits for the next combination. show is told the modifiers held each time
// they change. Returns CAPTURE_DONE with the combination, or CAPTURE_CANCELLED.
CaptureStep CaptureCombination(unsigned *modifiers, int *keyCode, void (*show)(unsigned modifiers));

// Takes the hook away and ends its thread.
void EndKeyCapture();
#endif

#endif
