// The record list, recording one transaction, and the two start-up steps
// that touch the database file, each beside its floor.
#include "app/context.h"
#include "bench_pairs.h"
#include "bench_year.h"
#include "floor_query.h"
#include "floor_text.h"
#include "floors.h"
#include "store/db_file.h"
#include "store/trade_store.h"
#include "ui/common/controls.h"
#include "ui/trade/record_line.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QFile>
#include <QListWidget>

#include <chrono>
#include <memory>
#include <string>

namespace {

std::string RecordListSql(const char* monthCondition) {
    return std::string(
               "select month, day, seq, trade_cd, detail_cd, detail_name, money, rate from t_trade "
               "where year = 2026 ") +
           monthCondition + " and is_valid = 1 order by month, day, seq";
}

// The record list's items made straight from the rows: each value put into
// the item as it comes, the summary cut to its Shift_JIS width by the table.
std::function<std::function<void()>()> RecordListFloor(const char* monthCondition, std::shared_ptr<QStringList> items) {
    return [condition = RecordListSql(monthCondition), items] {
        auto query = std::make_shared<FloorQuery>(ctx().db, condition.c_str());
        return std::function<void()>([query, items] {
            static const char16_t weekdays[] = u"日月火水木金土";
            items->clear();
            while (query->step()) {
                const FloorQuery& r = *query;
                QString item;
                item.reserve(72);
                const auto ascii = [&item](std::string_view text) { item += QLatin1StringView(text); };
                const auto right = [&](std::string_view text, int width) {
                    if (static_cast<int>(text.size()) < width) item.resize(item.size() + width - text.size(), u' ');
                    ascii(text.substr(text.size() > size_t(width) ? text.size() - width : 0));
                };
                const int month = static_cast<int>(r.integer(0)), day = static_cast<int>(r.integer(1));
                const char date[] = {'2',
                                     '0',
                                     '2',
                                     '6',
                                     '/',
                                     char('0' + month / 10),
                                     char('0' + month % 10),
                                     '/',
                                     char('0' + day / 10),
                                     char('0' + day % 10),
                                     '('};
                ascii({date, sizeof date});
                using namespace std::chrono;
                item += QChar(weekdays[weekday{sys_days{year{2026} / month / day}}.c_encoding()]);
                item += u')';
                right(r.text(2), 3);
                item += u' ';
                ascii(r.text(3));
                item += u' ';
                ascii(r.text(4));
                item += u' ';
                const QString summary = QString::fromUtf8(r.text(5).data(), static_cast<qsizetype>(r.text(5).size()));
                int bytes = 0;
                qsizetype units = 0;
                while (units < summary.size() && bytes + FloorText::unitBytes(summary[units].unicode()) <= 30)
                    bytes += FloorText::unitBytes(summary[units++].unicode());
                item += QStringView(summary).left(units);
                item.resize(item.size() + 30 - bytes, u' ');
                item += u' ';
                std::string yen = "\\";
                yen += r.text(6);
                right(yen, 10);
                item += u' ';
                right(r.text(7), 3);
                item += u'％';
                items->push_back(item);
            }
        });
    };
}

// Empty when the floor made the items the screen makes.
QString ItemsDiffer(const QStringList& screen, const QStringList& floor) {
    if (screen == floor) return {};
    qsizetype at = 0;
    while (at < screen.size() && at < floor.size() && screen[at] == floor[at]) ++at;
    return QStringLiteral("%1 items and the floor's %2 part at item %3: [%4] / [%5]")
        .arg(screen.size())
        .arg(floor.size())
        .arg(at)
        .arg(screen.value(at), floor.value(at));
}

// The record list's items as the screen makes them from the store's rows.
QStringList RecordList(const QString& year, const QString& month) {
    QStringList items;
    DBSelT_TradeRecordsYM(year, month, QString(), ItemsInto(items, year));
    return items;
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
    auto yearItems = std::make_shared<QStringList>();
    MeasuredPair yearList{"record list, year", [year] { benchmark::DoNotOptimize(RecordList(year(), QString())); },
                          RecordListFloor("", yearItems)};
    yearList.floorDisagreement = [year, yearItems] { return ItemsDiffer(RecordList(year(), QString()), *yearItems); };
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
                      *items = RecordList(year(), QString());
                      return std::function<void()>([items] {
                          QListWidget plain;
                          plain.addItems(*items);
                      });
                  }},
                 n);
    auto monthItems = std::make_shared<QStringList>();
    MeasuredPair monthList{"record list, month",
                           [year] { benchmark::DoNotOptimize(RecordList(year(), QStringLiteral("6"))); },
                           RecordListFloor("and month = 6", monthItems)};
    monthList.floorDisagreement = [year, monthItems] {
        return ItemsDiffer(RecordList(year(), QStringLiteral("6")), *monthItems);
    };
    RegisterPair(monthList, n);
    RegisterPair({"recording one transaction", RecordOne, Ready(RecordOneFloor)}, n);
    RegisterPair({"start-up backup",
                  [n] {
                      BenchYear& y = BenchYear::ofSize(n);
                      BackupDatabase(y.dbPath(), y.install().path(QStringLiteral("db_backup/op.sqlite3")));
                  },
                  Ready([n] {
                      BenchYear& y = BenchYear::ofSize(n);
                      BackupFloor(y.dbPath(), y.install().path(QStringLiteral("db_backup/floor.sqlite3")));
                  })},
                 n);
    RegisterPair({"start-up backup (vs cp)",
                  [n] {
                      BenchYear& y = BenchYear::ofSize(n);
                      BackupDatabase(y.dbPath(), y.install().path(QStringLiteral("db_backup/op.sqlite3")));
                  },
                  Ready([n] {
                      BenchYear& y = BenchYear::ofSize(n);
                      const QString copy = y.install().path(QStringLiteral("db_backup/cp.sqlite3"));
                      QFile::remove(copy);
                      QFile::copy(y.dbPath(), copy);
                  })},
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
                  Ready([n] {
                      sqlite3* db = nullptr;
                      sqlite3_open16(BenchYear::ofSize(n).dbPath().utf16(), &db);
                      QueryFloor(db, QStringLiteral("select name from sqlite_master where type = 'table'"));
                      sqlite3_close(db);
                  })},
                 n);
}
