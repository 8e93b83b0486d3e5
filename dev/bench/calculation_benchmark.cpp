// One whole calculation on the core (the "Berechnen" path), against the same
// formulas on plain doubles as the floor; prints both and their ratio.
#include "handlers/program.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

namespace {

using kelvaro::NumberFormat;
using kelvaro::Program;

void BM_CoreCalculation(benchmark::State& state) {
    Program program(NumberFormat(','));
    program.start();
    for (auto _ : state) {
        program.calculation.Form1_Command1_Click();
    }
    const char* average = program.form.averageKbps.text().data();
    benchmark::DoNotOptimize(average);
}
BENCHMARK(BM_CoreCalculation);

// The input changes on every run, so every result field is really rewritten.
void BM_CoreCalculationChangingInput(benchmark::State& state) {
    Program program(NumberFormat(','));
    program.start();
    bool odd = false;
    for (auto _ : state) {
        program.form.extrasMb.setText(odd ? "1" : "0");
        odd = !odd;
        program.calculation.Form1_Command1_Click();
    }
    const char* average = program.form.averageKbps.text().data();
    benchmark::DoNotOptimize(average);
}
BENCHMARK(BM_CoreCalculationChangingInput);

struct Results {
    double average, minimum, maximum, video, total;
    float bars[6];
};

// The floor: the formulas with the five-character cut of the average done
// arithmetically, without fields, texts or conversions.
Results plainCalculation(double minutes, double tracks1, double rate1, double tracks2, double rate2,
                         double capacity, double extras, double subtitles, double overhead) {
    Results r{};
    const double seconds = minutes * 60;
    const double audio1 = seconds * tracks1 * rate1;
    const double audio2 = seconds * tracks2 * rate2;
    const double video =
        capacity - audio1 - audio2 - extras * 1024 - subtitles * 1024 * 0.5 - overhead * 1024;
    double average = std::trunc(video * 8 / seconds);
    if (average >= 9608) {
        average = 9608;
    }
    r.average = average;
    r.minimum = (average + 500) / 2;
    r.maximum = (average + 9800) / 2;
    r.video = seconds * average / 8 / 1024;
    r.total = r.video + (audio1 / 1024 + audio2 / 1024);
    const double sizes[3] = {r.video, audio1 / 1024, audio2 / 1024};
    for (int i = 0; i < 3; ++i) {
        r.bars[i] = static_cast<float>(sizes[i] / 4);
        r.bars[i + 3] = static_cast<float>(sizes[i] / 7.4);
    }
    return r;
}

void BM_PlainDoublesFloor(benchmark::State& state) {
    double minutes = 120;
    for (auto _ : state) {
        benchmark::DoNotOptimize(minutes);
        Results r = plainCalculation(minutes, 1, 16, 1, 0, 4596736, 0, 0, 80);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_PlainDoublesFloor);

// Prints the usual table, then the ratio of the core to the floor.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // One figure per benchmark: the median when it runs repeatedly.
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") {
                continue;
            }
            nanoseconds_[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const double floor = nanoseconds_["BM_PlainDoublesFloor"];
        for (const char* name : {"BM_CoreCalculation", "BM_CoreCalculationChangingInput"}) {
            if (floor > 0 && nanoseconds_.count(name)) {
                std::printf("%s: %.1f ns, floor %.1f ns, ratio %.0f\n", name, nanoseconds_[name],
                            floor, nanoseconds_[name] / floor);
            }
        }
    }

private:
    std::map<std::string, double> nanoseconds_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
