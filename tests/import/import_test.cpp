// The pieces of a statement import: amounts, dates, summaries, the column
// guess, the CSV split and the files refused whole; then the statements of
// tests/data/import previewed, recorded and voided on fresh books, the
// preview lines, the rows stored and the run log's lines compared with
// tests/data/import/statements.log.
#include "app/run_log.h"
#include "golden_log.h"
#include "import/amount_text.h"
#include "import/column_layout.h"
#include "import/csv_records.h"
#include "import/import_books.h"
#include "import/preview_lines.h"
#include "import/statement_date.h"
#include "import/statement_import.h"
#include "import/summary_text.h"
#include "store/import_store.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <functional>
#include <span>

namespace {

// A column layout as the goldens show it.
QString LayoutText(const ColumnLayout& l) {
    return l.name + QString::asprintf(" header=%d date=%d text=%d amount=%d out=%d in=%d positiveIsOut=%d",
                                      l.headerLines, l.dateColumn, l.textColumn, l.amountColumn, l.outColumn,
                                      l.inColumn, l.positiveIsOut);
}

// The value or "-", then the problem, against tests/data/import/amounts.txt.
TEST(Import, AmountsAsStatementsWriteThem) {
    EXPECT_EQ(CasesDiff("import/amounts.txt",
                        QString("1,234|￥１，２３４|\\500円| 0 |-300|－３００|300-|(1,300)|▲300|+25|2147483647||"
                                "2,147,483,648|99999999999999999999|12a|1.50|--3")
                            .split('|'),
                        [](const QString& text) {
                            const AmountReading reading = ReadAmount(text);
                            return (reading.value ? QString::number(*reading.value) : "-") + " " + reading.problem;
                        }),
              "");
}

// Against tests/data/import/dates.txt: era names, full-width digits, a time
// after the date; days that do not exist and eras outside Heisei and Reiwa as "-".
TEST(Import, DatesAsStatementsWriteThem) {
    EXPECT_EQ(
        CasesDiff(
            "import/dates.txt",
            QString("2026/1/5|2026-01-05|2026.01.05|20260105|2026年1月5日|２０２６／１／５|２０２６年１月５日|R8.1.5|"
                    "令和8年1月5日|令和元年5月1日|H30/4/1|平成31年4月30日|2026/01/05 10:23|2026/2/30|2026/13/01|R0.1.1|"
                    "S60.1.1|abc||202601051")
                .split('|'),
            [](const QString& text) {
                const QDate date = ReadStatementDate(text);
                return date.isValid() ? date.toString("yyyy-MM-dd") : "-";
            }),
        "");
}

// Blanks and line breaks made one full-width blank, cut at 30 bytes, as in
// tests/data/import/summaries.txt.
TEST(Import, SummariesOfStatementTexts) {
    const QString fifteen = QString(15, QChar(u'あ'));
    // A two-byte character that would end at byte 31 is left out whole.
    const QStringList texts{"ｱﾏｿﾞﾝ ｼﾞﾔﾊﾟﾝ", "  オンライン書店\r\n(電子書籍)\t", fifteen,       fifteen + "い",
                            "a" + fifteen,  QString(40, QLatin1Char('x')),      "ﾌﾘｺﾐ  ｶ)ﾔﾏﾀﾞ"};
    EXPECT_EQ(CasesDiff("import/summaries.txt", texts, SummaryOfStatementText), "");
}

// Header names, comma-joined, against tests/data/import/columns.txt.
TEST(Import, ColumnsGuessedFromTheirNames) {
    EXPECT_EQ(CasesDiff("import/columns.txt",
                        QString("取引日,摘要,お引出し,お預入れ,残高|日付,お取引内容,出金金額,入金金額,残高|"
                                "ご利用日,ご利用店名,ご利用金額,支払区分|日付,内容,金額,残高|a,b,c|")
                            .split('|'),
                        [](const QString& header) {
                            return LayoutText(GuessColumns(header.isEmpty() ? QStringList() : header.split(',')));
                        }),
              "");
}

// Each record as its line and fields, or the problem, as in
// tests/data/import/csv_records.txt.
TEST(Import, CsvSplitIntoRecordsWithTheirLines) {
    const QStringList texts{"a,b\r\nc,d\r\n",
                            "\"x,y\",\"he said \"\"hi\"\"\"\n2,3",
                            "\"line1\r\nline2\",z\r\n\r\nnext,w\r\n",
                            "a,,\"\"\n",
                            "a,b\nc,\"open\nmore\n",
                            "a,b\n\"ok\"x,d\n"};
    EXPECT_EQ(CasesDiff("import/csv_records.txt", texts,
                        [](const QString& text) {
                            const CsvRecords split = SplitCsv(text);
                            QStringList records;
                            for (const CsvRecord& r : split.records)
                                records << QString::number(r.line) + ":" + r.fields.join('|');
                            return split.problem.isEmpty() ? records.join(" / ") : split.problem;
                        }),
              "");
}

// Lines read through layouts the user is still choosing: a column not yet
// named reads as empty. Each layout, then its lines, as in
// tests/data/import/unfinished_layouts.txt.
TEST(Import, LinesReadThroughUnfinishedLayouts) {
    const std::vector<CsvRecord> records{{1, {"2026/3/1", "ﾃﾞﾝｷ", "500", ""}}, {2, {"2026/3/2", "ﾌﾘｺﾐ", "", "700"}}};
    QStringList out;
    for (const ColumnLayout& layout : {ColumnLayout{"", 0, 1, 2, 0, 3, 0, false},
                                       {"", 0, 1, 2, 0, 0, 4, false},
                                       {"", 0, 0, 2, 3, 0, 0, true},
                                       {"", 1, 1, 2, 3, 0, 0, true},
                                       {}}) {
        out << LayoutText(layout);
        for (const PreviewLine& l : ReadPreviewLines(records, layout))
            out << QString("  %1 %2 %3 %4").arg(l.line).arg(DirectionName(l.direction)).arg(l.amount).arg(l.reason);
    }
    EXPECT_EQ(GoldenDiff("import/unfinished_layouts.txt", Sjis(out.join("\r\n"))), "");
}

// The files of tests/data/import/refused, a sparse file of 100MB (its size
// is all that matters) and a missing one: the records read and the problem,
// as in tests/data/import/refused.txt.
TEST(Import, FilesRefusedWhole) {
    TempInstall install;
    QFile huge(install.path("huge.csv"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(100LL * 1024 * 1024));
    const QDir refused(SourcePath("tests/data/import/refused"));
    EXPECT_EQ(CasesDiff("import/refused.txt",
                        refused.entryList(QDir::Files, QDir::Name) + QStringList{"huge.csv", "missing.csv"},
                        [&](const QString& name) {
                            const QString path = refused.exists(name) ? refused.filePath(name) : install.path(name);
                            StatementRecords read = ReadStatementRecords(path);
                            return QString::number(read.records.size()) + " " +
                                   read.problem.replace(path, "<" + name + ">");
                        }),
              "");
}

void LogPreview(const std::vector<PreviewLine>& lines) {
    for (const PreviewLine& l : lines)
        LogResult({QString::number(l.line) + "|" + l.dateText + "|" + l.text + "|" + QString::number(l.amount) + "|" +
                   DirectionName(l.direction) + "|" + l.tradeCd + "|" + l.detailCd + "|" + l.summary + "|" + l.rate +
                   "|" + StatusText(l)});
}

// The statement read and previewed on the layout guessed from its header,
// with any problem in reading it.
std::vector<PreviewLine> PreviewFile(TempInstall& install, const QString& name, const ImportBooks& books) {
    WriteLog("> preview " + name);
    QFile::copy(SourcePath("tests/data/import/" + name), install.path(name));
    const StatementRecords read = ReadStatementRecords(install.path(name));
    const ColumnLayout layout = GuessLayout(read.records);
    LogResult({read.problem, LayoutText(layout)});
    std::vector<PreviewLine> lines = Preview(read.records, layout, books);
    LogPreview(lines);
    return lines;
}

void LogStep(const QString& title, const std::function<qint64()>& step) {
    WriteLog("> " + title);
    LogResult({QString::number(step())});
}

void LogRows(TempInstall& install) {
    WriteLog("> rows");
    LogResult(install.rows("select * from t_trade order by year,month,day,seq"));
    LogResult(install.rows("select * from t_import order by import_id"));
    LogResult(install.rows("select * from t_import_trade order by import_id,year,month,day,seq"));
}

// A bank's statement in Shift_JIS: two header lines, withdrawals and deposits
// in a pair of columns and the lines a bad export leaves. A card's in UTF-8
// with its mark: one amount column, payments positive, quoted fields holding
// commas, quotes and a line break; and its next month, where the rule made in
// January chooses the trade of a payment, not of a refund from the same shop.
TEST(ImportScenario, StatementsPreviewedRecordedAndVoided) {
    TempInstall install;
    install.openDatabase();
    install.setTime("2026-02-10T20:15:00");

    // The card: nothing chosen yet, one summary Shift_JIS cannot hold.
    ImportBooks books = LoadImportBooks(2026);
    std::vector<PreviewLine> card = PreviewFile(install, "card.csv", books);
    ASSERT_EQ(card.size(), 4u);

    // The user picks trades, remembers one as a rule and leaves a line out.
    WriteLog("> choose");
    ChooseTrade(card[0], books, "32", "02");
    DBInsImportRule("out", "文具店", "32", "02", "");
    for (PreviewLine& line : std::span(card).subspan(1)) ChooseTrade(line, books, "32", "01");
    card[3].leftOut = true;
    books.rules = LoadRules();
    ApplyRules(card, books);
    UpdateStatuses(card, books);
    LogPreview(card);
    LogStep("record card", [&] { return RecordStatement("card.csv", card).value_or(-1); });
    LogRows(install);

    // The same file again: what was recorded is found, the rest stays.
    books = LoadImportBooks(2026);
    PreviewFile(install, "card.csv", books);
    // The next month: the rule applies to the payment only.
    PreviewFile(install, "card_next.csv", books);

    // The bank: its header's second line names the columns; a D-class rule
    // brings its percentage, a deposit rule its own trade.
    DBInsImportRule("out", "ﾃﾞﾝｷ", "50", "02", "40");
    DBInsImportRule("in", "ﾌﾘｺﾐ", "03", "01", "");
    books = LoadImportBooks(2026);
    const std::vector<PreviewLine> bank = PreviewFile(install, "bank.csv", books);
    // A date already holding 999 transactions refuses the whole import.
    install.exec("insert into t_trade values (2026,1,10,999,'01','01','x',1,100,1,'2026/01/10 00:00:00')");
    LogStep("record bank on a full date", [&] { return RecordStatement("bank.csv", bank).value_or(-1); });
    LogRows(install);
    install.exec("delete from t_trade where seq = 999");
    LogStep("record bank", [&] { return RecordStatement("bank.csv", bank).value_or(-1); });
    LogStep("record nothing", [&] { return RecordStatement("bank.csv", {}).value_or(-1); });

    LogStep("void the card's import", [] { return DBVoidImport(1); });
    LogStep("void it again", [] { return DBVoidImport(1); });
    LogRows(install);
    LogResult(DBSelImports());

    WriteLog("> layouts");
    SaveLayout({"銀行A", 2, 1, 2, 0, 3, 4, false});
    install.setTime("2026-02-10T20:16:00");
    SaveLayout({"カードB", 1, 1, 2, 3, 0, 0, true});
    for (const ColumnLayout& l : SavedLayouts()) LogResult({LayoutText(l)});
    EXPECT_EQ(GoldenDiff("import/statements.log", RunLogBytes()), "");
}

}  // namespace
