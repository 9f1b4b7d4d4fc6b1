// The record of carries: books made before it get its table when opened,
// and each carry is recorded in its own transaction, or not at all.
#include "app/context.h"
#include "golden_log.h"
#include "sqlite/sqlite_api.h"
#include "store/carry_record_store.h"
#include "store/db_file.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

TEST(CarryRecord, BooksWithoutTheTableGetItOnOpening) {
    TempInstall install;
    install.openDatabase();
    const QString columns = QStringLiteral("select name, type, \"notnull\", pk from pragma_table_info('t_bs_carry')");
    const QStringList fresh = install.rows(columns);
    ASSERT_EQ(fresh.size(), 5);
    install.exec(QStringLiteral("drop table t_bs_carry"));
    for (int opening = 0; opening < 2; ++opening) {  // made by the first opening, found by the second
        SQLite3Close();
        QString error;
        ASSERT_TRUE(DBFileOpen(install.path(QStringLiteral("db/velmo.sqlite3")), error)) << error.toStdString();
        EXPECT_EQ(install.rows(columns), fresh);
    }
    EXPECT_EQ(install.runLog().count(QStringLiteral("create table t_bs_carry (")), 1);
}

TEST(CarryRecord, RecordedWithTheCarryOrNotAtAll) {
    TempInstall install;
    install.openDatabase();
    install.exec(DataText(QStringLiteral("store/carry_forward.sql")));
    const std::vector<CarriedRow> first{{"100", 5000}, {"620", 3000}};
    const std::vector<CarriedRow> second{{"100", 5001}, {"620", 3000}};
    // The digest follows every code, amount and place.
    const std::vector<CarriedRow> others[] = {second, {{"110", 5000}, {"620", 3000}}, {{"620", 3000}, {"100", 5000}}};
    for (const auto& other : others) EXPECT_NE(CarriedDigest(other), CarriedDigest(first));
    EXPECT_EQ(CarriedDigest(std::vector<CarriedRow>(first)), CarriedDigest(first));

    install.setTime(QStringLiteral("2021-01-05T11:00:00"));
    DBCarryForwardBS_Begining(QStringLiteral("2021"), QStringLiteral("2020"), false, first);
    install.setTime(QStringLiteral("2021-01-06T12:00:00"));
    DBCarryForwardBS_Begining(QStringLiteral("2021"), QStringLiteral("2020"), true, second);
    const std::optional<CarryRecord> last = DBSelT_BsCarryLast(2021);
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->fromYear, 2020);
    EXPECT_EQ(last->digest, CarriedDigest(second));
    EXPECT_EQ(last->carriedAt, QStringLiteral("2021/01/06 12:00:00"));
    EXPECT_FALSE(DBSelT_BsCarryLast(2020).has_value());

    // A carry that fails at its last statement leaves no record once the books are opened again.
    install.exec(
        QStringLiteral("create trigger planted before update on t_bs_begining when new.account_cd = '640' "
                       "begin select raise(abort, 'disk full'); end"));
    const QString records = QStringLiteral("select * from t_bs_carry");
    const QStringList before = install.rows(records);
    EXPECT_THROW(DBCarryForwardBS_Begining(QStringLiteral("2021"), QStringLiteral("2020"), true, first), ProcessEnded);
    sqlite3_close_v2(ctx().db);
    ASSERT_EQ(sqlite3_open(install.path(QStringLiteral("db/velmo.sqlite3")).toUtf8().constData(), &ctx().db),
              SQLITE_OK);
    EXPECT_EQ(install.rows(records), before);
    EXPECT_EQ(before.size(), 2);
}

}  // namespace
