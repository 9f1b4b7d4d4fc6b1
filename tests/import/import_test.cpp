// The pieces of a statement import: amounts, dates, summaries, the column
// guess, the CSV split and the files refused whole.
#include "import/amount_text.h"
#include "import/column_layout.h"
#include "import/csv_records.h"
#include "import/preview_lines.h"
#include "import/statement_date.h"
#include "import/statement_import.h"
#include "import/summary_text.h"
#include "layout_print.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

std::string S(const QString& text) { return text.toStdString(); }

TEST(Import, AmountsAsStatementsWriteThem) {
    const struct {
        QString text;
        std::optional<qint64> value;
        QString problem;
    } cases[] = {
        {"1,234", 1234, ""},
        {"￥１，２３４", 1234, ""},
        {"\\500円", 500, ""},
        {" 0 ", 0, ""},
        {"-300", -300, ""},
        {"－３００", -300, ""},
        {"300-", -300, ""},
        {"(1,300)", -1300, ""},
        {"▲300", -300, ""},
        {"+25", 25, ""},
        {"2147483647", 2147483647, ""},
        {"", std::nullopt, ""},
        {"2,147,483,648", std::nullopt, "金額「2,147,483,648」が2147483647円を超えています"},
        {"99999999999999999999", std::nullopt, "金額「99999999999999999999」が2147483647円を超えています"},
        {"12a", std::nullopt, "金額「12a」が数字ではありません"},
        {"1.50", std::nullopt, "金額「1.50」が数字ではありません"},
        {"--3", std::nullopt, "金額「--3」が数字ではありません"},
    };
    for (const auto& c : cases) {
        const AmountReading reading = ReadAmount(c.text);
        EXPECT_EQ(reading.value, c.value) << S(c.text);
        EXPECT_EQ(S(reading.problem), S(c.problem)) << S(c.text);
    }
}

TEST(Import, DatesAsStatementsWriteThem) {
    const struct {
        QString text;
        QDate date;
    } cases[] = {
        {"2026/1/5", QDate(2026, 1, 5)},
        {"2026-01-05", QDate(2026, 1, 5)},
        {"2026.01.05", QDate(2026, 1, 5)},
        {"20260105", QDate(2026, 1, 5)},
        {"2026年1月5日", QDate(2026, 1, 5)},
        {"２０２６／１／５", QDate(2026, 1, 5)},
        {"２０２６年１月５日", QDate(2026, 1, 5)},
        {"R8.1.5", QDate(2026, 1, 5)},
        {"令和8年1月5日", QDate(2026, 1, 5)},
        {"令和元年5月1日", QDate(2019, 5, 1)},
        {"H30/4/1", QDate(2018, 4, 1)},
        {"平成31年4月30日", QDate(2019, 4, 30)},
        {"2026/01/05 10:23", QDate(2026, 1, 5)},
        {"2026/2/30", QDate()},
        {"2026/13/01", QDate()},
        {"R0.1.1", QDate()},
        {"S60.1.1", QDate()},
        {"abc", QDate()},
        {"", QDate()},
        {"202601051", QDate()},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadStatementDate(c.text), c.date) << S(c.text);
}

TEST(Import, SummariesOfStatementTexts) {
    const QString fifteen = QString(15, QChar(u'あ'));
    const struct {
        QString text, summary;
    } cases[] = {
        {"ｱﾏｿﾞﾝ ｼﾞﾔﾊﾟﾝ", "ｱﾏｿﾞﾝ　ｼﾞﾔﾊﾟﾝ"},
        {"  オンライン書店\r\n(電子書籍)\t", "オンライン書店　(電子書籍)"},
        {fifteen, fifteen},
        {fifteen + "い", fifteen},
        // A two-byte character that would end at byte 31 is left out whole.
        {"a" + fifteen, "a" + fifteen.left(14)},
        {QString(40, QLatin1Char('x')), QString(30, QLatin1Char('x'))},
        {"ﾌﾘｺﾐ  ｶ)ﾔﾏﾀﾞ", "ﾌﾘｺﾐ　ｶ)ﾔﾏﾀﾞ"},
    };
    for (const auto& c : cases) EXPECT_EQ(S(SummaryOfStatementText(c.text)), S(c.summary)) << S(c.text);
}

TEST(Import, ColumnsGuessedFromTheirNames) {
    const struct {
        QStringList header;
        ColumnLayout layout;
    } cases[] = {
        {{"取引日", "摘要", "お引出し", "お預入れ", "残高"}, {"", 0, 1, 2, 0, 3, 4, false}},
        {{"日付", "お取引内容", "出金金額", "入金金額", "残高"}, {"", 0, 1, 2, 0, 3, 4, false}},
        {{"ご利用日", "ご利用店名", "ご利用金額", "支払区分"}, {"", 0, 1, 2, 3, 0, 0, true}},
        {{"日付", "内容", "金額", "残高"}, {"", 0, 1, 2, 3, 0, 0, false}},
        {{"a", "b", "c"}, {"", 0, 0, 0, 0, 0, 0, false}},
        {{}, {"", 0, 0, 0, 0, 0, 0, false}},
    };
    for (const auto& c : cases) EXPECT_EQ(GuessColumns(c.header), c.layout) << S(c.header.join(","));
}

