// The reports and the journal export, each from the database to the file on
// disk, beside its floor; after the floor's runs its files are compared with
// the product's byte for byte.
#include "app/context.h"
#include "app/text_file.h"
#include "bench_pairs.h"
#include "bench_year.h"
#include "export/journal_export.h"
#include "platform/cp932.h"
#include "report_floors.h"
#include "reports/general_ledger.h"
#include "reports/insurance_report.h"
#include "reports/journal_report.h"
#include "reports/report_file.h"
#include "reports/trade_record_report.h"
#include "reports/trial_balance_report.h"

#include <QFile>

#include <functional>
#include <stdexcept>

namespace {

ReportValues YearValues() { return {2026, 12, 0, QStringLiteral("青色 太郎"), QStringLiteral("velmo.sqlite3")}; }

QString FloorPath(int n, const QString& name) {
    return BenchYear::ofSize(n).install().path(QStringLiteral("txt/floor_") + name);
}

// Empty when both files hold the same bytes; otherwise where they part.
QString FilesDiffer(const QString& product, const QString& floor) {
    const QByteArray a = ReadFileBytes(product), b = ReadFileBytes(floor);
    if (a == b) return {};
    qsizetype at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
    const qsizetype lineStart = a.lastIndexOf('\n', at) + 1;
    return QStringLiteral("%1 (%2 bytes) and the floor's file (%3 bytes) part at byte %4: [%5] / [%6]")
        .arg(product)
        .arg(a.size())
        .arg(b.size())
        .arg(at)
        .arg(platform::fromCp932(a.mid(lineStart, 140)), platform::fromCp932(b.mid(lineStart, 140)));
}

using MakeFloor = std::function<FloorRun(const std::string& heading, const QString& floorPath)>;

// A report written under txt beside its floor, whose fixed heading (its
// first `headingLines` lines) is taken from the product's file before the timing.
MeasuredPair ReportPair(const char* operation, const QString& name, const std::function<LineSource()>& build,
                        int headingLines, const MakeFloor& makeFloor, int n) {
    const std::function<void()> op = [name, build] {
        if (WriteReport(build(), name)) throw std::runtime_error("the report could not be written");
    };
    MeasuredPair pair{operation, op, [op, name, headingLines, makeFloor, n] {
                          op();
                          return makeFloor(LeadingLines(ReadFileBytes(ReportPath(name)), headingLines),
                                           FloorPath(n, name));
                      }};
    pair.withMemory = true;
    pair.floorDisagreement = [name, n] { return FilesDiffer(ReportPath(name), FloorPath(n, name)); };
    return pair;
}

}  // namespace

void RegisterReportBenchmarks(int n) {
    const auto db = [] { return ctx().db; };
    const struct {
        const char* operation;
        QString name;
        std::function<LineSource()> build;
        int headingLines;
        std::function<FloorRun(sqlite3*, const std::string&, const QString&)> floor;
    } reports[] = {
        {"journal of the year", QStringLiteral("journal.txt"), [] { return BuildJournalReport(YearValues()); }, 4,
         JournalFloor},
        {"record report of the year", QStringLiteral("records.txt"),
         [] { return BuildTradeRecordReport(YearValues()); }, 4, RecordReportFloor},
        {"insurance report", QStringLiteral("insurance.txt"), [] { return BuildInsuranceReport(YearValues()); }, 2,
         InsuranceFloor},
        {"trial balance", QStringLiteral("trial_balance.txt"),
         [] { return SourceOf(BuildTrialBalanceReport(YearValues(), TrialBalanceLayout::Totals)); }, 4,
         TrialBalanceFloor},
        {"general ledger", QStringLiteral("ledger.txt"), [] { return GeneralLedgerReport(YearValues()); }, 2,
         LedgerFloor},
    };
    for (const auto& r : reports) {
        const auto floor = r.floor;
        RegisterPair(
            ReportPair(
                r.operation, r.name, r.build, r.headingLines,
                [db, floor](const std::string& heading, const QString& path) { return floor(db(), heading, path); }, n),
            n);
    }
    const std::function<void()> exportJournal = [] {
        if (WriteJournalExport(QStringLiteral("2026"), QStringLiteral("令和8")))
            throw std::runtime_error("the journal export could not be written");
    };
    const auto records = [n] { return FloorPath(n, QStringLiteral("data03ca.txt")); };
    const auto number = [n] { return FloorPath(n, QStringLiteral("data03no.txt")); };
    const auto exported = [](const char* file) { return ctx().exportFolder + QStringLiteral("/") + file; };
    MeasuredPair journalExport{"journal export (data03ca.txt)", exportJournal,
                               [exportJournal, db, records, number] {
                                   exportJournal();
                                   return ExportFloor(db(), records(), number());
                               },
                               true};
    journalExport.floorDisagreement = [exported, records, number] {
        const QString what = FilesDiffer(exported("data03ca.txt"), records());
        return what.isEmpty() ? FilesDiffer(exported("data03no.txt"), number()) : what;
    };
    // The records carry every valid transaction once, and their amounts add up to the year's shares.
    journalExport.disagreement = [exportJournal, exported] {
        exportJournal();
        qsizetype records = 0;
        qint64 shares = 0;
        for (const QString& line : ReadTextFileLines(exported("data03ca.txt"))) {
            ++records;
            shares += line.section(QLatin1Char('\t'), 6, 6).toLongLong();
        }
        const YearTotals valid = ValidTotals();
        if (records == valid.count && shares == valid.shares) return QString();
        return QStringLiteral("%1 records of %2 yen for %3 transactions of %4 yen")
            .arg(records)
            .arg(shares)
            .arg(valid.count)
            .arg(valid.shares);
    };
    RegisterPair(journalExport, n);
}
