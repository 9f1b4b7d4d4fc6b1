// The benchmark suite: every operation beside its floor, for one or more
// sizes of a generated year, then one table of times, ratios and peak memory.
//   velmo_bench [--transactions=10000,100000] [Google Benchmark flags]
#include "bench_pairs.h"
#include "bench_year.h"
#include "peak_memory.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

struct Measured {
    double opMs = 0;
    double floorMs = 0;
    double peakMiB = -1;
};

// Keeps the console output and gathers the pairs for the closing table.
class TableReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            const auto slash = name.rfind('/');
            const std::string key = name.substr(0, slash);
            Measured& m = table_[key];
            const double ms = run.GetAdjustedRealTime() / Milliseconds(run.time_unit);
            if (name.substr(slash + 1) == "op") {
                m.opMs = ms;
                if (const auto peak = run.counters.find("peak_MiB"); peak != run.counters.end())
                    m.peakMiB = peak->second;
            } else {
                m.floorMs = ms;
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-34s %8s %12s %12s %7s %10s\n", "operation", "N", "time ms", "floor ms", "ratio", "peak MiB");
        for (const auto& [key, m] : table_) {
            const auto slash = key.rfind('/');
            const std::string peak = m.peakMiB < 0 ? "-" : std::to_string(m.peakMiB).substr(0, 6);
            std::printf("%-34s %8s %12.3f %12.3f %7.2f %10s\n", key.substr(0, slash).c_str(),
                        key.substr(slash + 1).c_str(), m.opMs, m.floorMs, m.floorMs > 0 ? m.opMs / m.floorMs : 0.0,
                        peak.c_str());
        }
    }

private:
    static double Milliseconds(benchmark::TimeUnit unit) {
        switch (unit) {
            case benchmark::kNanosecond:
                return 1e6;
            case benchmark::kMicrosecond:
                return 1e3;
            case benchmark::kMillisecond:
                return 1;
            case benchmark::kSecond:
                return 1e-3;
        }
        return 1;
    }
    std::map<std::string, Measured> table_;
};

std::vector<int> Sizes(int& argc, char** argv) {
    std::vector<int> sizes{1000};
    const char* flag = "--transactions=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], flag, std::strlen(flag)) != 0) continue;
        sizes.clear();
        for (const QString& n : QString::fromLatin1(argv[i] + std::strlen(flag)).split(QLatin1Char(',')))
            sizes.push_back(n.toInt());
        for (int j = i; j < argc - 1; ++j) argv[j] = argv[j + 1];
        --argc;
        break;
    }
    return sizes;
}

}  // namespace

void RegisterPair(const MeasuredPair& pair, int transactions) {
    const std::string base = pair.operation + "/" + std::to_string(transactions);
    benchmark::RegisterBenchmark((base + "/op").c_str(), [pair, transactions](benchmark::State& state) {
        BenchYear::ofSize(transactions);
        for (auto _ : state) pair.measured();
        if (pair.disagreement) {
            if (const QString what = pair.disagreement(); !what.isEmpty()) {
                ReportDisagreement(what);
                state.SkipWithError(what.toStdString().c_str());
            }
        }
        if (pair.withMemory) state.counters["peak_MiB"] = PeakBytesAbove(pair.measured) / (1024.0 * 1024.0);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((base + "/floor").c_str(), [pair, transactions](benchmark::State& state) {
        BenchYear::ofSize(transactions);
        for (auto _ : state) pair.floor();
    })->Unit(benchmark::kMillisecond);
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    for (const int n : Sizes(argc, argv)) {
        RegisterStoreBenchmarks(n);
        RegisterReportBenchmarks(n);
        RegisterImportBenchmarks(n);
        RegisterSearchBenchmarks(n);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    BenchYear::release();
    benchmark::Shutdown();
    return AnyDisagreement() ? 1 : 0;
}
