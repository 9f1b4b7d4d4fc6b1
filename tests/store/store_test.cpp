// The store procedures run by the scenarios of tests/data/store/<name>.steps,
// one call a line with its arguments after "|": each step is logged, then the
// statements it ran, what it returned, a run-time error, the end of the
// process and any box shown; the whole log is compared with <name>.log.
// The rows of the record list and the reports are logged as the lines the
// screen and the reports make of them, so the transcript shows both.
#include "app/context.h"
#include "app/run_log.h"
#include "app/runtime_error.h"
#include "golden_log.h"
#include "reports/report_lines.h"
#include "store/carry_forward_store.h"
#include "store/master_store.h"
#include "store/opening_balance_store.h"
#include "store/report_queries.h"
#include "store/store_common.h"
#include "store/trade_store.h"
#include "store/trial_balance_queries.h"
#include "ui/trade/record_line.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <map>
#include <memory>

namespace {

using A = QStringList;
void Put(const QStringList& rows) { LogResult(rows); }
void Put(const QString& text) { LogResult({text}); }
void Put(qint64 number) { LogResult({QString::number(number)}); }
int N(const QString& text) { return text.toInt(); }

// The rows a query hands over one by one, as a result table.
ResultTable Table(const std::function<void(const RowSink&)>& query) {
    ResultTable table{QString()};
    query([&table](const QueryRow& row) {
        if (RowCount(table) == 0) table[0] = row.header();
        table << row.line();
    });
    return table;
}

// The lines the report makes of the rows the query hands over for the step's
// year, or year and month; element 0 empty for its heading.
template <class Row, class Query>
QStringList Lines(void (*appendLine)(QString&, int, const Row&), Query query, const A& a) {
    QStringList lines{QString()};
    const RowsTo<Row> each = [&](const Row& row) {
        QString line;
        appendLine(line, N(a[0]), row);
        lines << line;
    };
    if constexpr (std::is_invocable_v<Query, int, const RowsTo<Row>&>)
        query(N(a[0]), each);
    else
        query(N(a[0]), N(a[1]), each);
    return lines;
}

void AppendInsuranceLine(QString& line, int year, const InsuranceRow& row) { line += InsuranceLine(year, row); }

using Step = std::function<void(const A&)>;
const std::map<QString, Step> kSteps = {
    {"DBSelM_Trade", [](const A&) { Put(DBSelM_Trade()); }},
    {"DBSelM_TradeDetail", [](const A& a) { Put(DBSelM_TradeDetail(a[0])); }},
    {"DBSelTradeDetail", [](const A& a) { Put(DBSelTradeDetail(a[0], a[1])); }},
    {"DBSelMst", [](const A& a) { Put(DBSelMst(a[0], a[1])); }},
    // A missing code leaves the caller's values as they were.
    {"DBSelMAccount",
     [](const A& a) {
         QString name = "前の名前", accountClass = "x", outputClass = "y";
         DBSelMAccount(a[0], name, accountClass, outputClass);
         Put({name, accountClass, outputClass});
     }},
    // Records the way the screen does: the next seq of the date, or a refusal.
    {"Record",
     [](const A& a) {
         const std::optional<int> seq = DBRecordT_Trade(N(a[0]), N(a[1]), N(a[2]), a[3], a[4], a[5], a[6], a[7]);
         Put(seq ? QString::number(*seq) : QStringLiteral("refused"));
     }},
    {"DBInsT_Trade",
     [](const A& a) { DBInsT_Trade(N(a[0]), N(a[1]), N(a[2]), N(a[3]), a[4], a[5], a[6], a[7], a[8]); }},
    {"DBUpdT_Trade", [](const A& a) { DBUpdT_Trade(a[0], N(a[1]), a[2], a[3], a[4], a[5], a[6]); }},
    {"DBUpdT_TradeWithHistory",
     [](const A& a) { DBUpdT_TradeWithHistory(a[0], N(a[1]), a[2], a[3], a[4], a[5], a[6]); }},
    {"DBUpdT_TradeIsValid", [](const A& a) { DBUpdT_TradeIsValid(a[0], a[1], a[2], N(a[3])); }},
    {"DBInsTradeHistoryBeforeUpdate", [](const A& a) { DBInsTradeHistoryBeforeUpdate(a[0], N(a[1]), N(a[2])); }},
    {"DBSelTradeHistoryMaxNum", [](const A& a) { Put(DBSelTradeHistoryMaxNum(a[0], N(a[1]))); }},
    {"DBSelT_TradeRecordsYM",
     [](const A& a) {
         QStringList items;
         DBSelT_TradeRecordsYM(a[0], a[1], a[2], ItemsInto(items, a[0]));
         Put(items);
     }},
    {"DBSelT_TradeRecordsYMTD",
     [](const A& a) {
         QStringList items;
         DBSelT_TradeRecordsYMTD(a[0], a[1], a[2], a[3], a[4], ItemsInto(items, a[0]));
         Put(items);
     }},
    {"DBSelT_TradeSumYMTD", [](const A& a) { Put(DBSelT_TradeSumYMTD(a[0], a[1], a[2], a[3], a[4])); }},
    {"DBSelTradeRecord", [](const A& a) { Put(DBSelTradeRecord(a[0], N(a[1]))); }},
    {"DBSelBS_Begining", [](const A& a) { Put(DBSelBS_Begining(a[0])); }},
    {"DBInsBS_Begining", [](const A& a) { DBInsBS_Begining(a[0]); }},
    {"DBRecreateBS_Begining", [](const A& a) { DBRecreateBS_Begining(a[0], N(a[1])); }},
    {"DBUpdBS_BeginingWithHistory", [](const A& a) { DBUpdBS_BeginingWithHistory(a[0], a[1], a[2]); }},
    {"DBSelBSHistoryMaxNum", [](const A& a) { Put(DBSelBSHistoryMaxNum(a[0], a[1])); }},
    {"DBUpdBS_Begining", [](const A& a) { DBUpdBS_Begining(a[0], a[1], a[2]); }},
    {"DBSelBS_BeginingSum", [](const A& a) { Put(DBSelBS_BeginingSum(N(a[0]), a[1])); }},
    {"DBSelBS_BeginingAD", [](const A& a) { Put(DBSelBS_BeginingAD(N(a[0]), a[1])); }},
    {"DBSelBS_BeginingName", [](const A& a) { Put(DBSelBS_BeginingName(N(a[0]), a[1])); }},
    {"DBSelBS_BeginingNameMoney", [](const A& a) { Put(DBSelBS_BeginingNameMoney(N(a[0]), a[1])); }},
    {"DBSelBSBeginingMoney", [](const A& a) { Put(DBSelBSBeginingMoney(N(a[0]), a[1])); }},
    {"DBInsBS_BeginingFromYear", [](const A& a) { DBInsBS_BeginingFromYear(a[0], a[1]); }},
    {"DBUpdBS_BeginingCarried", [](const A& a) { DBUpdBS_BeginingCarried(a[0], a[1], N(a[2]), a[3]); }},
    {"DBSelTrialBalanceAccounts", [](const A& a) { Put(DBSelTrialBalanceAccounts(N(a[0]))); }},
    {"DBSelTM_Trade", [](const A& a) { Put(Table([&](const RowSink& each) { DBSelTM_Trade(a[0])->each(each); })); }},
    {"DBSelTradeRecordsForFile",
     [](const A& a) { Put(Lines(AppendTradeRecordReportLine, DBSelTradeRecordsForFile, a)); }},
    {"DBSelJournalRecordsForFile", [](const A& a) { Put(Lines(AppendJournalLine, DBSelJournalRecordsForFile, a)); }},
    {"DBSelJournalTable",
     [](const A& a) { Put(Table([&](const RowSink& each) { DBSelJournalTable(N(a[0]), each); })); }},
    {"DBSelAccountHead", [](const A& a) { Put(DBSelAccountHead(N(a[0]))); }},
    {"DBSelSocialInsurance", [](const A& a) { Put(Lines(AppendInsuranceLine, DBSelSocialInsurance, a)); }},
    {"DBSelOtherInsurance", [](const A& a) { Put(Lines(AppendInsuranceLine, DBSelOtherInsurance, a)); }},
    {"DBSelSumSocialInsurance",
     [](const A& a) {
         Put({QString(), SocialInsuranceTotal(DBSelSumSocialInsurance(N(a[0])))});
     }},
    {"WholeNumberOf", [](const A& a) { Put(WholeNumberOf(a[0])); }},
};

// "books|<file>" starts a fresh installation on the bundled masters and the
// SQL of tests/data/store/<file>; the logs of successive ones are joined by a
// rule. "time|<ISO time>" sets the clock, "exec|<SQL>" arranges rows unlogged,
// "rows|<query>" logs rows as stored.
TEST(Store, ScenariosAsLogged) {
    for (const QString name : {"master_store", "trade_store", "opening_balance_store", "carry_forward_store",
                               "report_queries", "corrections_and_failures"}) {
        std::unique_ptr<TempInstall> install;
        QByteArray log;
        for (const QString& line : DataText("store/" + name + ".steps").split('\n')) {
            if (line.isEmpty() || line.startsWith('#')) continue;
            const QStringList a = line.split('|').mid(1);
            const QString step = line.section('|', 0, 0);
            if (step == "books") {
                if (install) log += RunLogBytes() + "--------\r\n";
                install.reset();
                install = std::make_unique<TempInstall>();
                install->openDatabase();
                if (!a.value(0).isEmpty()) install->exec(DataText("store/" + a[0]));
            }
            WriteLog("> " + line);
            if (step == "time") install->setTime(a[0]);
            if (step == "exec") install->exec(a[0]);
            if (step == "rows") LogResult(install->rows(a[0]));
            if (step == "books" || step == "time" || step == "exec" || step == "rows") continue;
            ASSERT_TRUE(kSteps.contains(step)) << line.toStdString();
            try {
                LogRunTimeError([&] { kSteps.at(step)(a); });
            } catch (const ProcessEnded&) {
                WriteLog("ProcessEnded");
            }
            LogDialogs(install->desktop.dialogs.shown);
        }
        EXPECT_TRUE(!ctx().db || sqlite3_get_autocommit(ctx().db)) << name.toStdString() << " left a transaction open";
        EXPECT_EQ(GoldenDiff("store/" + name + ".log", log + RunLogBytes()), "");
    }
}

}  // namespace
