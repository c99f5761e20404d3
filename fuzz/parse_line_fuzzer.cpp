// Any bytes as one settings line (without its LF).
#include <stdint.h>
#include <string.h>

#include "fuzz_check.h"
#include "settings/setting_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    char line[1024];
    if (size >= sizeof line)
        return 0;
    memcpy(line, data, size);
    line[size] = '\0';
    size_t length = strlen(line);

    SettingLineFields split;
    SplitSettingLine(line, &split);
    for (const SettingField &field : split.fields) {
        FUZZ_CHECK(field.text >= line && field.length >= 0);
        FUZZ_CHECK(field.text + field.length <= line + length);
        FUZZ_CHECK(memchr(field.text, '\t', field.length) == nullptr);
    }

    ParsedSettingLine parsed;
    memset(&parsed, 0xa5, sizeof parsed);
    int result = ParseSettingLine(line, &parsed);
    FUZZ_CHECK(memchr(parsed.target, '\0', sizeof parsed.target) != nullptr);
    FUZZ_CHECK(memchr(parsed.parameters, '\0', sizeof parsed.parameters) != nullptr);
    FUZZ_CHECK((result == 0) == (parsed.keyCode != 0 && parsed.action != ACTION_NONE));
    FUZZ_CHECK(parsed.modifiers <= (MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN));
    FUZZ_CHECK(parsed.action >= ACTION_NONE && parsed.action <= ACTION_EXEC);
    FUZZ_CHECK(parsed.keyCode >= -128 && parsed.keyCode <= 127);
    return 0;
}
