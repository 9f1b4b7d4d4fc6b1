#include "reports/history_report.h"

#include "app/sjis_text.h"
#include "reports/history_timeline.h"
#include "store/history_queries.h"
#include "store/odd_values.h"
#include "store/store_common.h"

#include <QHash>

#include <span>

namespace {

const QString kBlank = QStringLiteral(" ");

// Trade code, detail code, summary, amount and percentage as the transaction
// record report lays them out, each after its mark instead of the blank.
constexpr int kTradeFieldsWidth = 54;
// Date, seq and the time of the void before those fields.
constexpr int kVoidColumnsWidth = 34;

QString TradeFieldsHeading() {
    return QStringLiteral(" 取 詳 ") + PadByteWidth(QStringLiteral("摘要"), 30, false) + kBlank +
           PadByteWidth(QStringLiteral("金額"), 10, true) + QStringLiteral("  割合");
}

QStringList TradeFields(const TradeVersionRow& row) {
    return {row.tradeCd, row.detailCd, row.detailName, row.money, row.rate};
}

QString TradeFieldsText(const QStringList& f, const QStringList& marks) {
    return marks[0] + f[0] + marks[1] + f[1] + marks[2] + PadByteWidth(OneLineSummary(f[2]), 30, false) +
           MarkedRight(marks[3], RightAlignYen(AmountOrZero(f[3]), 10)) +
           MarkedRight(marks[4], RightAlign(AmountOrZero(f[4]), 3)) + QStringLiteral("％");
}

constexpr int kOpeningFieldsWidth = 11;

QString OpeningFieldsText(const QStringList& f, const QStringList& marks) {
    return MarkedRight(marks[0], RightAlignYen(AmountOrZero(f[0]), 10));
}

bool IsVoided(const TradeVersionRow& row) { return row.isValid != QStringLiteral("1"); }

QString TradeKey(const TradeVersionRow& row) {
    return row.month + QLatin1Char('/') + row.day + QLatin1Char('/') + row.seq;
}

QString OpeningKey(const OpeningVersionRow& row) { return row.accountCd; }

QString TradeDate(int year, const TradeVersionRow& row) {
    return SlashDate(DateOf(QString::number(year), row.month, row.day));
}

// Calls `each` with every run of rows that share their key.
template <class Row, class KeyOf, class Each>
void ForEachGroup(const std::vector<Row>& rows, KeyOf keyOf, Each each) {
    for (size_t first = 0; first < rows.size();) {
        size_t next = first + 1;
        while (next < rows.size() && keyOf(rows[next]) == keyOf(rows[first])) ++next;
        each(std::span<const Row>(rows).subspan(first, next - first));
        first = next;
    }
}

template <class Row, class KeyOf>
QHash<QString, const Row*> ByKey(const std::vector<Row>& rows, KeyOf keyOf) {
    QHash<QString, const Row*> byKey;
    for (const Row& row : rows) byKey.insert(keyOf(row), &row);
    return byKey;
}

struct Counts {
    int corrections = 0;
    int correctedTrades = 0;
    int voids = 0;
    int openingChanges = 0;
    int changedAccounts = 0;
};

struct Section {
    QString heading;
    QString columns;
    int width = 0;
    QStringList lines;
};

// An empty line and the heading, then the columns and their rule over the
// lines, or "(なし)" when there is nothing to list.
QStringList SectionLines(const Section& section) {
    QStringList lines{QString(), section.heading};
    if (section.lines.isEmpty()) return lines << QStringLiteral("(なし)");
    return lines << section.columns << QString(section.width, QLatin1Char('-')) << section.lines;
}

// Each corrected transaction: its versions, then the row as it stands. A
// void writes its own time over the row's, so the time of the correction
// before it is no longer known.
Section Corrections(int year, const std::vector<TradeVersionRow>& history, const std::vector<TradeVersionRow>& changed,
                    Counts& counts) {
    const QHash<QString, const TradeVersionRow*> current = ByKey(changed, TradeKey);
    Section section{QStringLiteral("(1)訂正した取引 (*印: 直前の版から変わった項目 "
                                   "不明: 論理削除で上書きされて残っていない日時)"),
                    VersionColumnsHeading(QStringLiteral("訂正日時")) + TradeFieldsHeading(),
                    kVersionColumnsWidth + kTradeFieldsWidth,
                    {}};
    ForEachGroup(history, TradeKey, [&](std::span<const TradeVersionRow> group) {
        std::vector<HistoryVersion> versions;
        for (const TradeVersionRow& row : group) versions.push_back({row.verIdx, row.dtUpdate, TradeFields(row)});
        QString title = QStringLiteral("■") + TradeDate(year, group.front()) + QStringLiteral(" 連番") +
                        PadByteWidth(group.front().seq, 3, true) + QStringLiteral(" 訂正") +
                        QString::number(group.size()) + QStringLiteral("回");
        if (const TradeVersionRow* now = current.value(TradeKey(group.front()))) {
            if (IsVoided(*now)) title += QStringLiteral(" 論理削除 ") + KnownStamp(now->dtUpdate);
            versions.push_back({QString(), IsVoided(*now) ? QString() : now->dtUpdate, TradeFields(*now)});
        }
        section.lines << title << VersionLines(versions, TradeFieldsText, QStringLiteral("(この取引の行がありません)"));
        counts.corrections += static_cast<int>(group.size());
        ++counts.correctedTrades;
    });
    return section;
}

Section Voids(int year, const std::vector<TradeVersionRow>& changed, Counts& counts) {
    Section section{QStringLiteral("(2)論理削除した取引"),
                    PadByteWidth(QStringLiteral("日付"), 10, false) + QStringLiteral("  連 ") +
                        StampColumn(QStringLiteral("削除日時")) + TradeFieldsHeading(),
                    kVoidColumnsWidth + kTradeFieldsWidth,
                    {}};
    const QStringList noMarks(5, kUnchangedMark);
    for (const TradeVersionRow& row : changed) {
        if (!IsVoided(row)) continue;
        section.lines << TradeDate(year, row) + kBlank + PadByteWidth(row.seq, 3, true) + kBlank +
                             StampColumn(KnownStamp(row.dtUpdate)) + TradeFieldsText(TradeFields(row), noMarks);
        ++counts.voids;
    }
    return section;
}

// A set amount replaced by a different one. The year's rows are created
// with 0, so the step from 0 to the first amount is its setting, not a change.
int OpeningChangeCount(const std::vector<HistoryVersion>& versions) {
    int changes = 0;
    for (size_t i = 1; i < versions.size(); ++i) {
        const QString& before = versions[i - 1].fields[0];
        if (before != QStringLiteral("0") && !before.isEmpty() && versions[i].fields[0] != before) ++changes;
    }
    return changes;
}

Section OpeningChanges(const std::vector<OpeningVersionRow>& history, const std::vector<OpeningVersionRow>& changed,
                       Counts& counts) {
    const QHash<QString, const OpeningVersionRow*> current = ByKey(changed, OpeningKey);
    Section section{
        QStringLiteral("(3)変更した期首残高 (*印: 直前の版から変わった金額)"),
        VersionColumnsHeading(QStringLiteral("変更日時")) + kBlank + PadByteWidth(QStringLiteral("金額"), 10, true),
        kVersionColumnsWidth + kOpeningFieldsWidth,
        {}};
    ForEachGroup(history, OpeningKey, [&](std::span<const OpeningVersionRow> group) {
        std::vector<HistoryVersion> versions;
        for (const OpeningVersionRow& row : group) versions.push_back({row.verIdx, row.dtUpdate, {row.money}});
        const OpeningVersionRow* now = current.value(group.front().accountCd);
        if (now) versions.push_back({QString(), now->dtUpdate, {now->money}});
        const int changes = OpeningChangeCount(versions);
        if (changes == 0) return;
        section.lines << QStringLiteral("■") + group.front().accountCd + kBlank +
                             (now ? now->accountName : group.back().accountName)
                      << VersionLines(versions, OpeningFieldsText, QStringLiteral("(この科目の行がありません)"));
        counts.openingChanges += changes;
        ++counts.changedAccounts;
    });
    return section;
}

QString CountLine(const QString& caption, int count, const QString& detail) {
    return PadByteWidth(caption, 14, false) + RightAlign(count, 5) + QStringLiteral("件") + detail;
}

QStringList CountLines(const Counts& counts) {
    return {QString(), QStringLiteral("(4)件数"),
            CountLine(QStringLiteral("訂正"), counts.corrections,
                      QStringLiteral(" (取引 %1件)").arg(counts.correctedTrades)),
            CountLine(QStringLiteral("論理削除"), counts.voids, QString()),
            CountLine(QStringLiteral("期首残高の変更"), counts.openingChanges,
                      QStringLiteral(" (勘定科目 %1件)").arg(counts.changedAccounts))};
}

}  // namespace

ReportQuestion HistoryQuestion(const ReportValues& values) {
    const QString year = QString::number(values.year);
    return QuestionFor(year + QStringLiteral("年の訂正削除履歴"), year + QStringLiteral("_訂正削除履歴.txt"));
}

QStringList BuildHistoryReport(const ReportValues& values) {
    const int year = values.year;
    const std::vector<TradeVersionRow> tradeHistory = DBSelTradeHistoryForFile(year);
    const std::vector<TradeVersionRow> tradesNow = DBSelT_TradeChangedForFile(year);
    const std::vector<OpeningVersionRow> openingHistory = DBSelBSHistoryForFile(year);
    const std::vector<OpeningVersionRow> openingNow = DBSelBS_BeginingChangedForFile(year);
    Counts counts;
    QStringList lines{QStringLiteral("訂正削除履歴 ") + QString::number(year) + QStringLiteral("年度") +
                      TitleUserAndDbFile(values)};
    lines << SectionLines(Corrections(year, tradeHistory, tradesNow, counts))
          << SectionLines(Voids(year, tradesNow, counts))
          << SectionLines(OpeningChanges(openingHistory, openingNow, counts)) << CountLines(counts);
    return lines;
}
