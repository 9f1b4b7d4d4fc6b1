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

#include <algorithm>
#include <memory>
#include <tuple>

namespace {

constexpr int kLines = 10000;

// The year after the generated one, so that the measured year's books stay as they were.
int ImportYear(int transactions) { return BenchYear::ofSize(transactions).generated().year + 1; }

// A bank's year: electricity and card payments out, transfers in, each text
// its own so that no line is taken for an earlier one. The trades are those
// the rules below choose.
struct StatementLine {
    QDate date;
    QString text, amount;
    bool deposit;
    const char* tradeCd;
};

std::vector<StatementLine> Lines(int year) {
    const struct {
        const char* text;
        bool deposit;
        const char* tradeCd;
    } kinds[] = {{"ﾃﾞﾝｷﾘﾖｳｷﾝ", false, "24"}, {"ｶｰﾄﾞｼﾊﾗｲ", false, "33"}, {"ﾌﾘｺﾐ ｱｵｲｼﾖｳｶｲ", true, "03"}};
    std::vector<StatementLine> lines;
    for (int i = 0; i < kLines; ++i) {
        const auto& kind = kinds[i % 3];
        lines.push_back({QDate(year, 1, 1).addDays(i % 365),
                         QString::fromUtf8(kind.text) + QStringLiteral(" %1").arg(i, 5, 10, QLatin1Char('0')),
                         QString::number(1000 + (i * 37) % 90000), kind.deposit, kind.tradeCd});
    }
    return lines;
}

QByteArray Statement(int year) {
    QString text = QStringLiteral("\"取引日\",\"摘要\",\"お引出し\",\"お預入れ\",\"残高\"\r\n");
    for (const StatementLine& l : Lines(year))
        text += QStringLiteral("\"%1\",\"%2\",\"%3\",\"%4\",\"\"\r\n")
                    .arg(l.date.toString(QStringLiteral("yyyy/MM/dd")), l.text, l.deposit ? QString() : l.amount,
                         l.deposit ? l.amount : QString());
    return platform::toCp932(text);
}

// The same lines as the store records them: the summary with a full-width blank.
std::vector<ImportedTrade> Rows(int year) {
    std::vector<ImportedTrade> rows;
    for (const StatementLine& l : Lines(year))
        rows.push_back({l.date.year(), l.date.month(), l.date.day(), QString::fromLatin1(l.tradeCd),
                        QStringLiteral("01"), QString(l.text).replace(QLatin1Char(' '), QChar(u'　')), l.amount,
                        QStringLiteral("100")});
    return rows;
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
                      // The rows the import stored, recorded again in one transaction.
                      [n, rows] {
                          PreparedStatement(n);
                          if (rows->empty()) *rows = Rows(ImportYear(n));
                          return std::function<void()>([n, rows] {
                              ClearImportYear(ImportYear(n));
                              SQLite3Transaction(
                                  [&] {
                                      for (const ImportedTrade& r : *rows)
                                          DBInsT_TradeUnderNextSeq(r.year, r.month, r.day, r.tradeCd, r.detailCd,
                                                                   r.detailName, r.money, r.rate);
                                  },
                                  QStringLiteral("begin immediate"));
                          });
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
