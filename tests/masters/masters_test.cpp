// Consistency of the bundled database and of the files installed beside it.
// The database is the one the build produced, opened read-only; statements
// that change data run on an in-memory copy.
#include "platform/cp932.h"
#include "store/default_chart.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <stdexcept>
#include <vector>

namespace {

using Row = std::vector<QString>;

class Db {
public:
    // The built database, or an in-memory copy of it.
    explicit Db(bool copy = false) {
        sqlite3* built = nullptr;
        if (sqlite3_open_v2(VELMO_DATABASE_FILE, &built, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            sqlite3_close(built);
            throw std::runtime_error("cannot open " VELMO_DATABASE_FILE);
        }
        if (!copy) {
            db_ = built;
            return;
        }
        sqlite3_open(":memory:", &db_);
        sqlite3_backup* backup = sqlite3_backup_init(db_, "main", built, "main");
        const bool copied = backup && sqlite3_backup_step(backup, -1) == SQLITE_DONE;
        sqlite3_backup_finish(backup);
        sqlite3_close(built);
        if (!copied) throw std::runtime_error("cannot copy the database");
    }
    ~Db() { sqlite3_close(db_); }
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;

    std::vector<Row> rows(const QString& sql) const {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
        std::vector<Row> result;
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            Row row;
            for (int c = 0; c < sqlite3_column_count(statement); ++c)
                row.push_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, c))));
            result.push_back(row);
        }
        sqlite3_finalize(statement);
        if (rc != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db_));
        return result;
    }

    QString value(const QString& sql) const {
        const auto r = rows(sql);
        return r.empty() || r[0].empty() ? QString() : r[0][0];
    }

private:
    sqlite3* db_ = nullptr;
};

struct Trade {
    QString code, name, cls, debitCd, debitName, creditCd, creditName, insurance;
};

std::vector<Trade> trades(const Db& db) {
    std::vector<Trade> out;
    for (const Row& r : db.rows("select trade_cd, trade_name, trade_class_cd, debit_cd, debit_name, credit_cd,"
                                " credit_name, insurance_class from m_trade order by group_cd, order_cd"))
        out.push_back({r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7]});
    return out;
}

std::map<QString, Row> accounts(const Db& db) {
    std::map<QString, Row> out;  // code -> name, class, output class
    for (const Row& r : db.rows("select account_cd, account_name, account_class, output_class from m_account"))
        out[r[0]] = {r[1], r[2], r[3]};
    return out;
}

// The general ledger's rule: classes 'a' and 'c' grow on the debit side.
bool debitIncreases(const QString& accountClass) {
    return accountClass == QLatin1String("a") || accountClass == QLatin1String("c");
}

// A summary phrase as the entry checks accept it: Shift_JIS without
// substitution, at most 30 bytes, no half-width blank.
QString phraseProblem(const QString& phrase) {
    const QByteArray bytes = platform::toCp932(phrase);
    if (phrase.isEmpty()) return QStringLiteral("empty");
    if (platform::fromCp932(bytes) != phrase) return QStringLiteral("not Shift_JIS");
    if (bytes.size() > 30) return QStringLiteral("%1 bytes").arg(bytes.size());
    if (phrase.contains(QLatin1Char(' '))) return QStringLiteral("half-width blank");
    return {};
}

