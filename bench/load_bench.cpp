// Parsing and loading a full 50-line settings file through the fake platform,
// beside a baseline that only reads the same file through the fake.
#include <benchmark/benchmark.h>

#include <string>

#include "fake_platform.h"
#include "settings/setting_line.h"
#include "settings/setting_loader.h"

namespace {

std::string FiftyLineFile()
{
    std::string file;
    for (int i = 0; i < MAX_BINDINGS; ++i)
        file += std::string(i % 2 ? "CA" : "CS") + "\t" + (char)('A' + i % 26) +
                "\tEXEC\tC:\\Program Files\\Some Tools\\editor.exe\t--open \"notes " + std::to_string(i) + ".txt\"\r\n";
    return file;
}

void PrepareFake(const std::string &file)
{
    ResetFakePlatform();
    g_fake.fileContents = file;
    g_fake.calls.reserve(256);
    g_fake.registered.reserve(MAX_BINDINGS);
}

// The floor: the same file read through the fake in the same 99-byte pieces, nothing parsed.
void ReadOnlyBaseline(benchmark::State &state)
{
    std::string file = FiftyLineFile();
    for (auto _ : state) {
        PrepareFake(file);
        HANDLE handle;
        PlatformOpenFile(L"setting.vorn", &handle);
        char chunk[99];
        int lineFeeds = 0;
        for (int count; (count = PlatformReadFile(handle, chunk, sizeof chunk)) > 0;)
            for (int i = 0; i < count; ++i)
                lineFeeds += chunk[i] == '\n';
        PlatformCloseFile(handle);
        benchmark::DoNotOptimize(lineFeeds);
    }
    state.SetItemsProcessed(state.iterations() * MAX_BINDINGS);
}
BENCHMARK(ReadOnlyBaseline);

void LoadFiftyLineFile(benchmark::State &state)
{
    std::string file = FiftyLineFile();
    for (auto _ : state) {
        PrepareFake(file);
        LoadSettingFile((HWND)1);
        benchmark::DoNotOptimize(g_bindings.count);
    }
    state.SetItemsProcessed(state.iterations() * MAX_BINDINGS);
}
BENCHMARK(LoadFiftyLineFile);

void ParseOneLine(benchmark::State &state)
{
    const char *line = "CA\tE\tEXEC\tC:\\Program Files\\Some Tools\\editor.exe\t--open \"notes 7.txt\"\r";
    ParsedSettingLine parsed;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseSettingLine(line, &parsed));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ParseOneLine);

}  // namespace

BENCHMARK_MAIN();
