// Consistency of the bundled database and of the files installed beside it,
// checked on an in-memory copy of the database the build produced.
#include "golden_log.h"
#include "platform/cp932.h"
#include "store/default_chart.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>

namespace {

// A summary phrase as the entry checks accept it: Shift_JIS without
// substitution, 1 to 30 bytes, no half-width blank.
bool PhraseOk(const QString& phrase) {
    const QByteArray bytes = platform::toCp932(phrase);
    return !phrase.isEmpty() && platform::fromCp932(bytes) == phrase && bytes.size() <= 30 && !phrase.contains(u' ');
}

void PhraseOkInSql(sqlite3_context* c, int, sqlite3_value** v) {
    sqlite3_result_int(c, PhraseOk(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v[0])))));
}

struct Db {
    sqlite3* db = nullptr;
    Db() {
        sqlite3* built = nullptr;
        sqlite3_open_v2(VELMO_DATABASE_FILE, &built, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_open(":memory:", &db);
        sqlite3_backup* backup = sqlite3_backup_init(db, "main", built, "main");
        // Without the copy there are no tables, and every query fails.
        if (backup) sqlite3_backup_step(backup, -1);
        sqlite3_backup_finish(backup);
        sqlite3_close(built);
        sqlite3_create_function(db, "phrase_ok", 1, SQLITE_UTF8, nullptr, PhraseOkInSql, nullptr, nullptr);
    }
    ~Db() { sqlite3_close(db); }
    // All values of the result joined by "|", or the error.
    std::string rows(const QString& sql) const {
        char** cells = nullptr;
        int rows = 0, columns = 0;
        if (sqlite3_get_table(db, sql.toUtf8().constData(), &cells, &rows, &columns, nullptr) != SQLITE_OK)
            return std::string("SQL error: ") + sqlite3_errmsg(db);
        QStringList values;
        for (int i = columns; i < (rows + 1) * columns; ++i) values << QString::fromUtf8(cells[i]);
        sqlite3_free_table(cells);
        return values.join(u'|').toStdString();
    }
};

TEST(Masters, NoMasterRowBreaksARuleAndPhraseListsNameExistingDetails) {
    const Db db;
    const QStringList rules = DataText(QStringLiteral("masters/rules.sql")).split(QStringLiteral("\n\n"));
    ASSERT_GE(rules.size(), 9) << "tests/data/masters/rules.sql is missing";
    for (const QString& rule : rules) EXPECT_EQ(db.rows(rule), "") << rule.toStdString();
    // The ledger finds an account's opening balance under the chart's code.
    QStringList chart;
    for (const DefaultChartRow& r : DefaultChart()) chart << QStringLiteral("%1 %2 %3").arg(r.code, r.name, r.side);
    EXPECT_EQ(db.rows(QStringLiteral("select account_cd || ' ' || account_name || ' ' || account_class from m_account"
                                     " where output_class = 'A' order by account_cd")),
              chart.join(u'|').toStdString());
    const QDir bin(QStringLiteral(VELMO_STAGE_DIR "/bin"));
    const QStringList lists = bin.entryList({QStringLiteral("List*.txt")});
    EXPECT_TRUE(lists.contains(QStringLiteral("List-.txt")) && lists.size() >= 3);
    const QString detailsNamed = QStringLiteral(
        "select count(*) > 0 from m_trade_detail where '%1' in ('List-.txt',"
        " 'List' || trade_cd || '-.txt', 'List' || trade_cd || '-' || detail_cd || '.txt')");
    for (const QString& name : lists) {
        EXPECT_EQ(db.rows(detailsNamed.arg(name)), "1") << name.toStdString() << " names no trade or detail";
        QFile file(bin.filePath(name));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        EXPECT_TRUE(bytes.endsWith("\r\n") && bytes.count("\n") == bytes.count("\r\n")) << name.toStdString();
        for (const QString& line : platform::fromCp932(bytes.left(bytes.size() - 2)).split(QStringLiteral("\r\n")))
            EXPECT_TRUE(PhraseOk(line)) << name.toStdString() << ": " << line.toStdString();
    }
}

TEST(Masters, TransactionTablesTakeColumnlessInsertsOfQuotedDigits) {
    // The program inserts without naming columns. Upper case: integer; "*": key.
    const char* const layouts[][2] = {
        {"t_trade", "YEAR* MONTH* DAY* SEQ* trade_cd detail_cd detail_name MONEY RATE IS_VALID dt_update"},
        {"t_trade_history",
         "YEAR* MONTH* DAY* SEQ* VER_IDX* trade_cd detail_cd detail_name MONEY RATE IS_VALID dt_update"},
        {"t_bs_begining", "YEAR* account_cd* account_name asset_or_debit MONEY dt_update"},
        {"t_bs_begining_history", "YEAR* account_cd* VER_IDX* account_name asset_or_debit MONEY dt_update"},
    };
    const Db db;
    for (const auto& [table, columns] : layouts) {
        const QLatin1String t(table);
        EXPECT_EQ(db.rows(QStringLiteral("select group_concat(iif(lower(type) = 'integer', upper(name), name) ||"
                                         " iif(pk, '*', ''), ' ') from pragma_table_info('%1')")
                              .arg(t)),
                  columns);
        // Every value quoted, as the program writes them.
        const QStringList values(QString::fromLatin1(columns).count(u' ') + 1, QStringLiteral("'012'"));
        EXPECT_EQ(db.rows(QStringLiteral("insert into %1 values(%2)").arg(t, values.join(u','))), "");
        EXPECT_EQ(db.rows(QStringLiteral("select typeof(year) || typeof(money) || money from %1").arg(t)),
                  "integerinteger12")
            << table;
    }
}

}  // namespace
