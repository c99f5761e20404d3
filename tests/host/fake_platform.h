// A recording stand-in for the platform operations: serves the settings file
// from memory in reads of a chosen size and records every call it receives.
#ifndef VORN_TESTS_FAKE_PLATFORM_H
#define VORN_TESTS_FAKE_PLATFORM_H

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

struct RecordedHotkey {
    HWND window;
    int id;
    unsigned modifiers;
    int keyCode;
};

struct RecordedShellExecute {
    HWND window;
    std::wstring verb;
    std::wstring file;
    std::wstring parameters;
    bool parametersNull;
    bool directoryNull;
    int showCommand;
};

struct RecordedMessageBox {
    HWND owner;
    std::wstring text;
    std::wstring title;
    unsigned style;
};

struct RecordedMessage {
    HWND window;
    unsigned message;
    unsigned long long wParam;
    long long lParam;
};

struct FakePlatform {
    // The file as the test sets it up.
    std::string fileContents;
    bool fileExists = true;
    int readSize = 99;        // the most bytes one read delivers
    int failReadNumber = -1;  // the read (counted from 0) that fails, or -1
    bool conversionFails = false;
    unsigned oemCodePage = 437;
    std::vector<std::pair<unsigned, int>> heldElsewhere;  // combinations other programs hold
    bool vornRunning = false;
    std::set<std::string> missingTargets;  // targets the shell would not find
    std::set<std::string> existingTargets;  // where any are named, the only targets found
    unsigned ansiCodePage = 0;             // 0: the same as the OEM code page asked about
    // What ToUnicodeEx answers for a combination on one of the user's
    // layouts (by its language), with Ctrl+Alt and without.
    struct Typed {
        unsigned modifiers;
        int keyCode;
        unsigned layout;
        int withCtrlAltResult;
        const char16_t *withCtrlAlt;
        int withoutResult = 1;
        const char16_t *without = u"x";
    };
    std::vector<Typed> typed;
    // A language's name in English and in the display language.
    std::map<unsigned, std::pair<std::u16string, std::u16string>> layoutNames;
    // The key that types a character on the user's layout, as VkKeyScanExW gives it.
    struct KeyForCharacter {
        int keyCode;
        unsigned held;
        unsigned layout;
    };
    std::map<char, KeyForCharacter> keysForCharacters;

    // What the code under test did.
    std::vector<std::wstring> openedNames;
    int readCount = 0;
    std::vector<int> readRequests;  // how many bytes each read asked for
    size_t readOffset = 0;
    int openFiles = 0;
    std::vector<RecordedHotkey> registered;
    std::vector<RecordedHotkey> unregistered;
    std::vector<RecordedShellExecute> shellExecutes;
    std::vector<RecordedMessageBox> messageBoxes;
    std::vector<RecordedMessage> sentMessages;
    std::vector<HWND> foregroundWindows;
    std::vector<std::pair<unsigned, unsigned>> conversions;  // code page and flags of each
    std::vector<bool> layoutNamesInEnglish;  // how each layout name was asked for
    std::vector<std::string> calls;  // operation names in the order they came
};

extern FakePlatform g_fake;

// Fresh fake and an empty binding table, for the start of each test.
void ResetFakePlatform();

#endif
