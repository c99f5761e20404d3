// The capture's decision on each press the low-level keyboard hook is given.
#include <gtest/gtest.h>

#include <vector>

#include "check/ask/key_capture.h"
#include "platform/win32_values.h"

namespace {

const unsigned DOWN = KEY_MESSAGE_DOWN, UP = KEY_MESSAGE_UP, SYS_DOWN = KEY_MESSAGE_SYSTEM_DOWN,
               SYS_UP = KEY_MESSAGE_SYSTEM_UP, INJECTED = KEY_FLAG_INJECTED;

struct Press {
    unsigned message;
    unsigned keyCode;
    unsigned flags;
    CaptureStep step;
};

struct Sequence {
    const char *what;
    std::vector<Press> presses;
    unsigned modifiers;  // held at the end
    int keyCode;         // the key that ended it, or 0
};

// Each sequence from the start of a capture; Windows' left/right codes and
// system keys, Wine's generic codes and injected plain presses alike.
TEST(KeyCapture, TakesEveryKindOfPressAndSwallowsItsRelease)
{
    const Sequence sequences[] = {
        {"Wine: Ctrl+Alt+N by SendInput, Alt as a plain press of VK_MENU",
         {{DOWN, 0x11, INJECTED, CAPTURE_MODIFIERS},
          {DOWN, 0x12, INJECTED, CAPTURE_MODIFIERS},
          {DOWN, 'N', INJECTED, CAPTURE_DONE},
          {UP, 'N', INJECTED, CAPTURE_SWALLOW},
          {UP, 0x12, INJECTED, CAPTURE_SWALLOW},
          {UP, 0x11, INJECTED, CAPTURE_SWALLOW},
          {DOWN, 'N', INJECTED, CAPTURE_PASS}},
         MOD_CONTROL | MOD_ALT,
         'N'},
        {"Windows: right Ctrl, left Alt as system keys, then N",
         {{DOWN, 0xA3, 0, CAPTURE_MODIFIERS},
          {SYS_DOWN, 0xA4, 0, CAPTURE_MODIFIERS},
          {SYS_DOWN, 'N', 0, CAPTURE_DONE},
          {SYS_UP, 'N', 0, CAPTURE_SWALLOW},
          {SYS_UP, 0xA4, 0, CAPTURE_SWALLOW},
          {UP, 0xA3, 0, CAPTURE_SWALLOW}},
         MOD_CONTROL | MOD_ALT,
         'N'},
        {"Win and Home: the Win key's release is swallowed too",
         {{DOWN, 0x5B, 0, CAPTURE_MODIFIERS},
          {DOWN, 0x24, 0, CAPTURE_DONE},
          {UP, 0x5B, 0, CAPTURE_SWALLOW},
          {UP, 0x24, 0, CAPTURE_SWALLOW}},
         MOD_WIN,
         0x24},
        {"Right Win and Shift, held down and repeating",
         {{DOWN, 0x5C, 0, CAPTURE_MODIFIERS},
          {DOWN, 0xA1, 0, CAPTURE_MODIFIERS},
          {DOWN, 0xA1, 0, CAPTURE_SWALLOW},
          {DOWN, 0x10, 0, CAPTURE_SWALLOW},
          {DOWN, 0x74, 0, CAPTURE_DONE},
          {DOWN, 0x74, 0, CAPTURE_SWALLOW}},
         MOD_WIN | MOD_SHIFT,
         0x74},
        {"A modifier let go is no longer held; the other Ctrl keeps Ctrl held",
         {{DOWN, 0xA2, 0, CAPTURE_MODIFIERS},
          {DOWN, 0xA3, 0, CAPTURE_SWALLOW},
          {DOWN, 0xA0, 0, CAPTURE_MODIFIERS},
          {UP, 0xA0, 0, CAPTURE_MODIFIERS},
          {UP, 0xA2, 0, CAPTURE_SWALLOW},
          {DOWN, 'K', 0, CAPTURE_DONE}},
         MOD_CONTROL,
         'K'},
        {"Pressed as the generic code, let go as the left one",
         {{DOWN, 0x10, INJECTED, CAPTURE_MODIFIERS},
          {UP, 0xA0, INJECTED, CAPTURE_MODIFIERS},
          {DOWN, 0x12, INJECTED, CAPTURE_MODIFIERS},
          {UP, 0x12, INJECTED, CAPTURE_MODIFIERS},
          {DOWN, 'Q', INJECTED, CAPTURE_DONE}},
         0,
         'Q'},
        {"Esc cancels, with modifiers held or not",
         {{SYS_DOWN, 0x12, 0, CAPTURE_MODIFIERS}, {SYS_DOWN, 0x1B, 0, CAPTURE_CANCELLED}, {SYS_UP, 0x1B, 0, CAPTURE_SWALLOW}},
         MOD_ALT,
         0},
        {"A key pressed before the capture comes up past it",
         {{UP, 0x0D, 0, CAPTURE_PASS}, {UP, 0x11, 0, CAPTURE_PASS}, {DOWN, 0x70, INJECTED, CAPTURE_DONE}},
         0,
         0x70},
        {"Messages that are no key's press or release pass",
         {{0x0102, 'A', 0, CAPTURE_PASS}, {DOWN, 'A', 0, CAPTURE_DONE}},
         0,
         'A'},
    };
    for (const Sequence &sequence : sequences) {
        KeyCapture capture = {};
        BeginCapture(&capture);
        for (size_t i = 0; i < sequence.presses.size(); ++i) {
            const Press &press = sequence.presses[i];
            EXPECT_EQ(DecideCaptureKey(&capture, press.message, press.keyCode, press.flags), press.step)
                << sequence.what << ", press " << i;
        }
        EXPECT_EQ(capture.modifiers, sequence.modifiers) << sequence.what;
        EXPECT_EQ(capture.keyCode, sequence.keyCode) << sequence.what;
    }
}

// Modifiers held through a refused combination count in the next capture;
// once let go they pass, and outside a capture every other press passes.
TEST(KeyCapture, KeepsModifiersHeldIntoTheNextCapture)
{
    KeyCapture capture = {};
    BeginCapture(&capture);
    DecideCaptureKey(&capture, DOWN, 0x11, INJECTED);
    DecideCaptureKey(&capture, DOWN, 0x12, INJECTED);
    EXPECT_EQ(DecideCaptureKey(&capture, DOWN, 0x7B, INJECTED), CAPTURE_DONE);
    EXPECT_EQ(DecideCaptureKey(&capture, UP, 0x7B, INJECTED), CAPTURE_SWALLOW);
    EXPECT_EQ(DecideCaptureKey(&capture, DOWN, 'A', 0), CAPTURE_PASS);
    BeginCapture(&capture);
    EXPECT_EQ(capture.modifiers, (unsigned)(MOD_CONTROL | MOD_ALT));
    EXPECT_EQ(DecideCaptureKey(&capture, DOWN, 'M', INJECTED), CAPTURE_DONE);
    EXPECT_EQ(capture.keyCode, 'M');
    EXPECT_EQ(DecideCaptureKey(&capture, UP, 0x12, INJECTED), CAPTURE_SWALLOW);
    EXPECT_EQ(DecideCaptureKey(&capture, UP, 0x11, INJECTED), CAPTURE_SWALLOW);
    EXPECT_EQ(DecideCaptureKey(&capture, UP, 0x11, INJECTED), CAPTURE_PASS);
    BeginCapture(&capture);
    EXPECT_EQ(capture.modifiers, 0u);
}

}  // namespace
