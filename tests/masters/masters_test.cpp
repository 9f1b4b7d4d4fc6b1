// Consistency of the bundled database and of the files installed beside it,
// checked on a copy of the database the build produced: the rules of
// tests/data/masters/rules.sql, the opening balance chart, the phrase lists.
#include "app/context.h"
#include "golden_log.h"
#include "platform/cp932.h"
#include "store/default_chart.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

// A summary phrase as the entry checks accept it: Shift_JIS without
// substitution, 1 to 30 bytes, no half-width blank.
bool PhraseOk(const QString& phrase) {
    const QByteArray bytes = platform::toCp932(phrase);
    return !phrase.isEmpty() && platform::fromCp932(bytes) == phrase && bytes.size() <= 30 && !phrase.contains(u' ');
}

// On the built database, opened as DBConnection with phrase_ok() for the
// rules; rows gives all values of a result joined by "|".
TEST(Masters, NoMasterRowBreaksARuleAndPhraseListsNameExistingDetails) {
    TempInstall install;
    install.installDatabase();
    sqlite3_open(install.path("db/velmo.sqlite3").toUtf8().constData(), &ctx().db);
    const auto phraseOk = [](sqlite3_context* c, int, sqlite3_value** v) {
        sqlite3_result_int(c, PhraseOk(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v[0])))));
    };
    sqlite3_create_function(ctx().db, "phrase_ok", 1, SQLITE_UTF8, nullptr, phraseOk, nullptr, nullptr);
    const auto rows = [&install](const QString& sql) { return install.rows(sql).join('|').toStdString(); };
    const QStringList rules = DataText("masters/rules.sql").split("\n\n");
    ASSERT_GE(rules.size(), 10) << "tests/data/masters/rules.sql is missing";
    for (const QString& rule : rules) EXPECT_EQ(rows(rule), "") << rule.toStdString();
    // The ledger finds an account's opening balance under the chart's code.
    QStringList chart;
    for (const DefaultChartRow& r : DefaultChart()) chart << QString("%1 %2 %3").arg(r.code, r.name, r.side);
    EXPECT_EQ(rows("select account_cd || ' ' || account_name || ' ' || account_class from m_account"
                   " where output_class = 'A' order by account_cd"),
              chart.join('|').toStdString());
    const QDir bin(VELMO_STAGE_DIR "/bin");
    const QStringList lists = bin.entryList({"List*.txt"});
    EXPECT_TRUE(lists.contains("List-.txt") && lists.size() >= 3);
    for (const QString& name : lists) {
        EXPECT_EQ(rows(QString("select count(*) > 0 from m_trade_detail where '%1' in ('List-.txt', 'List' || "
                               "trade_cd || '-.txt', 'List' || trade_cd || '-' || detail_cd || '.txt')")
                           .arg(name)),
                  "1")
            << name.toStdString() << " names no trade or detail";
        QFile file(bin.filePath(name));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        EXPECT_TRUE(bytes.endsWith("\r\n") && bytes.count("\n") == bytes.count("\r\n")) << name.toStdString();
        for (const QString& line : platform::fromCp932(bytes.chopped(2)).split("\r\n"))
            EXPECT_TRUE(PhraseOk(line)) << name.toStdString() << ": " << line.toStdString();
    }
}

}  // namespace
