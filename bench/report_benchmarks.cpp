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
    };
    const Report reports[] = {
        {"journal of the year", QStringLiteral("journal.txt"), [] { return BuildJournalReport(YearValues()); }},
        {"record report of the year", QStringLiteral("records.txt"),
         [] { return BuildTradeRecordReport(YearValues()); }},
        {"insurance report", QStringLiteral("insurance.txt"), [] { return BuildInsuranceReport(YearValues()); }},
    };
    for (const Report& r : reports) {
        const std::function<void()> op = Writes(r.file, r.build);
        RegisterPair({r.operation, op, QueryFloorWriting(r.file + QStringLiteral(".floor"), op, n), true}, n);
    }
    const std::function<void()> ledger =
        Writes(QStringLiteral("ledger.txt"), [] { return BuildGeneralLedgerReport(YearValues()); });
    RegisterPair({"general ledger", ledger, LedgerFloor(ledger, n), true}, n);
    const std::function<void()> exportJournal = [] {
        if (WriteJournalExport(QStringLiteral("2026"), QStringLiteral("令和8")))
            throw std::runtime_error("the journal export could not be written");
    };
    RegisterPair({"journal export (data03ca.txt)", exportJournal,
                  QueryFloorWriting(QStringLiteral("data03ca.floor"), exportJournal, n), true},
                 n);
}
