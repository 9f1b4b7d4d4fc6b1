#include "ui/trade/record_line.h"

#include "app/date_text.h"
#include "app/sjis_text.h"
#include "app/text_utils.h"
#include "reports/report_lines.h"
#include "store/store_common.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Character positions of the fixed layout, counted from 0.
constexpr int kDateLength = 10;
constexpr int kDateWithWeekdayLength = 13;
constexpr int kSeqStart = 13;
constexpr int kSeqLength = 3;
constexpr int kValuesStart = 17;

}  // namespace

QString TradeListItem(const QString& year, const TradeRecordRow& row) {
    // Room for the usual item at once: a year's list makes a hundred thousand.
    constexpr qsizetype kItemCapacity = 72;
    QString line;
    line.reserve(kItemCapacity);
    AppendDateWithWeekday(line, DateOf(year, row.month, row.day));
    AppendBlanks(line, kSeqLength - row.seq.size());
    line += QStringView(row.seq).right(kSeqLength);
    line += QLatin1Char(' ');
    AppendTradeRecordTail(line, row);
    return line;
}

RowsTo<TradeRecordRow> ItemsInto(QStringList& items, const QString& year) {
    return [&items, year](const TradeRecordRow& row) { items << TradeListItem(year, row); };
}

RecordKey RecordKeyOf(const QString& line) {
    return {line.left(kDateLength), line.mid(0, 4), line.mid(5, 2), line.mid(8, 2),
            line.mid(kSeqStart, kSeqLength).trimmed().toInt()};
}

QString CorrectionQuestion(const QString& line, const TradeEntry& entry) {
    const QStringList lines{
        line.left(kDateWithWeekdayLength) + QStringLiteral(" 連番=") + QString::number(RecordKeyOf(line).seq) +
            QStringLiteral(" の取引記録を更新します。"),
        QString(),
        QStringLiteral("　更新前＝") + CollapseSpaces(line.mid(kValuesStart)),
        QString(),
        QStringLiteral("　更新後＝") + entry.tradeCd + QLatin1Char(' ') + entry.detailCd + QLatin1Char(' ') +
            entry.detailName + QStringLiteral(" \\") + entry.money + QLatin1Char(' ') + entry.rate +
            QStringLiteral("％"),
        QString(),
        QStringLiteral("よろしいですか？"),
    };
    return lines.join(kCrLf);
}

QString VoidQuestion(const QString& line) {
    return QStringLiteral("次の取引レコードを論理削除(無効化)します。") + kCrLf + kCrLf + QStringLiteral("    ") +
           line + kCrLf + kCrLf + QStringLiteral("よろしいですか？");
}

QString NewRecordQuestion(const QDate& date, int seq, const TradeEntry& entry) {
    const QString line = TradeListItem(
        QString::number(date.year()), {QString::number(date.month()), QString::number(date.day()), QString::number(seq),
                                       entry.tradeCd, entry.detailCd, entry.detailName, entry.money, entry.rate});
    return QStringLiteral("取引記録一覧で取引が選択されています。") + kCrLf +
           QStringLiteral("選択した取引は訂正せずに、次の取引を新しく登録しますか？") + kCrLf + kCrLf +
           QStringLiteral("    ") + line + kCrLf + kCrLf +
           QStringLiteral("選択した取引を訂正するときは、「いいえ」を選んで更新ボタンを押してください。");
}
