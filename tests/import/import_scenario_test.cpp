// Statements the test writes, previewed, recorded and voided on fresh books:
// the preview lines, the rows stored and the run log's lines are compared
// with tests/data/import/statements.log.
#include "app/run_log.h"
#include "golden_log.h"
#include "import/import_books.h"
#include "import/statement_import.h"
#include "layout_print.h"
#include "platform/cp932.h"
#include "sqlite/sqlite_api.h"
#include "store/db_file.h"
#include "store/import_store.h"
#include "temp_install.h"

#include <gtest/gtest.h>

namespace {

// A bank's statement in Shift_JIS: two header lines, withdrawals and deposits
// in a pair of columns, and the lines a bad export leaves.
const QString kBank = QStringLiteral(
    "\"普通預金　入出金明細\",\"口座番号 1234567\"\r\n"
    "\"取引日\",\"摘要\",\"お引出し\",\"お預入れ\",\"残高\"\r\n"
    "\"2026/01/05\",\"ﾃﾞﾝｷﾘﾖｳｷﾝ\",\"8,800\",\"\",\"100,000\"\r\n"
    "\"2026/01/10\",\"ﾌﾘｺﾐ ｶ)ﾔﾏﾀﾞｼﾖｳｼﾞ\",\"\",\"110,000\",\"210,000\"\r\n"
    "\"2026/01/12\",\"ATM\",\"abc\",\"\",\"210,000\"\r\n"
    "\"2026/13/01\",\"ﾃｽｳﾘﾖｳ\",\"220\",\"\",\"209,780\"\r\n"
    "\"2025/12/31\",\"ﾃﾞﾝｷﾘﾖｳｷﾝ\",\"7,700\",\"\",\"202,080\"\r\n"
    "\"2026/01/20\",\"ﾃﾞﾝｷﾘﾖｳｷﾝ\",\"2147483648\",\"\",\"0\"\r\n"
    "\"2026/01/25\",\"ﾃﾞﾝｷﾘﾖｳｷﾝ\"\r\n"
    "\"2026/01/31\",\"ｶｰﾄﾞ ｼﾊﾗｲ\",\"12,345\",\"\",\"189,735\"\r\n");

// A card's statement in UTF-8 with its mark: one amount column, payments
// positive, quoted fields holding commas, quotes and a line break.
const QString kCard = QStringLiteral(
    "ご利用日,ご利用店名,ご利用金額,支払区分\n"
    "2026/01/07,\"文具店 \"\"ペン\"\", 本店\",1100,1回\n"
    "2026/01/08,\"オンライン書店\n(電子書籍)\",\"2,200\",1回\n"
    "R8.1.9,ＳＥＶＥＮ　ＣＡＦＥ☕,\"１，６５０\",1回\n"
    "2026年1月9日,ＳＥＶＥＮ　ＣＡＦＥ,\"１，６５０\",1回\n");

// The next month: the rule made in January chooses the trade of a payment,
// not of a refund from the same shop.
const QString kCardNext = QStringLiteral(
    "ご利用日,ご利用店名,ご利用金額,支払区分\n"
    "2026/02/03,文具店 駅前店,880,1回\n"
    "2026/02/04,文具店 駅前店,-880,返品\n");

const ColumnLayout kBankLayout{"", 2, 1, 2, 0, 3, 4, false};
const ColumnLayout kCardLayout{"", 1, 1, 2, 3, 0, 0, true};

QString LineText(const PreviewLine& l) {
    return QString::number(l.line) + "|" + l.dateText + "|" + l.text + "|" + QString::number(l.amount) + "|" +
           DirectionName(l.direction) + "|" + l.tradeCd + "|" + l.detailCd + "|" + l.summary + "|" + l.rate + "|" +
           StatusText(l);
}

void LogPreview(const std::vector<PreviewLine>& lines) {
    QStringList texts;
    for (const PreviewLine& line : lines) texts << LineText(line);
    LogResult(texts);
}

// The statement read and previewed on the layout guessed from its header.
std::vector<PreviewLine> PreviewFile(TempInstall& install, const QString& name, const QByteArray& bytes,
                                     const ColumnLayout& expected, const ImportBooks& books) {
    WriteLog("> preview " + name);
    install.writeBytes(name, bytes);
    const StatementRecords read = ReadStatementRecords(install.path(name));
    EXPECT_EQ(read.problem.toStdString(), "");
    const ColumnLayout layout = GuessLayout(read.records);
    EXPECT_EQ(layout, expected) << name.toStdString();
    std::vector<PreviewLine> lines = Preview(read.records, layout, books);
    LogPreview(lines);
    return lines;
}

void LogRows(TempInstall& install) {
    WriteLog("> rows");
    LogResult(install.rows("select * from t_trade order by year,month,day,seq"));
    LogResult(install.rows("select * from t_import order by import_id"));
    LogResult(install.rows("select * from t_import_trade order by import_id,year,month,day,seq"));
}

TEST(ImportScenario, StatementsPreviewedRecordedAndVoided) {
    TempInstall install;
    install.openDatabase();
    install.setTime("2026-02-10T20:15:00");

    // The card: nothing chosen yet, one summary Shift_JIS cannot hold.
    ImportBooks books = LoadImportBooks(2026);
    const QByteArray bom("\xEF\xBB\xBF");
    std::vector<PreviewLine> card = PreviewFile(install, "card.csv", bom + kCard.toUtf8(), kCardLayout, books);
    ASSERT_EQ(card.size(), 4u);

    // The user picks trades, remembers one as a rule and leaves a line out.
    WriteLog("> choose");
    ChooseTrade(card[0], books, "32", "02");
    DBInsImportRule("out", "文具店", "32", "02", "");
    ChooseTrade(card[1], books, "32", "01");
    ChooseTrade(card[2], books, "32", "01");
    ChooseTrade(card[3], books, "32", "01");
    card[3].leftOut = true;
    books.rules = LoadRules();
    ApplyRules(card, books);
    UpdateStatuses(card, books);
    LogPreview(card);
    WriteLog("> record card");
    LogResult({QString::number(RecordStatement("card.csv", card).value_or(-1))});
    LogRows(install);

    // The same file again: what was recorded is found, the rest stays.
    books = LoadImportBooks(2026);
    PreviewFile(install, "card.csv", bom + kCard.toUtf8(), kCardLayout, books);
    // The next month: the rule applies to the payment only.
    PreviewFile(install, "card_next.csv", kCardNext.toUtf8(), kCardLayout, books);

    // The bank: its header's second line names the columns; a D-class rule
    // brings its percentage, a deposit rule its own trade.
    DBInsImportRule("out", "ﾃﾞﾝｷ", "50", "02", "40");
    DBInsImportRule("in", "ﾌﾘｺﾐ", "03", "01", "");
    books = LoadImportBooks(2026);
    const std::vector<PreviewLine> bank = PreviewFile(install, "bank.csv", Sjis(kBank), kBankLayout, books);
    // A date already holding 999 transactions refuses the whole import.
    install.exec("insert into t_trade values (2026,1,10,999,'01','01','x',1,100,1,'2026/01/10 00:00:00')");
    WriteLog("> record bank on a full date");
    LogResult({QString::number(RecordStatement("bank.csv", bank).value_or(-1))});
    LogRows(install);
    install.exec("delete from t_trade where seq = 999");
    WriteLog("> record bank");
    LogResult({QString::number(RecordStatement("bank.csv", bank).value_or(-1))});
    WriteLog("> record nothing");
    LogResult({QString::number(RecordStatement("bank.csv", {}).value_or(-1))});

    WriteLog("> void the card's import");
    LogResult({QString::number(DBVoidImport(1))});
    WriteLog("> void it again");
    LogResult({QString::number(DBVoidImport(1))});
    LogRows(install);
    LogResult(DBSelImports());

    WriteLog("> layouts");
    SaveLayout({"銀行A", 2, 1, 2, 0, 3, 4, false});
    install.setTime("2026-02-10T20:16:00");
    SaveLayout({"カードB", 1, 1, 2, 3, 0, 0, true});
    for (const ColumnLayout& l : SavedLayouts())
        LogResult({l.name + QString(" %1 %2 %3 %4 %5 %6 %7")
                                .arg(l.headerLines)
                                .arg(l.dateColumn)
                                .arg(l.textColumn)
                                .arg(l.amountColumn)
                                .arg(l.outColumn)
                                .arg(l.inColumn)
                                .arg(l.positiveIsOut)});
    EXPECT_EQ(GoldenDiff("import/statements.log", RunLogBytes()), "");
}

// Books made before imports get the same tables new books have, once.
TEST(ImportScenario, TablesCreatedForOlderBooks) {
    TempInstall install;
    install.openDatabase();
    const QStringList tables{"t_import_layout", "t_import_rule", "t_import", "t_import_trade"};
    QStringList fromSchema;
    for (const QString& table : tables) fromSchema << install.rows("pragma table_info(" + table + ")");
    for (const QString& table : tables) install.exec("drop table " + table);
    const auto reopen = [&] {
        SQLite3Close();
        QString error;
        ASSERT_TRUE(DBFileOpen(install.path("db/velmo.sqlite3"), error)) << error.toStdString();
    };
    reopen();
    QStringList created;
    for (const QString& table : tables) created << install.rows("pragma table_info(" + table + ")");
    EXPECT_EQ(created, fromSchema);
    EXPECT_EQ(fromSchema.size(), 9 + 7 + 8 + 5);
    const qsizetype logged = RunLogBytes().size();
    reopen();
    EXPECT_FALSE(platform::fromCp932(RunLogBytes().mid(logged)).contains("create table"));
}

}  // namespace
