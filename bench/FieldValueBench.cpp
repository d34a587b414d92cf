// fieldValue against the standard library's own reader, std::from_chars, on
// the texts a field typically holds: the main window's initial texts and
// results as the calculators write them. Each is timed over the whole set;
// bench/run prints the ratio of the medians of their repetitions.

#include "core/FieldText.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 16> typicalTexts = {
    "60",       "21",      "34.6", "25",   "74",   "65",   "26", "12.873",
    "101.6478", "57.9914", "0",    "3929", "1276", "0.25", "-3", "1800",
};

void fieldValueOnTexts(benchmark::State& state) {
    for (auto _ : state)
        for (const std::string_view text : typicalTexts)
            benchmark::DoNotOptimize(kelvora::fieldValue(text));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(typicalTexts.size()));
}

void fromCharsOnTexts(benchmark::State& state) {
    for (auto _ : state)
        for (const std::string_view text : typicalTexts) {
            double value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            benchmark::DoNotOptimize(value);
        }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(typicalTexts.size()));
}

BENCHMARK(fieldValueOnTexts)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(fromCharsOnTexts)->Repetitions(7)->ReportAggregatesOnly(true);

} // namespace

// bench/run works out the ratio of the two medians from the CSV it asks for.
BENCHMARK_MAIN();
