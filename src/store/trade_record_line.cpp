#include "store/trade_record_line.h"

#include "app/run_log.h"
#include "app/runtime_error.h"
#include "app/sjis_text.h"
#include "store/store_common.h"

namespace {

constexpr int kSeqWidth = 3;
constexpr int kSummaryBytes = 30;
constexpr int kMoneyWidth = 10;
constexpr int kRateWidth = 3;

qint64 NumberOf(const QString& text, const QString& column) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok) throw RunTimeError(column + QStringLiteral("が数値ではありません: ") + text);
    return value;
}

}  // namespace

QString TradeRecordLine(const TradeRecordRow& row) {
    const QString blank = QStringLiteral(" ");
    const QDate date = DateFromText(row.year + QLatin1Char('/') + row.month + QLatin1Char('/') + row.day);
    // The screen reads the seq back from three fixed characters: a larger
    // number keeps only its last three digits.
    const QString seq = (QString(kSeqWidth - 1, QLatin1Char(' ')) + row.seq).right(kSeqWidth);
    return DateWithWeekday(date) + seq + blank + row.tradeCd + blank + row.detailCd + blank +
           PadByteWidth(row.detailName, kSummaryBytes, false) + blank +
           RightAlignYen(NumberOf(row.money, QStringLiteral("money")), kMoneyWidth) + blank +
           RightAlign(NumberOf(row.rate, QStringLiteral("rate")), kRateWidth) + QStringLiteral("％");
}
