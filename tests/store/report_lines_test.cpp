#include "app/runtime_error.h"
#include "app/sjis_text.h"
#include "store/report_lines.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QStringList>

// Readable failure output for texts and lists of texts.
void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
void PrintTo(const QStringList& list, std::ostream* os) {
    *os << "{";
    for (const QString& text : list) *os << "\n  \"" << text.toStdString() << '"';
    *os << " }";
}

namespace {

QString Blanks(int n) { return QString(n, QLatin1Char(' ')); }

}  // namespace

TEST(WholeNumberOf, ReadsIntegersWholeAndRoundsHalvesToEven) {
    const struct {
        const char* text;
        qint64 value;
    } cases[] = {
        {"101", 101},
        {"0", 0},
        {"-50", -50},
        {"2147483648", 2147483648LL},  // one past the 32-bit range: not wrapped
        {"4000000000", 4000000000LL},
        {"50.5", 50},
        {"51.5", 52},
        {"-2.5", -2},
        {"12.4", 12},
        {"12.6", 13},
    };
    for (const auto& c : cases) EXPECT_EQ(WholeNumberOf(QString::fromUtf8(c.text)), c.value) << c.text;
}

// A text that is no number or a day that does not exist stops the report.
TEST(ReportLines, BadFieldsAreRunTimeErrors) {
    for (const char* text : {"", "abc", "12円", "1e30", "inf"})
        EXPECT_THROW(WholeNumberOf(QString::fromUtf8(text)), RunTimeError) << text;
    EXPECT_EQ(ReportDate(2020, "2", "29"), "2020/02/29");
    EXPECT_THROW(ReportDate(2021, "2", "29"), RunTimeError);
    EXPECT_THROW(InsuranceLine(2020, {"13", "1", "1", "x", "1"}), RunTimeError);
    EXPECT_THROW(TradeRecordReportLine(2020, {"4", "1", "1", "01", "01", "x", "", "100"}), RunTimeError);
}

TEST(TradeRecordReportLine, ShowsFullAmountAndPercentageIn68Bytes) {
    const struct {
        TradeRecordFields row;
        QString line;
    } cases[] = {
        {{"12", "31", "10", "01", "02", "店頭売上", "1000", "100"},
         "2020/12/31  10 01 02 店頭売上" + Blanks(22) + " " + Blanks(5) + "\\1000" + " 100％"},
        // Nine digits fill the field with the yen mark; ten lose the mark, and
        // an amount past 32 bits keeps its digits instead of wrapping.
        {{"4", "1", "2", "01", "01", "a", "123456789", "5"}, "2020/04/01   2 01 01 a" + Blanks(29) + " \\123456789   5％"},
        {{"4", "1", "2", "01", "01", "a", "3000000000", "100"}, "2020/04/01   2 01 01 a" + Blanks(29) + " 3000000000 100％"},
        // 15 full-width characters fit; the 16th is cut; a cut that leaves one
        // byte free gets a blank.
        {{"4", "1", "3", "01", "01", "あいうえおかきくけこさしすせそた", "5", "100"},
         "2020/04/01   3 01 01 あいうえおかきくけこさしすせそ " + Blanks(8) + "\\5 100％"},
        {{"4", "1", "3", "01", "01", "aあいうえおかきくけこさしすせそ", "5", "100"},
         "2020/04/01   3 01 01 aあいうえおかきくけこさしすせ  " + Blanks(8) + "\\5 100％"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TradeRecordReportLine(2020, c.row), c.line);
        EXPECT_EQ(ByteLength(c.line), kTradeRecordLineWidth);
    }
}

TEST(JournalLine, RoundsTheShareAndKeepsLargeOnesIn129Bytes) {
    const struct {
        JournalFields row;
        QString line;
    } cases[] = {
        {{"11", "3", "12", "01", "100", "現　金", "700", "売上", "2.5", "x"},
         "2020/11/03  12 01 100 現　金" + Blanks(24) + " 700 売上" + Blanks(26) + " " + Blanks(9) + "2 x" + Blanks(29)},
        {{"4", "1", "1", "01", "100", "現　金", "700", "売上", "3000000000", "大口"},
         "2020/04/01   1 01 100 現　金" + Blanks(24) + " 700 売上" + Blanks(26) + " 3000000000 大口" + Blanks(26)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JournalLine(2020, c.row), c.line);
        EXPECT_EQ(ByteLength(c.line), kJournalLineWidth);
    }
}

TEST(InsuranceLine, CutsTheSummaryAt20BytesAndKeepsLargeAmounts) {
    EXPECT_EQ(InsuranceLine(2020, {"4", "1", "12", "あいうえおかきくけこさ", "1234"}),
              "2020/04/01(水)\t 12\tあいうえおかきくけこ\t     \\1234");
    EXPECT_EQ(InsuranceLine(2020, {"8", "1", "2", "a", "2147483648"}), "2020/08/01(土)\t  2\ta" + Blanks(19) + "\t2147483648");
    EXPECT_EQ(ByteLength(SocialInsuranceTotal(4000000000LL).split("\r\n").value(1)), kInsuranceTotalWidth);
}