QByteArray readStaged(const QString& relative) {
    QFile file(QStringLiteral(VELMO_STAGE_DIR "/") + relative);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// ---------------------------------------------------------------- schema

struct Column {
    const char* name;
    bool integer;  // integer affinity, otherwise text
    int key;       // position in the primary key, 0 = not part of it
};

struct TableLayout {
    const char* table;
    std::vector<Column> columns;
};

TEST(MastersSchema, TransactionTablesHaveTheColumnOrderOfTheColumnlessInserts) {
    const std::vector<TableLayout> layouts = {
        {"t_trade",
         {{"year", true, 1}, {"month", true, 2}, {"day", true, 3}, {"seq", true, 4}, {"trade_cd", false, 0},
          {"detail_cd", false, 0}, {"detail_name", false, 0}, {"money", true, 0}, {"rate", true, 0},
          {"is_valid", true, 0}, {"dt_update", false, 0}}},
        {"t_trade_history",
         {{"year", true, 1}, {"month", true, 2}, {"day", true, 3}, {"seq", true, 4}, {"ver_idx", true, 5},
          {"trade_cd", false, 0}, {"detail_cd", false, 0}, {"detail_name", false, 0}, {"money", true, 0},
          {"rate", true, 0}, {"is_valid", true, 0}, {"dt_update", false, 0}}},
        {"t_bs_begining",
         {{"year", true, 1}, {"account_cd", false, 2}, {"account_name", false, 0}, {"asset_or_debit", false, 0},
          {"money", true, 0}, {"dt_update", false, 0}}},
        {"t_bs_begining_history",
         {{"year", true, 1}, {"account_cd", false, 2}, {"ver_idx", true, 3}, {"account_name", false, 0},
          {"asset_or_debit", false, 0}, {"money", true, 0}, {"dt_update", false, 0}}},
    };
    const Db db;
    for (const TableLayout& layout : layouts) {
        SCOPED_TRACE(layout.table);
        const auto info = db.rows(QStringLiteral("pragma table_info(%1)").arg(QLatin1String(layout.table)));
        ASSERT_EQ(info.size(), layout.columns.size());
        for (std::size_t i = 0; i < info.size(); ++i) {
            const Column& expected = layout.columns[i];
            EXPECT_EQ(info[i][1], QLatin1String(expected.name)) << "column " << i + 1;
            // INTEGER gives the digit strings the program writes integer affinity.
            EXPECT_EQ(info[i][2].toUpper(), expected.integer ? QStringLiteral("INTEGER") : QStringLiteral("TEXT"))
                << expected.name;
            EXPECT_EQ(info[i][5].toInt(), expected.key) << expected.name;
        }
    }
}

TEST(MastersSchema, MasterTablesHaveTheColumnsTheProgramReads) {
    const std::map<QString, QStringList> needed = {
        {"m_trade",
         {"trade_cd", "trade_name", "trade_class_cd", "debit_cd", "debit_name", "credit_cd", "credit_name",
          "group_cd", "order_cd", "insurance_class"}},
        {"m_trade_detail", {"trade_cd", "detail_cd", "detail_name", "rate", "is_valid"}},
        {"m_account", {"account_cd", "account_name", "account_class", "output_class"}},
        {"m_percent", {"value_num"}},
        {"m_money", {"value_num"}},
    };
    const Db db;
    EXPECT_EQ(db.value("select count(*) from sqlite_master where type = 'table'"), QStringLiteral("9"));
    for (const auto& [table, columns] : needed) {
        QStringList present;
        for (const Row& r : db.rows(QStringLiteral("pragma table_info(%1)").arg(table))) present << r[1];
        for (const QString& column : columns)
            EXPECT_TRUE(present.contains(column)) << (table + QLatin1Char('.') + column).toStdString();
    }
    EXPECT_EQ(db.value("pragma integrity_check"), QStringLiteral("ok"));
    EXPECT_TRUE(db.rows("pragma foreign_key_check").empty());
}

TEST(MastersSchema, QuotedDigitStringsAreStoredAsIntegers) {
    const Db db(true);
    // As the program records a transaction and copies it before a correction.
    db.rows("insert into t_trade values(\r\n   2020\r\n  ,4\r\n  ,1\r\n  ,1\r\n  ,'01'\r\n  ,'01'\r\n"
            "  ,'店頭売上'\r\n  ,'12345'\r\n  ,'50'\r\n  ,'1'\r\n  ,'2020/04/01 09:05:07'\r\n)");
    db.rows("insert into t_trade_history\r\n  select year,month,day,seq\r\n        ,1\r\n        ,trade_cd,detail_cd,"
            "detail_name,money,rate,is_valid,dt_update\r\n  from   t_trade\r\n  where  year  = 2020\r\n"
            "    and  month = 4\r\n    and  day   = 1\r\n    and  seq   = 1");
    db.rows("insert into t_bs_begining values(2020,'100','現　金','a','007','2020/04/01 09:05:07')");

    const std::vector<std::pair<const char*, const char*>> checks = {
        {"select typeof(money)||typeof(rate)||typeof(is_valid) from t_trade", "integerintegerinteger"},
        {"select typeof(money)||typeof(rate)||typeof(is_valid) from t_trade_history", "integerintegerinteger"},
        {"select money * rate / 100 from t_trade", "6172"},
        {"select count(*) from t_trade where is_valid = 1 and money > 9999", "1"},
        {"select trade_cd||detail_cd||typeof(trade_cd) from t_trade", "0101text"},
        {"select ver_idx||':'||money from t_trade_history", "1:12345"},
        {"select money||typeof(money) from t_bs_begining", "7integer"},
        {"select count(*) from t_trade where month = '04' and day = '01'", "1"},
    };
    for (const auto& [sql, expected] : checks)
        EXPECT_EQ(db.value(QString::fromUtf8(sql)), QString::fromUtf8(expected)) << sql;
}

// ---------------------------------------------------------------- accounts

TEST(MastersAccounts, BalanceSheetAccountsAreTheOpeningChart) {
    // The ledger looks up an account's opening balance under the account's
    // code, so the chart the opening balance sheet is created from and the
    // account master must agree code by code.
    const auto all = accounts(Db());
    for (const DefaultChartRow& row : DefaultChart()) {
        SCOPED_TRACE(row.code.toString().toStdString());
        const auto it = all.find(row.code.toString());
        ASSERT_NE(it, all.end());
        EXPECT_EQ(it->second[0], row.name.toString());
        // Assets grow on the debit side, liabilities and capital on the credit side.
        EXPECT_EQ(debitIncreases(it->second[1]), row.side == u"a");
        // The ledger opens these pages with the opening balance.
        EXPECT_NE(it->second[2], QStringLiteral("B"));
    }
}

TEST(MastersAccounts, IncomeStatementAccountsStartAtZeroAndGrowOnTheirSide) {
    const std::vector<std::pair<const char*, bool>> statement = {
        {"売上", false}, {"雑収入", false}, {"仕入", true}, {"租税公課", true}, {"荷造運賃", true},
        {"水道光熱費", true}, {"旅費交通費", true}, {"通信費", true}, {"広告宣伝費", true}, {"接待交際費", true},
        {"損害保険料", true}, {"修繕費", true}, {"消耗品費", true}, {"減価償却費", true}, {"福利厚生費", true},
        {"給料賃金", true}, {"外注工賃", true}, {"利子割引料", true}, {"地代家賃", true}, {"貸倒金", true},
        {"雑費", true},
    };
    const auto all = accounts(Db());
    EXPECT_EQ(all.size(), 50 + statement.size());
    for (const auto& [name, debit] : statement) {
        SCOPED_TRACE(name);
        std::vector<QString> codes;
        for (const auto& [code, row] : all)
            if (row[0] == QString::fromUtf8(name)) codes.push_back(code);
        ASSERT_EQ(codes.size(), 1u);
        const Row& row = all.at(codes[0]);
        // A chart code would give the account an opening balance.
        EXPECT_TRUE(std::none_of(DefaultChart().begin(), DefaultChart().end(),
                                 [&](const DefaultChartRow& r) { return r.code == codes[0]; }))
            << codes[0].toStdString();
        EXPECT_EQ(debitIncreases(row[1]), debit);
        EXPECT_EQ(row[2], QStringLiteral("B"));
    }
}

// ---------------------------------------------------------------- trades

TEST(MastersTrades, EveryTradePostsToExistingAccountsUnderTheirNames) {
    const Db db;
    const auto all = accounts(db);
    const auto list = trades(db);
    EXPECT_GE(list.size(), 40u);
    std::set<QString> codes;
    for (const Trade& t : list) {
        SCOPED_TRACE(t.code.toStdString());
        EXPECT_EQ(t.code.size(), 2);
        EXPECT_TRUE(codes.insert(t.code).second) << "duplicate code";
        EXPECT_TRUE(t.cls == QLatin1String("B") || t.cls == QLatin1String("D") || t.cls == QLatin1String("P"));
        EXPECT_TRUE(phraseProblem(t.name).isEmpty()) << t.name.toStdString();
        EXPECT_NE(t.debitCd, t.creditCd);
        for (const auto& [code, printed] : {std::pair{t.debitCd, t.debitName}, std::pair{t.creditCd, t.creditName}}) {
            const auto it = all.find(code);
            ASSERT_NE(it, all.end()) << code.toStdString();
            EXPECT_EQ(printed, it->second[0]) << code.toStdString();
            EXPECT_FALSE(printed.isEmpty()) << code.toStdString();
        }
    }
}

TEST(MastersTrades, TheListRunsBusinessThenSharedThenPrivate) {
    const Db db;
    // The list is ordered by these keys alone, so they must fix one order.
    EXPECT_EQ(db.value("select count(distinct group_cd||'/'||order_cd) from m_trade"),
              db.value("select count(*) from m_trade"));
    const QString rank = QStringLiteral("BDP");
    QString classes;
    for (const Trade& t : trades(db)) {
        if (!classes.isEmpty()) {
            EXPECT_LE(rank.indexOf(classes.back()), rank.indexOf(t.cls)) << t.code.toStdString();
        }
        if (classes.isEmpty() || classes.back() != t.cls[0]) classes += t.cls;
    }
    EXPECT_EQ(classes, rank);
}

TEST(MastersTrades, EveryTradeOffersDetailsWithUsablePhrasesAndRates) {
    const Db db;
    std::map<QString, QString> classOf;
    for (const Trade& t : trades(db)) classOf[t.code] = t.cls;
    std::map<QString, int> validDetails;
    for (const Row& r :
         db.rows("select trade_cd, detail_cd, detail_name, rate, typeof(rate), is_valid from m_trade_detail")) {
        SCOPED_TRACE((r[0] + QLatin1Char('-') + r[1]).toStdString());
        ASSERT_TRUE(classOf.count(r[0]));
        EXPECT_EQ(r[1].size(), 2);
        EXPECT_EQ(phraseProblem(r[2]), QString()) << r[2].toStdString();
        EXPECT_EQ(r[4], QStringLiteral("integer"));
        const int rate = r[3].toInt();
        if (classOf[r[0]] == QLatin1String("D")) {
            EXPECT_TRUE(rate >= 1 && rate <= 100) << rate;
        } else {
            EXPECT_EQ(rate, 100);
        }
        if (r[5] == QLatin1String("1")) ++validDetails[r[0]];
    }
    for (const auto& [code, cls] : classOf) EXPECT_GE(validDetails[code], 1) << code.toStdString();
}

TEST(MastersTrades, SharedTradesBookTheBusinessShareOfAPrivatePayment) {
    // Only money * rate / 100 is posted, so the other side must be the
    // owner's contribution; a cash or bank account would lose the private part.
    const Db db;
    const auto all = accounts(db);
    int shared = 0;
    for (const Trade& t : trades(db)) {
        if (t.cls != QLatin1String("D")) continue;
        ++shared;
        EXPECT_EQ(t.creditCd, QStringLiteral("610")) << t.code.toStdString();
        EXPECT_EQ(all.at(t.debitCd)[2], QStringLiteral("B")) << t.code.toStdString() << " debits no expense";
    }
    EXPECT_GE(shared, 4);
}

TEST(MastersTrades, InsurancePremiumsArePrivateDrawings) {
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"国民年金", "S"}, {"国民健康保険", "S"}, {"生命保険料", "O"}, {"地震保険料", "O"}};
    const Db db;
    const auto list = trades(db);
    for (const auto& [name, insurance] : expected) {
        const bool found = std::any_of(list.begin(), list.end(), [&](const Trade& t) {
            return t.name == QString::fromUtf8(name) && t.insurance == QLatin1String(insurance);
        });
        EXPECT_TRUE(found) << name;
    }
    for (const Trade& t : list) {
        if (t.insurance != QLatin1String("S") && t.insurance != QLatin1String("O")) continue;
        EXPECT_EQ(t.cls, QStringLiteral("P")) << t.code.toStdString();
        EXPECT_EQ(t.debitCd, QStringLiteral("330")) << t.code.toStdString();
    }
}

