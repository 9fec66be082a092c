// The information panel expands its user line on every redraw: the
// expansion of the default line should stay well under a microsecond, and
// is measured beside a plain copy of the bytes it produces.
#include <benchmark/benchmark.h>

#include <string.h>

#include <string>
#include <vector>

#include "app/BuiltinCopyKeys.h"
#include "core/Settings.h"
#include "template/Template.h"

namespace {

PointInfo SampleRecord() {
    PointInfo info;
    memset(&info, 0, sizeof(info));
    info.MouseX = 640;
    info.MouseY = 480;
    info.Red = 200;
    info.Green = 100;
    info.Blue = 50;
    info.Color = MakeColor(200, 100, 50);
    info.Hwnd = 0x00010A2C;
    strcpy(info.ClassName, "Notepad");
    strcpy(info.Text, "Untitled - Notepad");
    info.Rect = {10, 20, 810, 620};
    strcpy(info.ExeName, "notepad.exe");
    strcpy(info.ExePath, "C:\\Windows");
    info.Time = {2026, 12, 0, 6, 15, 5, 9, 0};
    return info;
}

// The panel's capacity for the user line.
const int kPanelCapacity = 200;

void BM_ExpandDefaultUserLine(benchmark::State& state) {
    PointInfo info = SampleRecord();
    char out[kPanelCapacity];
    for (auto _ : state) {
        int r = ExpandTemplate(out, DefaultUserFormat, kPanelCapacity, &info);
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
    }
    state.counters["out_bytes"] = (double)strlen(out);
    state.SetBytesProcessed(state.iterations() * (int64_t)strlen(out));
}
BENCHMARK(BM_ExpandDefaultUserLine);

// The floor: copying the same number of output bytes and nothing else.
void BM_PlainCopyOfTheSameBytes(benchmark::State& state) {
    PointInfo info = SampleRecord();
    char expanded[kPanelCapacity];
    ExpandTemplate(expanded, DefaultUserFormat, kPanelCapacity, &info);
    size_t n = strlen(expanded);
    char out[kPanelCapacity];
    for (auto _ : state) {
        benchmark::DoNotOptimize(expanded);
        memcpy(out, expanded, n + 1);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
    state.counters["out_bytes"] = (double)n;
    state.SetBytesProcessed(state.iterations() * (int64_t)n);
}
BENCHMARK(BM_PlainCopyOfTheSameBytes);

// Literal text only: the scan itself and the colour models every call
// computes.
void BM_ExpandPlainText(benchmark::State& state) {
    PointInfo info = SampleRecord();
    char out[kPanelCapacity];
    const char* text = "HSV(200,100, 50) HLS(200,100, 50)";
    for (auto _ : state) {
        int r = ExpandTemplate(out, text, kPanelCapacity, &info);
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ExpandPlainText);

// A capture key's text with window data and the date.
void BM_ExpandCaptureText(benchmark::State& state) {
    PointInfo info = SampleRecord();
    char out[4096];
    const char* text = "#[HEX02R][HEX02G][HEX02B] [CLASSNAME] [TEXT] [WIDTH]x[HEIGHT] \\3";
    for (auto _ : state) {
        int r = ExpandTemplate(out, text, sizeof(out), &info);
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ExpandCaptureText);

// The text templates of the built-in capture keys, all of them per
// iteration, at a capture's capacity.
void BM_ExpandBuiltinKeys(benchmark::State& state) {
    PointInfo info = SampleRecord();
    std::vector<std::string> templates;
    CopyKeyList list = nullptr;
    AddBuiltinCopyKeys(&list);
    CopyKey key;
    for (int i = 0; GetCopyKey(&list, i, &key); i++)
        if (key.Kind == CopyKindText)
            templates.push_back(key.Format);
    ClearCopyKeys(&list);
    char out[4096];
    for (auto _ : state) {
        for (const std::string& t : templates) {
            int r = ExpandTemplate(out, t.c_str(), sizeof(out), &info);
            benchmark::DoNotOptimize(r);
        }
        benchmark::ClobberMemory();
    }
    state.counters["templates"] = (double)templates.size();
}
BENCHMARK(BM_ExpandBuiltinKeys);

// A line of every colour-science token, the contrast against a previous
// colour: each family's model once, the colour name searched once. The
// line should stay under 5 microseconds.
void BM_ExpandEveryColourScienceToken(benchmark::State& state) {
    PointInfo info = SampleRecord();
    info.HasPreviousColor = 1;
    info.PreviousColor = MakeColor(255, 255, 255);
    const char* text =
        "[LABL] [LABA] [LABB] [LCHL] [LCHC] [LCHH] [OKL] [OKA] [OKB] [OKLCHL] [OKLCHC] [OKLCHH] "
        "[XYZX] [XYZY] [XYZZ] [HWBH] [HWBW] [HWBB] [CMYKC] [CMYKM] [CMYKY] [CMYKK] [LUM] [CONTRAST] [WCAG] "
        "[CSSRGB] [CSSHSL] [CSSLAB] [CSSOKLCH] [NAME]";
    char out[4096];
    for (auto _ : state) {
        int r = ExpandTemplate(out, text, sizeof(out), &info);
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
    }
    state.counters["out_bytes"] = (double)strlen(out);
}
BENCHMARK(BM_ExpandEveryColourScienceToken);

}  // namespace
