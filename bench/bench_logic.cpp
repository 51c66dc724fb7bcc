// The display-mode scan over 100, 1,000 and 10,000 modes, and the Modes_Delta composition:
// both should grow no faster than their input.
#include <benchmark/benchmark.h>

#include "catalogue/adapters.h"
#include "delta/modes_delta.h"
#include "grid/display_scan.h"

namespace {

using namespace vexmora;

struct Modes : DisplayModesApi {
    std::vector<DisplayMode> modes;
    bool EnumMode(std::int32_t index, DisplayMode* mode) override {
        if (index < 0 || std::size_t(index) >= modes.size()) return false;
        *mode = modes[index];
        return true;
    }
    bool EnumDevice(const std::string&, std::uint32_t, DisplayDevice*) override { return false; }
};

void Scan(benchmark::State& state) {
    Modes display;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        const ResolutionRow& row = kRows[i % kRowCount];
        display.modes.push_back(
            {32, std::uint32_t(row.width), std::uint32_t(row.height), std::uint32_t(60 + i % 60)});
    }
    for (auto _ : state) {
        RateLabels labels;
        FillRatesFromModes(display, labels);
        benchmark::DoNotOptimize(labels);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(Scan)->Arg(100)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN);

void Compose(benchmark::State& state) {
    std::array<std::string, kRowCount> tokens;
    tokens.fill(CalcRates("85"));
    const std::string factory = FindAdapter("NVIDIA GeForce3")->factoryDelta;
    for (auto _ : state) benchmark::DoNotOptimize(BuildModesDelta(tokens, factory));
}
BENCHMARK(Compose);

}  // namespace

BENCHMARK_MAIN();
