// The record of carries: books made before it get its table when opened,
// and a carry that fails leaves no record of itself.
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

TEST(CarryRecord, AFailedCarryLeavesNoRecord) {
    TempInstall install;
    install.openDatabase();
    install.exec(DataText(QStringLiteral("store/carry_forward.sql")) +
                 QStringLiteral("create trigger planted before update on t_bs_begining when new.account_cd = '640' "
                                "begin select raise(abort, 'disk full'); end"));
    EXPECT_THROW(DBCarryForwardBS_Begining(QStringLiteral("2021"), QStringLiteral("2020"), false, {{"100", 5000}}),
                 ProcessEnded);
    // The process ended: the next start opens the file afresh.
    sqlite3_close_v2(ctx().db);
    ASSERT_EQ(sqlite3_open(install.path(QStringLiteral("db/velmo.sqlite3")).toUtf8().constData(), &ctx().db),
              SQLITE_OK);
    EXPECT_EQ(install.rows(QStringLiteral("select count(*) from t_bs_carry")), QStringList{"0"});
    EXPECT_FALSE(DBSelT_BsCarryLast(2021).has_value());
}

}  // namespace
