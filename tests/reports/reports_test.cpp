// The text reports over the shared fixture years, and over plain values for
// what those years lack, byte for byte against tests/data/reports; report
// file names.
#include "app/safe_write.h"
#include "golden_log.h"
#include "reports/general_ledger.h"
#include "reports/history_report.h"
#include "reports/insurance_report.h"
#include "reports/journal_report.h"
#include "reports/report_file.h"
#include "reports/trade_record_report.h"
#include "reports/trial_balance_report.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using L = TrialBalanceLayout;

// Month and period are set to something else on purpose where a report covers the year.
ReportValues Values(int year, int month = 7, int range = 1) {
    return {year, month, range, "山田　太郎", "velmo.sqlite3"};
}

// Each report written through the report writer against its golden file, over
// the fixture year or, for the history, books of its own; the question asked
// for its file name and the refusals without an opening sheet against
// questions.txt; the statements the history ran against history_report.log.
TEST(Reports, MatchTheirGoldenFiles) {
    const auto ask = [](L l) { return [l](const ReportValues& v) { return TrialBalanceQuestion(v, l); }; };
    const auto build = [](L l) {
        return [l](const ReportValues& v) { return SourceOf(BuildTrialBalanceReport(v, l)); };
    };
    const auto history = [](const ReportValues& v) { return SourceOf(BuildHistoryReport(v)); };
    const auto ledger = GeneralLedgerReport;
    const std::tuple<const char*, std::function<ReportQuestion(const ReportValues&)>,
                     std::function<LineSource(const ReportValues&)>, ReportValues>
        reports[] = {{"journal_2020_all.txt", JournalQuestion, BuildJournalReport, Values(2020, 6, 0)},
                     {"journal_2020_04.txt", JournalQuestion, BuildJournalReport, Values(2020, 4, 1)},
                     {"journal_2020_12.txt", JournalQuestion, BuildJournalReport, Values(2020, 12, 2)},
                     {"journal_2019_05.txt", JournalQuestion, BuildJournalReport, Values(2019, 5, 1)},
                     {"trade_records_2020_all.txt", TradeRecordQuestion, BuildTradeRecordReport, Values(2020, 1, 0)},
                     {"trade_records_2020_06.txt", TradeRecordQuestion, BuildTradeRecordReport, Values(2020, 6, 2)},
                     {"general_ledger_2020.txt", GeneralLedgerQuestion, ledger, Values(2020, 3, 1)},
                     {"general_ledger_2019.txt", GeneralLedgerQuestion, ledger, Values(2019, 1, 0)},
                     {"insurance_2020.txt", InsuranceQuestion, BuildInsuranceReport, Values(2020, 9, 1)},
                     {"insurance_2021.txt", InsuranceQuestion, BuildInsuranceReport, Values(2021, 1, 0)},
                     {"trial_balance_2020.txt", ask(L::Totals), build(L::Totals), Values(2020)},
                     {"monthly_trial_balance_2020.txt", ask(L::Monthly), build(L::Monthly), Values(2020)},
                     // Neither a sheet nor a transaction: the groups and totals at 0.
                     {"monthly_trial_balance_2019.txt", ask(L::Monthly), build(L::Monthly), Values(2019)},
                     {"history_2020.txt", HistoryQuestion, history, Values(2020, 6)},
                     // Only a history copy whose transaction is gone.
                     {"history_2019.txt", HistoryQuestion, history, Values(2019, 6)}};
    QStringList questions;
    for (const QString books : {"fixture_year.sql", "reports/history_fixture.sql"}) {
        TempInstall install;
        install.openDatabase();
        install.exec(DataText(books));
        const bool history = books.contains("history");
        for (const auto& [golden, question, report, values] : reports) {
            if (QString(golden).startsWith("history") != history) continue;
            const ReportQuestion q = question(values);
            questions << q.title + " [" + q.defaultName + "]: " + q.prompt;
            EXPECT_EQ(WriteReport(report(values), golden), std::nullopt) << golden;
            EXPECT_EQ(GoldenDiff(QString("reports/") + golden, install.readBytes(QString("txt/") + golden)), "");
        }
        for (const QString& year : history ? QStringList() : QStringList{"2020", "2021"})
            questions << GeneralLedgerRefusal(year).value_or("-") << TrialBalanceRefusal(year).value_or("-");
        EXPECT_EQ(history ? GoldenDiff("reports/history_report.log", RunLogBytes()) : "", "");
        EXPECT_TRUE(install.desktop.dialogs.shown.empty());
    }
    EXPECT_EQ(GoldenDiff("reports/questions.txt", Sjis(questions.join(kCrLf))), "");
}