TEST(Import, CsvSplitIntoRecordsWithTheirLines) {
    using Records = std::vector<std::pair<int, QStringList>>;
    const struct {
        QString text;
        Records records;
        QString problem;
    } cases[] = {
        {"a,b\r\nc,d\r\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}, ""},
        {"\"x,y\",\"he said \"\"hi\"\"\"\n2,3", {{1, {"x,y", "he said \"hi\""}}, {2, {"2", "3"}}}, ""},
        {"\"line1\r\nline2\",z\r\n\r\nnext,w\r\n", {{1, {"line1\r\nline2", "z"}}, {4, {"next", "w"}}}, ""},
        {"a,,\"\"\n", {{1, {"a", "", ""}}}, ""},
        {"a,b\nc,\"open\nmore\n", {}, "2行目: 引用符(\")が閉じられていません"},
        {"a,b\n\"ok\"x,d\n", {}, "2行目: 引用符(\")で囲まれていない項目に引用符があります"},
    };
    for (const auto& c : cases) {
        const CsvRecords split = SplitCsv(c.text);
        EXPECT_EQ(S(split.problem), S(c.problem)) << S(c.text);
        Records records;
        if (split.problem.isEmpty())
            for (const CsvRecord& r : split.records) records.push_back({r.line, r.fields});
        EXPECT_EQ(records, c.records) << S(c.text);
    }
}

// Lines read through layouts the user is still choosing: a column not yet
// named reads as empty.
TEST(Import, LinesReadThroughUnfinishedLayouts) {
    const std::vector<CsvRecord> records{{1, {"2026/3/1", "ﾃﾞﾝｷ", "500", ""}}, {2, {"2026/3/2", "ﾌﾘｺﾐ", "", "700"}}};
    const struct {
        ColumnLayout layout;
        QStringList lines;
    } cases[] = {
        {{"", 0, 1, 2, 0, 3, 0, false}, {"1 出金 500 ", "2 出金 0 2行目: 金額がありません"}},
        {{"", 0, 1, 2, 0, 0, 4, false}, {"1 出金 0 1行目: 金額がありません", "2 入金 700 "}},
        {{"", 0, 0, 2, 3, 0, 0, true},
         {"1 出金 0 1行目: 日付「」が読めません", "2 出金 0 2行目: 日付「」が読めません"}},
        {{"", 1, 1, 2, 3, 0, 0, true}, {"2 出金 0 2行目: 金額がありません"}},
        {{"", 0, 0, 0, 0, 0, 0, false}, {}},
    };
    for (const auto& c : cases) {
        QStringList lines;
        for (const PreviewLine& l : ReadPreviewLines(records, c.layout))
            lines << QString::number(l.line) + " " + DirectionName(l.direction) + " " + QString::number(l.amount) +
                         " " + l.reason;
        EXPECT_EQ(lines, c.lines);
    }
}

TEST(Import, FilesRefusedWhole) {
    TempInstall install;
    const QString kHuge = QStringLiteral("huge.csv");
    const struct {
        QString name;
        QByteArray bytes;
        QString reason;
    } cases[] = {
        {"empty.csv", "", "ファイルが空です。"},
        {"binary.csv", QByteArray("PK\x03\x04\x00\x00\x08\x00", 8),
         "文字でないデータを含んでいます。CSVファイルを選んでください。"},
        {"utf16.csv",
         QByteArray("\xFF\xFE"
                    "2\x00"
                    "0\x00",
                    6),
         "文字コードがUTF16_LEのファイルは読めません。\r\nShift_JISかUTF-8で保存し直してください。"},
        {"jis.csv", "\x1B$B$3$s\x1B(B,1\r\n",
         "文字コードがJISのファイルは読めません。\r\nShift_JISかUTF-8で保存し直してください。"},
        {kHuge, "", "ファイルが大きすぎます（100MB）。取り込めるのは10MBまでです。"},
        {"quote.csv", "日付,内容,金額\r\n2026/1/5,\"ｺｰﾋｰ,100\r\n", "2行目: 引用符(\")が閉じられていません"},
        {"blank.csv", "\r\n\r\n", ""},
        {"missing.csv", "", ""},
    };
    for (const auto& c : cases) {
        if (c.name != QStringLiteral("missing.csv")) install.writeBytes(c.name, c.bytes);
        if (c.name == kHuge) {
            // A sparse file: its size is all that matters.
            QFile huge(install.path(kHuge));
            ASSERT_TRUE(huge.open(QIODevice::ReadWrite) && huge.resize(100LL * 1024 * 1024));
        }
        const QString path = install.path(c.name);
        const StatementRecords read = ReadStatementRecords(path);
        EXPECT_TRUE(read.records.empty()) << S(c.name);
        QString expected = QStringLiteral("次のファイルは取り込めません。\r\n    ") + path + "\r\n\r\n" + c.reason;
        if (c.name == QStringLiteral("blank.csv"))
            expected = QStringLiteral("次のファイルには取り込む行がありません。\r\n    ") + path;
        if (c.name == QStringLiteral("missing.csv"))
            expected = QStringLiteral("次のファイルは取り込めません。\r\n    ") + path +
                       QStringLiteral("\r\n\r\nファイルを開けません（No such file or directory）。");
        EXPECT_EQ(S(read.problem), S(expected)) << S(c.name);
    }
}

}  // namespace