// ---------------------------------------------------------------- presets

TEST(MastersPresets, PresetsAreIntegersThatTheListsShowWhole) {
    struct Preset {
        const char* table;
        int low, high;
    };
    const Db db;
    for (const Preset& p : {Preset{"m_money", 1, 999}, Preset{"m_percent", 1, 100}}) {
        SCOPED_TRACE(p.table);
        const auto rows = db.rows(QStringLiteral("select value_num, typeof(value_num) from %1 order by value_num")
                                      .arg(QLatin1String(p.table)));
        ASSERT_GE(rows.size(), 5u);
        for (const Row& r : rows) {
            EXPECT_EQ(r[1], QStringLiteral("integer"));
            // The list keeps the last three characters of the number.
            EXPECT_TRUE(r[0].toInt() >= p.low && r[0].toInt() <= p.high && r[0].size() <= 3) << r[0].toStdString();
        }
    }
    EXPECT_EQ(db.value("select max(value_num) from m_percent"), QStringLiteral("100"));
}

// ---------------------------------------------------------------- files beside the database

TEST(MastersTree, PhraseListsAreShiftJisAndBelongToExistingDetails) {
    const Db db;
    const QStringList files =
        QDir(QStringLiteral(VELMO_STAGE_DIR "/bin")).entryList({QStringLiteral("List*.txt")}, QDir::Files);
    EXPECT_TRUE(files.contains(QStringLiteral("List-.txt")));
    EXPECT_GE(files.size(), 3);
    const QRegularExpression pattern(QStringLiteral("^List(\\d{2})?-(\\d{2})?\\.txt$"));
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const auto match = pattern.match(name);
        ASSERT_TRUE(match.hasMatch());
        const QString trade = match.captured(1), detail = match.captured(2);
        if (!detail.isEmpty()) {
            ASSERT_FALSE(trade.isEmpty());
            EXPECT_EQ(db.value(QStringLiteral("select count(*) from m_trade_detail"
                                              " where trade_cd = '%1' and detail_cd = '%2'")
                                   .arg(trade, detail)),
                      QStringLiteral("1"));
        } else if (!trade.isEmpty()) {
            EXPECT_EQ(db.value(QStringLiteral("select count(*) from m_trade where trade_cd = '%1'").arg(trade)),
                      QStringLiteral("1"));
        }
        const QByteArray bytes = readStaged(QStringLiteral("bin/") + name);
        ASSERT_TRUE(bytes.endsWith("\r\n"));
        EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n")) << "a line not ended by CR LF";
        QStringList lines = platform::fromCp932(bytes).split(QStringLiteral("\r\n"));
        lines.removeLast();
        for (const QString& line : lines) EXPECT_EQ(phraseProblem(line), QString()) << line.toStdString();
    }
}

