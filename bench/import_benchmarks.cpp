// A statement of 10,000 lines imported (read, previewed, recorded) beside
// recording the same rows through the store in one transaction.
#include "app/context.h"
#include "bench_pairs.h"
#include "bench_year.h"
#include "floors.h"
#include "import/statement_import.h"
#include "platform/cp932.h"
#include "sqlite/transaction.h"
#include "store/import_store.h"
#include "store/trade_store.h"

#include <benchmark/benchmark.h>

#include <QDate>

#include <memory>

namespace {

constexpr int kLines = 10000;

// The year after the generated one, so that the measured year's books stay as they were.
int ImportYear(int transactions) { return BenchYear::ofSize(transactions).generated().year + 1; }

// A bank's year: electricity and card payments out, transfers in, each text
// its own so that no line is taken for an earlier one.
QByteArray Statement(int year) {
    const char* texts[] = {"ﾃﾞﾝｷﾘﾖｳｷﾝ", "ｶｰﾄﾞ ｼﾊﾗｲ", "ﾌﾘｺﾐ ｱｵｲｼﾖｳｶｲ"};
    QString text = QStringLiteral("\"取引日\",\"摘要\",\"お引出し\",\"お預入れ\",\"残高\"\r\n");
    for (int i = 0; i < kLines; ++i) {
        const QDate date = QDate(year, 1, 1).addDays(i % 365);
        const int kind = i % 3;
        const QString amount = QString::number(1000 + (i * 37) % 90000);
        text += QStringLiteral("\"%1\",\"%2 %3\",\"%4\",\"%5\",\"\"\r\n")
                    .arg(date.toString(QStringLiteral("yyyy/MM/dd")), QString::fromUtf8(texts[kind]))
                    .arg(i, 5, 10, QLatin1Char('0'))
                    .arg(kind == 2 ? QString() : amount, kind == 2 ? amount : QString());
    }
    return platform::toCp932(text);
}

// The statement file and the rules that choose every line's trade, made once per size.
QString PreparedStatement(int transactions) {
    static int preparedFor = 0;
    const QString path = BenchYear::ofSize(transactions).install().path(QStringLiteral("statement.csv"));
    if (preparedFor != transactions) {
        BenchYear::ofSize(transactions)
            .install()
            .writeBytes(QStringLiteral("statement.csv"), Statement(ImportYear(transactions)));
        ExecFloor(ctx().db, QStringLiteral("delete from t_import_rule"));
        DBInsImportRule(QStringLiteral("out"), QStringLiteral("ﾃﾞﾝｷ"), QStringLiteral("24"), QStringLiteral("01"),
                        QString());
        DBInsImportRule(QStringLiteral("out"), QStringLiteral("ｶｰﾄﾞ"), QStringLiteral("33"), QStringLiteral("01"),
                        QString());
        DBInsImportRule(QStringLiteral("in"), QStringLiteral("ﾌﾘｺﾐ"), QStringLiteral("03"), QStringLiteral("01"),
                        QString());
        preparedFor = transactions;
    }
    return path;
}

// Both sides start from a year without transactions.
void ClearImportYear(int year) {
    ExecFloor(ctx().db, QStringLiteral("delete from t_trade where year = %1").arg(year));
    ExecFloor(ctx().db, QStringLiteral("delete from t_import_trade; delete from t_import"));
}

std::vector<PreviewLine> PreviewOf(const QString& path, int year) {
    const StatementRecords read = ReadStatementRecords(path);
    return Preview(read.records, GuessLayout(read.records), LoadImportBooks(year));
}

}  // namespace

void RegisterImportBenchmarks(int n) {
    auto rows = std::make_shared<std::vector<ImportedTrade>>();
    MeasuredPair pair{"import of 10000 statement lines",
                      [n] {
                          const QString path = PreparedStatement(n);
                          ClearImportYear(ImportYear(n));
                          benchmark::DoNotOptimize(RecordStatement(path, PreviewOf(path, ImportYear(n))));
                      },
                      [n, rows] {
                          const QString path = PreparedStatement(n);
                          if (rows->empty()) *rows = TradesToRecord(PreviewOf(path, ImportYear(n)));
                          ClearImportYear(ImportYear(n));
                          SQLite3Transaction(
                              [&] {
                                  for (const ImportedTrade& r : *rows)
                                      DBInsT_TradeUnderNextSeq(r.year, r.month, r.day, r.tradeCd, r.detailCd,
                                                               r.detailName, r.money, r.rate);
                              },
                              QStringLiteral("begin immediate"));
                      }};
    pair.disagreement = [n] {
        const QStringList stored = QueryFloor(
            ctx().db,
            QStringLiteral("select count(*) from t_trade where year = %1 and is_valid = 1").arg(ImportYear(n)));
        return stored.value(0).trimmed() == QString::number(kLines)
                   ? QString()
                   : QStringLiteral("the import stored %1 of %2 lines").arg(stored.value(0)).arg(kLines);
    };
    RegisterPair(pair, n);
}
