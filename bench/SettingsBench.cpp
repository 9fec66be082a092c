// Start-up reads system.ini once; a typical file (all 44 keys and twelve
// capture keys) should parse in well under 50 microseconds.
#include <benchmark/benchmark.h>

#include <string>

#include "app/BuiltinCopyKeys.h"
#include "settings/SettingsText.h"

namespace {

int Append(void* context, const char* bytes, size_t length) {
    ((std::string*)context)->append(bytes, length);
    return 1;
}

std::string TypicalFile() {
    Settings s;
    SetDefaultSettings(&s);
    s.HistoryCount = 8;
    for (int i = 0; i < 8; i++)
        s.HistoryColor[i] = MakeColor(30 * i, 255 - 30 * i, 7 * i);
    CopyKeyList keys = nullptr;
    AddBuiltinCopyKeys(&keys);
    std::string text;
    WriteSettingsText(&s, &keys, Append, &text);
    ClearCopyKeys(&keys);
    return text;
}

void BM_ParseTypicalSettingsFile(benchmark::State& state) {
    std::string text = TypicalFile();
    for (auto _ : state) {
        Settings s;
        SetDefaultSettings(&s);
        CopyKeyList keys = nullptr;
        ParseSettingsText(text.data(), text.size(), &s, &keys);
        benchmark::DoNotOptimize(s);
        ClearCopyKeys(&keys);
    }
    state.counters["file_bytes"] = (double)text.size();
    state.SetBytesProcessed(state.iterations() * (int64_t)text.size());
}
BENCHMARK(BM_ParseTypicalSettingsFile)->Unit(benchmark::kMicrosecond);

void BM_WriteTypicalSettingsFile(benchmark::State& state) {
    std::string text = TypicalFile();
    Settings s;
    SetDefaultSettings(&s);
    CopyKeyList keys = nullptr;
    ParseSettingsText(text.data(), text.size(), &s, &keys);
    std::string out;
    out.reserve(text.size());
    for (auto _ : state) {
        out.clear();
        WriteSettingsText(&s, &keys, Append, &out);
        benchmark::DoNotOptimize(out.data());
    }
    ClearCopyKeys(&keys);
}
BENCHMARK(BM_WriteTypicalSettingsFile)->Unit(benchmark::kMicrosecond);

}  // namespace
