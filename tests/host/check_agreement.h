// vorn-check must never contradict Vorn: the lines it reports as bound are
// exactly the slots the loader registers, with the same combinations, and it
// flags a duplicate exactly where an earlier bound line holds the combination.
#ifndef VORN_TESTS_CHECK_AGREEMENT_H
#define VORN_TESTS_CHECK_AGREEMENT_H

#include <string>
#include <vector>

#include "check/read/setting_check.h"
#include "fake_platform.h"
#include "settings/setting_loader.h"

// The first disagreement between vorn-check and the loader on the file, or
// an empty text when they agree.
inline std::string CheckDisagreesWithLoader(const std::string &contents)
{
    ResetFakePlatform();
    g_fake.fileContents = contents;
    LoadSettingFile((HWND)0x99);
    std::vector<RecordedHotkey> registered = g_fake.registered;

    ResetFakePlatform();
    g_fake.fileContents = contents;
    std::vector<LineVerdict> bound;
    auto collect = [](void *context, const LineVerdict *verdict) {
        if (verdict->problem == PROBLEM_NONE && verdict->slot >= 0)
            ((std::vector<LineVerdict> *)context)->push_back(*verdict);
    };
    CheckSummary summary;
    CheckSettingFile(L"setting.vorn", 932, collect, &bound, &summary);

    if (bound.size() != registered.size())
        return std::to_string(bound.size()) + " lines reported bound, " + std::to_string(registered.size()) +
               " registered";
    for (size_t i = 0; i < bound.size(); ++i) {
        const LineVerdict &line = bound[i];
        if (registered[i].id != HOTKEY_ID_BASE + line.slot || registered[i].modifiers != line.parsed.modifiers ||
            registered[i].keyCode != line.parsed.keyCode)
            return "line " + std::to_string(line.number) + " is reported otherwise than registered";
        bool taken = false;
        for (size_t j = 0; j < i; ++j)
            taken |= bound[j].parsed.modifiers == line.parsed.modifiers && bound[j].parsed.keyCode == line.parsed.keyCode;
        if (taken != ((line.warnings & WARNING_DUPLICATE) != 0))
            return "line " + std::to_string(line.number) + (taken ? " is a duplicate not flagged" : " is flagged a duplicate");
    }
    return std::string();
}

#endif
