// The benchmark suite: every operation beside its floor, for one or more
// sizes of a generated year, then one table of times, ratios and peak memory.
//   velmo_bench [--transactions=10000,100000] [--report-transactions=1000000]
//               [Google Benchmark flags]
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
    double hledgerMs = -1;  // the peers on the same books, where installed
    double ledgerMs = -1;
};

// Keeps the console output and gathers the pairs for the closing table.
class TableReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions, only their median goes into the table.
            if (run.repetitions > 1 && (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")) continue;
            const std::string name = run.run_name.str();
            const auto slash = name.rfind('/');
            const std::string key = name.substr(0, slash);
            Measured& m = table_[key];
            const double ms = run.GetAdjustedRealTime() / Milliseconds(run.time_unit);
            const std::string kind = name.substr(slash + 1);
            if (kind == "op") {
                m.opMs = ms;
                if (const auto peak = run.counters.find("peak_MiB"); peak != run.counters.end())
                    m.peakMiB = peak->second;
            } else if (kind == "hledger") {
                m.hledgerMs = ms;
            } else if (kind == "ledger") {
                m.ledgerMs = ms;
            } else {
                m.floorMs = ms;
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-34s %8s %12s %12s %7s %10s %12s %12s\n", "operation", "N", "time ms", "floor ms", "ratio",
                    "peak MiB", "hledger ms", "ledger ms");
        // A figure not measured stays blank.
        const auto figure = [](double value, int precision) {
            if (value < 0) return std::string();
            char text[32];
            std::snprintf(text, sizeof text, "%.*f", precision, value);
            return std::string(text);
        };
        for (const auto& [key, m] : table_) {
            const auto slash = key.rfind('/');
            std::printf("%-34s %8s %12.3f %12.3f %7.2f %10s %12s %12s\n", key.substr(0, slash).c_str(),
                        key.substr(slash + 1).c_str(), m.opMs, m.floorMs, m.floorMs > 0 ? m.opMs / m.floorMs : 0.0,
                        figure(m.peakMiB, 2).c_str(), figure(m.hledgerMs, 1).c_str(), figure(m.ledgerMs, 1).c_str());
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

// The sizes given by the flag (removed from the arguments), or the defaults.
std::vector<int> Sizes(int& argc, char** argv, const char* flag, std::vector<int> sizes) {
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
        // One run before the timing: what a process does once (the Shift_JIS
        // tables, the first reading of the file) is not a run's cost.
        pair.measured();
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
        const std::function<void()> floor = pair.floor();
        for (auto _ : state) floor();
        if (pair.floorDisagreement) {
            if (const QString what = pair.floorDisagreement(); !what.isEmpty()) {
                ReportDisagreement(QStringLiteral("the floor of ") + QString::fromStdString(pair.operation) + ": " +
                                   what);
                state.SkipWithError(what.toStdString().c_str());
            }
        }
    })->Unit(benchmark::kMillisecond);
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    for (const int n : Sizes(argc, argv, "--transactions=", {1000})) {
        RegisterStoreBenchmarks(n);
        RegisterReportBenchmarks(n);
        RegisterImportBenchmarks(n);
        RegisterPeerBenchmarks(n);
        RegisterSearchBenchmarks(n);
    }
    // The long run's big years: the file reports only, for their memory.
    for (const int n : Sizes(argc, argv, "--report-transactions=", {})) RegisterReportBenchmarks(n);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    BenchYear::release();
    benchmark::Shutdown();
    return AnyDisagreement() ? 1 : 0;
}
