// fieldValue against the standard library's own reader, std::from_chars, on
// the texts a field typically holds: the main window's initial texts and
// results as the calculators write them. Each is timed over the whole set;
// the median of the repetitions gives the ratio printed at the end.

#include "core/FieldText.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <map>
#include <string>
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

// The console report, keeping each benchmark's median for the ratio.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter()
        : ConsoleReporter(OO_Tabular) {} // no colours: the output goes to logs
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medianNs[run.run_name.function_name] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> medianNs;
};

} // namespace

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const double fieldValueNs = reporter.medianNs["fieldValueOnTexts"];
    const double fromCharsNs = reporter.medianNs["fromCharsOnTexts"];
    if (fieldValueNs > 0 && fromCharsNs > 0) {
        const double ratio = fieldValueNs / fromCharsNs;
        std::printf("fieldValue / from_chars (median): %.3f (target <= 1.50: %s)\n", ratio,
                    ratio <= 1.5 ? "met" : "MISSED");
    }
    return 0;
}