// What the fixture year lacks: a row on both sides of one account (listed
// once in the ledger, counted on both sides of the trial balance), a class
// outside the four, the opening amount of an account of output class "B", a
// balance of eleven characters.
TEST(Reports, LedgerAndTrialBalanceOfPlainValues) {
    // Every posting goes through the temporary file, as a busy year's would.
    LedgerJournal journal({"100", "230", "999"}, 1);
    // The fourth row's accounts come from the first row of its trade.
    journal.add({"2020/02/04", "01", "100", "現　金", "100", "現　金", "振替", 70});
    journal.add({"2020/04/04", "02", "900", "償却", "230", "車両", "償却", 1234567890});
    journal.add({"2020/12/02", "03", "999", "名", "100", "現　金", "謎", 9});
    journal.add({"2020/12/03", "02", "", "", "", "", "償却", 5});
    QStringList lines;
    const LineSink put = [&lines](const QString& line) { lines << line; };
    PutLedgerPage(2020, journal, true, "100", "現　金", -700, "A", put);
    PutLedgerPage(2020, journal, true, "230", "車両", 0, "A", put);
    PutLedgerPage(2020, journal, false, "999", "名", 42, "B", put);
    const TrialBalance balance =
        TrialBalanceOf({"account_cd\taccount_name\taccount_class\toutput_class\tmoney", "100\t現　金\ta\tA\t1000",
                        "330\t事業主貸\ta\tB\t500", "999\t名\tx\tA\t0"},
                       {{"100", "100", 2, 70}, {"900", "230", 4, 1234567890}, {"999", "100", 12, 9}});
    for (const L layout : {L::Totals, L::Monthly}) lines += TrialBalanceLines(balance, layout);
    EXPECT_EQ(GoldenDiff("reports/plain_values.txt", Sjis(lines.join(kCrLf))), "");
}

// Each side's move over the rows given as day and money of trade 05 (330
// 事業主貸 / 150 売掛金) in April 2020, or why the trial balance stops.
QString MovesOfTradeFive(const QString& rows) {
    TempInstall install;
    install.openDatabase();
    install.exec(QString("create temp table v(day, money); insert into v values %1; insert into t_trade select 2020,"
                         " 4, day, rowid, '05', '01', 'x', money, 100, 1, '' from v")
                     .arg(rows));
    try {
        const TrialBalance balance = ReadTrialBalance(2020);
        const TrialBalanceLine *owner = balance.LineOf("330"), *due = balance.LineOf("150");
        if (!owner || !due) return "missing";
        return QString("%1 %2 %3").arg(owner->debit).arg(owner->months[3]).arg(due->credit);
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    }
}

// The trial balance reads sums grouped in the database: each share is still
// read as one row is (a fraction rounded half to even, row by row, never
// after summing), and a day a month does not have still stops it, as
// tests/data/reports/grouped_sums.txt shows.
TEST(Reports, TrialBalanceSumsReadEachShareAsOneRow) {
    EXPECT_EQ(
        CasesDiff("reports/grouped_sums.txt",
                  {"(1, 1000), (2, 2.5), (3, 2.5)", "(1, 1000), (2, '7x'), (30, null), (2, 3.5)", "(1, 1000), (31, 5)"},
                  MovesOfTradeFive),
        "");
}

QString Entries(const TempInstall& install, const QString& folder) {
    return QDir(install.path(folder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).join(',');
}

// Each name with why it is refused, or the report written under txt exactly as
// typed; a folder in the way of "仕訳帳" keeps the write from going through.
// Nothing is written anywhere else, nor left half-written.
TEST(ReportFile, NamesAreWrittenUnderTxtAsTypedOrRefusedWithTheReason) {
    QStringList out;
    const QStringList plain{"2020_all仕訳.txt", " 空白 と.複数.の点", ".隠し", "ＡＢＣ＼／：.txt", "XXXXXX"};
    const QStringList folders{"../仕訳.txt", "..\\仕訳.txt", "sub/仕訳.txt", "/tmp/仕訳.txt", ".", ".."};
    const QStringList characters{"仕訳:2020", "*.txt", "仕訳?", "\"仕訳\"", "<仕訳>", "a|b", "a\tb", "a\r\nb", ""};
    const QStringList lengths{QString(kMaxFileNameBytes / 3, u'仕'), QString(kMaxFileNameBytes + 1, 'a'), "仕訳帳"};
    for (const QString& name : plain + folders + characters + lengths) {
        TempInstall install;
        if (name == "仕訳帳") install.makeFolder("txt/仕訳帳");
        const std::optional<QString> problem = WriteReport({"見出し", "本文 "}, name);
        EXPECT_EQ(ReportFileNameProblem(name), name == "仕訳帳" ? std::nullopt : problem);
        const QString message = problem.value_or("").replace(QDir::toNativeSeparators(install.path("")), "<install>/");
        out << "[" + name + "] " + message + " {" + Entries(install, "txt") + "}";
        EXPECT_EQ(install.readBytes("txt/" + name), problem ? "" : Sjis("見出し\r\n本文 \r\n"));
        EXPECT_EQ(Entries(install, ""), "bin,data_for_rupa_kaikei,db,db_backup,htm,log,txt,wav");
    }
    EXPECT_EQ(GoldenDiff("reports/file_names.txt", Sjis(out.join(kCrLf) + kCrLf)), "");
}

}  // namespace
