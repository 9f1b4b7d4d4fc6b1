// The peers on the same books: where hledger or ledger is on the PATH, the
// year is converted to a plain-text journal before the timing and each
// tool's register and balance are timed beside the journal and the trial
// balance. Nothing is registered for a tool that is not installed.
#include "app/context.h"
#include "bench_pairs.h"
#include "bench_year.h"
#include "peer_journal.h"

#include <benchmark/benchmark.h>

#include <QProcess>
#include <QStandardPaths>

namespace {

// Empty when the tool ran to its end; otherwise what went wrong.
QString RunPeer(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(-1)) return program + QStringLiteral(": ") + process.errorString();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return program + QStringLiteral(": ") + QString::fromLocal8Bit(process.readAllStandardError());
    return {};
}

}  // namespace

void RegisterPeerBenchmarks(int n) {
    const struct {
        const char* operation;
        const char* command;
    } compared[] = {{"journal of the year", "reg"}, {"trial balance", "bal"}};
    for (const char* tool : {"hledger", "ledger"}) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (program.isEmpty()) continue;
        for (const auto& c : compared) {
            const std::string name = std::string(c.operation) + "/" + std::to_string(n) + "/" + tool;
            const QString command = QString::fromLatin1(c.command);
            benchmark::RegisterBenchmark(name.c_str(), [n, program, command](benchmark::State& state) {
                const QString journal = BenchYear::ofSize(n).install().path(QStringLiteral("txt/books.journal"));
                WritePeerJournal(ctx().db, 2026, journal);
                for (auto _ : state) {
                    if (const QString failure = RunPeer(program, {QStringLiteral("-f"), journal, command});
                        !failure.isEmpty()) {
                        ReportDisagreement(failure);
                        state.SkipWithError(failure.toStdString().c_str());
                        break;
                    }
                }
            })->Unit(benchmark::kMillisecond);
        }
    }
}
