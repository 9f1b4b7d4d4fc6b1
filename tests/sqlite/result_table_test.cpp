// How query results become ResultTables, and how columns are found in them.
#include "sqlite/statements.h"
#include "sqlite_fixture.h"

namespace {

using ResultTableTest = SqliteTest;

struct ValueCase {
    const char* expression;
    QString text;
};

TEST_F(ResultTableTest, EachStorageClassBecomesItsText) {
    const ValueCase cases[] = {
        {"42", QStringLiteral("42")},
        {"-7", QStringLiteral("-7")},
        {"1.5", QStringLiteral("1.5")},
        {"100.0", QStringLiteral("100")},
        {"2.0", QStringLiteral("2")},
        {"1.0/3", QStringLiteral("0.333333333333333")},
        {"'会計'", QStringLiteral("会計")},
        {"x'4142'", QStringLiteral("AB")},
        {"null", QString()},
        // A sum past 32 bits keeps its high bits rather than wrapping.
        {"2147483648", QStringLiteral("2147483648")},
        {"-2147483649", QStringLiteral("-2147483649")},
    };
    for (const ValueCase& c : cases) {
        ResultTable table;
        SQLite3Query(QStringLiteral("select ") + QString::fromUtf8(c.expression) + QStringLiteral(" as v"), table);
        ASSERT_EQ(table.size(), 2) << c.expression;
        EXPECT_EQ(table[0], QStringLiteral("v")) << c.expression;
        EXPECT_EQ(table[1], c.text) << c.expression;
    }
}

TEST_F(ResultTableTest, RowsAreTabJoinedInResultOrderWithEmptyFieldsForNull) {
    install.exec(QStringLiteral("insert into t values(2,'b',null); insert into t values(1,null,10);"));
    ResultTable table;
    SQLite3Query(QStringLiteral("select a, b, c as total from t order by a"), table);
    EXPECT_EQ(table, (ResultTable{QStringLiteral("a\tb\ttotal"), QStringLiteral("1\t\t10"), QStringLiteral("2\tb\t")}));
    EXPECT_EQ(RowCount(table), 2);
}

TEST_F(ResultTableTest, NoRowsLeaveOnlyAnEmptyHeader) {
    ResultTable table{QStringLiteral("stale"), QStringLiteral("rows")};
    SQLite3Query(QStringLiteral("select a from t"), table);
    EXPECT_EQ(table, ResultTable{QString()});
    EXPECT_EQ(RowCount(table), 0);
}

TEST_F(ResultTableTest, FindColumnReadsByNameAndTakesTheFirstOfTwinNames) {
    install.exec(QStringLiteral("insert into t values(5,'x',6);"));
    ResultTable table;
    SQLite3Query(QStringLiteral("select a as n, b, c as n from t"), table);
    EXPECT_EQ(FindColumn(table, 1, QStringLiteral("n")), QStringLiteral("5"));
    EXPECT_EQ(FindColumn(table, 1, QStringLiteral("b")), QStringLiteral("x"));
}

TEST_F(ResultTableTest, FindColumnOnARowOfOnlyNullIsEmpty) {
    ResultTable table;
    SQLite3Query(QStringLiteral("select null as v"), table);
    ASSERT_EQ(table, (ResultTable{QStringLiteral("v"), QString()}));
    EXPECT_EQ(FindColumn(table, 1, QStringLiteral("v")), QString());
}

TEST_F(ResultTableTest, FindColumnOfAMissingNameIsReportedThenFatal) {
    install.exec(QStringLiteral("insert into t values(1,'x',2);"));
    ResultTable table;
    SQLite3Query(QStringLiteral("select a, b from t"), table);
    EXPECT_THROW(FindColumn(table, 1, QStringLiteral("zz")), ProcessEnded);

    const QString message = QStringLiteral("Error!\r\n  Cannot find col[zz]\r\n  cols=[a\tb]");
    const auto& shown = install.desktop.dialogs.shown;
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, message);
    EXPECT_EQ(shown[0].title, QStringLiteral("VelmoAccount"));
    EXPECT_EQ(shown[1].title, QStringLiteral("エラーが発生しました"));
    EXPECT_TRUE(shown[1].text.contains(QStringLiteral("Err.Desc=\r\n")));
    EXPECT_TRUE(install.runLog().contains(QStringLiteral("09:30:05 ") + QStringLiteral("  ") + message + "\r\n"));
    EXPECT_EQ(ctx().db, nullptr);
}

TEST_F(ResultTableTest, FindColumnOnARowThatDoesNotExistIsARunTimeError) {
    ResultTable table{QStringLiteral("a"), QStringLiteral("1")};
    EXPECT_THROW(FindColumn(table, 2, QStringLiteral("a")), std::runtime_error);
}

}  // namespace
