#include "reports/general_ledger.h"

#include "app/runtime_error.h"
#include "app/sjis_text.h"
#include "app/text_utils.h"
#include "reports/opening_sheet_ways.h"
#include "store/master_store.h"
#include "store/opening_balance_store.h"
#include "store/report_queries.h"
#include "store/store_common.h"

#include <QtNumeric>

#include <optional>

namespace {

constexpr int kLedgerLineWidth = 109;
const QString kBlank = QStringLiteral(" ");
const QString kNoAmount(10, QLatin1Char(' '));

// An amount column: the amount right-aligned in 10 characters, or blanks.
void AppendAmount(QString& line, std::optional<qint64> amount) {
    line += kBlank;
    if (amount)
        AppendRightAlign(line, *amount, 10);
    else
        line += kNoAmount;
}

// One line of a page; every line is 109 bytes wide, built in one string kept
// from line to line because a busy year's ledger has millions of them. The
// line is written before the next one is built.
const QString& LedgerLine(const QString& lineStart, std::optional<qint64> debit, std::optional<qint64> credit,
                          qint64 balance) {
    thread_local QString line;
    line.resize(0);
    line += lineStart;
    AppendAmount(line, debit);
    AppendAmount(line, credit);
    AppendAmount(line, balance);
    return line;
}

qint64 Moved(qint64 balance, qint64 amount, bool increases) {
    qint64 result = 0;
    if (increases ? qAddOverflow(balance, amount, &result) : qSubOverflow(balance, amount, &result))
        throw RunTimeError(QStringLiteral("オーバーフローしました。"));
    return result;
}

QString ColumnHeading() {
    return PadByteWidth(QStringLiteral("日付"), 10, false) + kBlank +
           PadByteWidth(QStringLiteral("相手勘定科目"), 34, false) + kBlank +
           PadByteWidth(QStringLiteral("適用"), 30, false) + kBlank + PadByteWidth(QStringLiteral("借方"), 10, true) +
           kBlank + PadByteWidth(QStringLiteral("貸方"), 10, true) + kBlank +
           PadByteWidth(QStringLiteral("残高"), 10, true);
}

}  // namespace

std::optional<QString> OpeningSheetRefusal(const QString& fiscalYearText, const QString& reportName) {
    if (DBSelBS_Begining(fiscalYearText)) return std::nullopt;
    return reportName + QStringLiteral("を出力するには，貸借対照表期首データが必要です。") + kCrLf +
           QStringLiteral("貸借対照表期首データを作成(初期データ作成)してください。") + kCrLf + kOpeningSheetWays;
}

std::optional<QString> GeneralLedgerRefusal(const QString& fiscalYearText) {
    return OpeningSheetRefusal(fiscalYearText, QStringLiteral("総勘定元帳"));
}

ReportQuestion GeneralLedgerQuestion(const ReportValues& values) {
    const QString year = QString::number(values.year);
    return QuestionFor(year + QStringLiteral("年の総勘定元帳(残高式)"),
                       year + QStringLiteral("_総勘定元帳(残高式).txt"));
}

void PutLedgerPage(int year, LedgerJournal& journal, bool debitIncreases, const QString& accountCd,
                   const QString& accountName, qint64 opening, const QString& outputClass, const LineSink& put) {
    put(QString());
    put(QStringLiteral("■") + accountCd + kBlank + accountName + QStringLiteral("のページ") + kCrLf);
    put(ColumnHeading() + kCrLf + QString(kLedgerLineWidth, QLatin1Char('-')));
    qint64 balance = 0;
    if (StartsFromOpening(outputClass)) {
        balance = opening;
        const QString date = SlashDate(DateOf(QString::number(year), QStringLiteral("1"), QStringLiteral("1")));
        QString lineStart;
        AppendLedgerLineStart(lineStart, date, QString(), QStringLiteral("期首の残高"));
        put(LedgerLine(lineStart, std::nullopt, std::nullopt, balance));
    }
    journal.forEachOf(accountCd, [&](const LedgerPosting& posting) {
        balance = Moved(balance, posting.amount, posting.debit == debitIncreases);
        if (posting.debit)
            put(LedgerLine(posting.lineStart, posting.amount, std::nullopt, balance));
        else
            put(LedgerLine(posting.lineStart, std::nullopt, posting.amount, balance));
    });
}

LineSource GeneralLedgerReport(const ReportValues& values) {
    return [values](const LineSink& put) {
        const ResultTable accounts = DBSelAccountHead(values.year);
        QStringList codes;
        for (qsizetype i = 1; i <= RowCount(accounts); ++i)
            codes << FindColumn(accounts, i, QStringLiteral("account_cd"));
        LedgerJournal journal(codes);
        const QString yearText = QString::number(values.year);
        DBSelJournalTable(values.year, [&](const QueryRow& row) { journal.addRow(yearText, row); });
        put(QStringLiteral("総勘定元帳(残高式) ") + yearText + QStringLiteral("年度") + TitleUserAndDbFile(values) +
            kCrLf);
        for (const QString& code : codes) {
            const int opening = DBSelBSBeginingMoney(values.year, code);
            QString name, accountClass, outputClass;
            DBSelMAccount(code, name, accountClass, outputClass);
            PutLedgerPage(values.year, journal, DebitIncreases(accountClass), code, name, opening, outputClass, put);
        }
    };
}