TEST(MastersTree, SettingsFileNamesTheBundledDatabase) {
    EXPECT_EQ(readStaged(QStringLiteral("bin/VelmoAccount.ini")),
              QByteArray("[user]\r\nname=\r\n[db]\r\nfilename=velmo.sqlite3\r\n"));
}

TEST(MastersTree, SoundCuesAreShortAudiblePcm) {
    for (const char* cue : {"wav/start.wav", "wav/notify.wav"}) {
        SCOPED_TRACE(cue);
        const QByteArray wav = readStaged(QString::fromLatin1(cue));
        ASSERT_GT(wav.size(), 44);
        const auto u16 = [&](int at) { return quint16(quint8(wav[at]) | quint8(wav[at + 1]) << 8); };
        const auto u32 = [&](int at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
        EXPECT_EQ(wav.left(4), QByteArray("RIFF"));
        EXPECT_EQ(u32(4), quint32(wav.size() - 8));
        EXPECT_EQ(wav.mid(8, 8), QByteArray("WAVEfmt "));
        EXPECT_EQ(u16(20), 1);  // PCM
        EXPECT_EQ(wav.mid(36, 4), QByteArray("data"));
        EXPECT_EQ(u32(40), quint32(wav.size() - 44));
        const double seconds = double(u32(40)) / u32(28);
        EXPECT_TRUE(seconds > 0.1 && seconds < 1.0) << seconds;
        int loudest = 0;
        for (int at = 44; at + 1 < wav.size(); at += 2) loudest = std::max(loudest, std::abs(int(qint16(u16(at)))));
        EXPECT_GT(loudest, 3000);
        EXPECT_LT(loudest, 32767);
    }
}

}  // namespace
