// Any bytes as the settings file, served in reads of a size the input chooses,
// with a read that may fail, through the recording fake platform; and
// vorn-check's report and corrections of the same bytes.
#include <stdint.h>
#include <string.h>

#include <string>
#include <vector>

#include "check/read/setting_fix.h"
#include "check_agreement.h"
#include "fake_platform.h"
#include "fuzz_check.h"
#include "settings/setting_loader.h"

namespace {

HWND const WINDOW = (HWND)0x77;

struct Outcome {
    BindingTable table;
    std::vector<RecordedHotkey> registered;
};

Outcome Load(const std::string &contents, int readSize, int failReadNumber)
{
    ResetFakePlatform();
    g_fake.fileContents = contents;
    g_fake.readSize = readSize;
    g_fake.failReadNumber = failReadNumber;
    FUZZ_CHECK(LoadSettingFile(WINDOW) == 0);
    FUZZ_CHECK(g_fake.openFiles == 0);
    return Outcome{g_bindings, g_fake.registered};
}

void CheckTable(const Outcome &outcome)
{
    const BindingTable &table = outcome.table;
    FUZZ_CHECK(table.count >= 0 && table.count <= MAX_BINDINGS);

    // A slot is registered exactly when its line was accepted, under 10000 + slot.
    size_t next = 0;
    for (int slot = 0; slot < MAX_BINDINGS; ++slot) {
        const HotkeyBinding &binding = table.slots[slot];
        FUZZ_CHECK(memchr(binding.target, '\0', sizeof binding.target) != nullptr);
        FUZZ_CHECK(memchr(binding.parameters, '\0', sizeof binding.parameters) != nullptr);
        if (slot >= table.count) {
            FUZZ_CHECK(binding.action == ACTION_NONE && binding.target[0] == '\0');
            continue;
        }
        if (binding.action == ACTION_NONE)
            continue;
        FUZZ_CHECK(binding.action >= ACTION_QUIT && binding.action <= ACTION_EXEC);
        FUZZ_CHECK(next < outcome.registered.size());
        FUZZ_CHECK(outcome.registered[next].id == HOTKEY_ID_BASE + slot);
        FUZZ_CHECK(outcome.registered[next].window == WINDOW);
        FUZZ_CHECK(outcome.registered[next].keyCode != 0);
        ++next;
    }
    FUZZ_CHECK(next == outcome.registered.size());
}

bool SameTable(const Outcome &a, const Outcome &b)
{
    if (a.table.count != b.table.count || a.registered.size() != b.registered.size())
        return false;
    for (size_t i = 0; i < a.registered.size(); ++i) {
        const RecordedHotkey &x = a.registered[i], &y = b.registered[i];
        if (x.id != y.id || x.modifiers != y.modifiers || x.keyCode != y.keyCode)
            return false;
    }
    return memcmp(a.table.slots, b.table.slots, sizeof a.table.slots) == 0;
}

int LineEnds(const char *text, int length)
{
    int count = 0;
    for (int i = 0; i < length; ++i)
        count += text[i] == '\n';
    return count;
}

// Corrected, every line keeps its slot, at most the last gains its line
// end, and the corrected file has nothing more to correct.
void CheckCorrections(const std::string &contents)
{
    static SettingFix fix, again;
    FixSettingText(contents.data(), (int)contents.size(), 932, &fix);
    if (!FixChangesFile(&fix))
        return;
    int added = LineEnds(fix.fixed, fix.fixedLength) - LineEnds(fix.text, fix.textLength);
    FUZZ_CHECK(added == 0 || added == 1);
    FixSettingText(fix.fixed, fix.fixedLength, 932, &again);
    FUZZ_CHECK(again.changedLines == 0);
}

}  // namespace

// The first byte chooses the read size, the second whether a read fails.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    int readSize = data[0] % 99 + 1;
    int failReadNumber = data[1] < 32 ? data[1] : -1;
    std::string contents((const char *)data + 2, size - 2);

    Outcome outcome = Load(contents, readSize, failReadNumber);
    CheckTable(outcome);
    if (failReadNumber < 0)
        FUZZ_CHECK(SameTable(outcome, Load(contents, 99, -1)));
    // vorn-check reports exactly what the loader binds.
    FUZZ_CHECK(CheckDisagreesWithLoader(contents).empty());
    CheckCorrections(contents);
    return 0;
}
