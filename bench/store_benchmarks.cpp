// The record list, recording one transaction, and the two start-up steps
// that touch the database file, each beside its floor.
#include "app/context.h"
#include "bench_pairs.h"
#include "bench_year.h"
#include "floors.h"
#include "store/db_file.h"
#include "store/trade_store.h"
#include "ui/common/controls.h"
#include "ui/trade/record_line.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QFile>
#include <QListWidget>

#include <memory>

namespace {

QString RecordListSql(const QString& year, const QString& monthCondition) {
    return QStringLiteral(
               "select month, day, seq, trade_cd, detail_cd, detail_name, money, rate from t_trade "
               "where year = %1 %2 and is_valid = 1 order by month, day, seq")
        .arg(year, monthCondition);
}

// The record list's items as the screen makes them from the store's rows.
QStringList RecordList(const QString& year, const QString& month) {
    return RecordListItems(year, DBSelT_TradeRecordsYM(year, month, QString()));
}

// Each recording goes to the next seq of one date, as the screen does.
void RecordOne() {
    const int seq = DBSelT_TradeMaxSeq(2026, 12, 31) + 1;
    DBInsT_Trade(2026, 12, 31, seq, QStringLiteral("05"), QStringLiteral("01"), QStringLiteral("事務用品"),
                 QStringLiteral("1200"), QStringLiteral("100"));
}

void RecordOneFloor() {
    const QStringList max = QueryFloor(
        ctx().db, QStringLiteral("select max(seq) from t_trade where year = 2026 and month = 12 and day = 30"));
    const int seq = max.value(0).trimmed().toInt() + 1;
    ExecFloor(ctx().db, QStringLiteral("insert into t_trade values (2026, 12, 30, %1, '05', '01', '事務用品', "
                                       "'1200', '100', '1', '2026/12/05 09:30:05')")
                            .arg(seq));
}

}  // namespace

void RegisterStoreBenchmarks(int n) {
    const auto year = [n] { return BenchYear::ofSize(n).yearText(); };
    MeasuredPair yearList{"record list, year", [year] { benchmark::DoNotOptimize(RecordList(year(), QString())); },
                          [year] { benchmark::DoNotOptimize(QueryFloor(ctx().db, RecordListSql(year(), QString()))); }};
    yearList.disagreement = [year] {
        const qsizetype items = RecordList(year(), QString()).size();
        const qsizetype valid = ValidTotals().count;
        return items == valid
                   ? QString()
                   : QStringLiteral("the year's list has %1 items for %2 transactions").arg(items).arg(valid);
    };
    RegisterPair(yearList, n);
    // The screen fills its list in one call; the floor is a plain list taking the same items.
    auto items = std::make_shared<QStringList>();
    auto screenList = std::make_shared<std::unique_ptr<QListWidget>>();
    RegisterPair({"record list, filling the widget",
                  [year, items, screenList] {
                      if (items->isEmpty()) *items = RecordList(year(), QString());
                      if (!*screenList)
                          *screenList =
                              std::unique_ptr<QListWidget>(MakeListBox(nullptr, QStringLiteral("lstRecords"), {}));
                      ReplaceItems(screenList->get(), *items);
                  },
                  [year, items] {
                      if (items->isEmpty()) *items = RecordList(year(), QString());
                      QListWidget plain;
                      plain.addItems(*items);
                  }},
                 n);
    RegisterPair(
        {"record list, month", [year] { benchmark::DoNotOptimize(RecordList(year(), QStringLiteral("6"))); },
         [year] {
             benchmark::DoNotOptimize(QueryFloor(ctx().db, RecordListSql(year(), QStringLiteral("and month = 6"))));
         }},
        n);
    RegisterPair({"recording one transaction", RecordOne, RecordOneFloor}, n);
    RegisterPair({"start-up backup",
                  [n] {
                      BenchYear& y = BenchYear::ofSize(n);
                      BackupDatabase(y.dbPath(), y.install().path(QStringLiteral("db_backup/op.sqlite3")));
                  },
                  [n] {
                      BenchYear& y = BenchYear::ofSize(n);
                      BackupFloor(y.dbPath(), y.install().path(QStringLiteral("db_backup/floor.sqlite3")));
                  }},
                 n);
    RegisterPair({"start-up backup (vs cp)",
                  [n] {
                      BenchYear& y = BenchYear::ofSize(n);
                      BackupDatabase(y.dbPath(), y.install().path(QStringLiteral("db_backup/op.sqlite3")));
                  },
                  [n] {
                      BenchYear& y = BenchYear::ofSize(n);
                      const QString copy = y.install().path(QStringLiteral("db_backup/cp.sqlite3"));
                      QFile::remove(copy);
                      QFile::copy(y.dbPath(), copy);
                  }},
                 n);
    RegisterPair({"opening the books",
                  [n] {
                      // The program's own connection stays open; a second one is opened and closed.
                      sqlite3* kept = ctx().db;
                      QString errText;
                      DBFileOpen(BenchYear::ofSize(n).dbPath(), errText);
                      sqlite3_close(ctx().db);
                      ctx().db = kept;
                  },
                  [n] {
                      sqlite3* db = nullptr;
                      sqlite3_open16(BenchYear::ofSize(n).dbPath().utf16(), &db);
                      QueryFloor(db, QStringLiteral("select name from sqlite_master where type = 'table'"));
                      sqlite3_close(db);
                  }},
                 n);
}
