// The reports and the journal export, each from the database to the file on
// disk, beside the same query stepped through the C API, its rows written
// plainly in Shift_JIS.
#include "app/context.h"
#include "bench_pairs.h"
#include "bench_year.h"
#include "export/journal_export.h"
#include "floors.h"
#include "logged_query.h"
#include "reports/general_ledger.h"
#include "reports/insurance_report.h"
#include "reports/journal_report.h"
#include "reports/report_file.h"
#include "reports/trade_record_report.h"

#include "platform/cp932.h"

#include <QFile>
#include <QHash>

#include <functional>
#include <memory>

namespace {

ReportValues YearValues() { return {2026, 12, 0, QStringLiteral("青色 太郎"), QStringLiteral("velmo.sqlite3")}; }

std::function<void()> Writes(const QString& name, std::function<QStringList()> build) {
    return [name, build] {
        if (WriteReport(build(), name)) throw std::runtime_error("the report could not be written");
    };
}

// The floor of a report: its own queries, read back from the log once, then
// stepped, joined and written each time.
std::function<void()> QueryFloorWriting(const QString& name, const std::function<void()>& report, int n) {
    auto queries = std::make_shared<QStringList>();
    return [queries, name, report, n] {
        if (queries->isEmpty()) *queries = LoggedQueriesOf(report);
        QStringList rows;
        for (const QString& sql : *queries) rows << QueryFloor(ctx().db, sql);
        WriteFloorFile(rows, BenchYear::ofSize(n).install().path(QStringLiteral("txt/") + name));
    };
}

// The ledger's floor: one ordered scan of the year's journal bucketed by account.
std::function<void()> LedgerFloor(const std::function<void()>& report, int n) {
    auto sql = std::make_shared<QString>();
    return [sql, report, n] {
        if (sql->isEmpty()) *sql = LoggedQueryOf(report, QStringLiteral("DBSelJournalTable"));
        QHash<QString, QStringList> pages;
        for (const QString& row : QueryFloor(ctx().db, *sql)) {
            const QStringList f = row.split(QLatin1Char(' '));
            pages[f.value(4)] << row;
            pages[f.value(6)] << row;
        }
        QStringList lines;
        for (auto page = pages.cbegin(); page != pages.cend(); ++page) lines << page.key() << page.value();
        WriteFloorFile(lines, BenchYear::ofSize(n).install().path(QStringLiteral("txt/ledger_floor.txt")));
    };
}

}  // namespace

void RegisterReportBenchmarks(int n) {
    struct Report {
        const char* operation;
        QString file;
        std::function<QStringList()> build;
        bool oneLinePerTransaction = false;
    };
    const Report reports[] = {
        {"journal of the year", QStringLiteral("journal.txt"), [] { return BuildJournalReport(YearValues()); }},
        {"record report of the year", QStringLiteral("records.txt"),
         [] { return BuildTradeRecordReport(YearValues()); }},
        {"insurance report", QStringLiteral("insurance.txt"), [] { return BuildInsuranceReport(YearValues()); }},
    };
    for (const Report& r : reports) {
        const std::function<void()> op = Writes(r.file, r.build);
        MeasuredPair pair{r.operation, op, QueryFloorWriting(r.file + QStringLiteral(".floor"), op, n), true};
        if (r.oneLinePerTransaction)
            pair.disagreement = [build = r.build] {
                const qsizetype lines = build().size() - 1;
                const qsizetype valid = ValidTotals().count;
                return lines == valid ? QString()
                                      : QStringLiteral("%1 lines for %2 transactions").arg(lines).arg(valid);
            };
        RegisterPair(pair, n);
    }
    const std::function<void()> ledger = [] {
        if (WriteReport(GeneralLedgerReport(YearValues()), QStringLiteral("ledger.txt")))
            throw std::runtime_error("the report could not be written");
    };
    RegisterPair({"general ledger", ledger, LedgerFloor(ledger, n), true}, n);
    const std::function<void()> exportJournal = [] {
        if (WriteJournalExport(QStringLiteral("2026"), QStringLiteral("令和8")))
            throw std::runtime_error("the journal export could not be written");
    };
    MeasuredPair journalExport{"journal export (data03ca.txt)", exportJournal,
                               QueryFloorWriting(QStringLiteral("data03ca.floor"), exportJournal, n), true};
    // The records carry every valid transaction once, and their amounts add up to the year's shares.
    journalExport.disagreement = [exportJournal] {
        exportJournal();
        QFile file(ctx().exportFolder + QStringLiteral("/data03ca.txt"));
        if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("data03ca.txt was not written");
        qsizetype records = 0;
        qint64 shares = 0;
        for (const QString& line :
             platform::fromCp932(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
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
