#include "store/store_common.h"

#include "app/context.h"
#include "app/desktop_calls.h"
#include "app/identity.h"
#include "app/message_box.h"
#include "app/runtime_error.h"
#include "app/text_utils.h"
#include "sqlite/statements.h"

#include <QRegularExpression>

#include <cmath>

namespace {

qint64 RoundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    double whole = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) whole = below + 1.0;
    // 2^63 itself is already out of range; anything below it converts exactly.
    if (!(whole >= -9223372036854775808.0 && whole < 9223372036854775808.0))
        throw RunTimeError(QStringLiteral("オーバーフローしました。"));
    return static_cast<qint64>(whole);
}

}  // namespace

QString SqlLines(const QStringList& lines, bool crLfAfterLast) {
    const QString crLf = QStringLiteral("\r\n");
    QString text = lines.join(crLf);
    if (crLfAfterLast) text += crLf;
    return text;
}

QString SqlQuoted(const QString& text) {
    QString quoted = text;
    return quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString NowText() { return Now().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")); }

QDate DateOf(const QString& year, const QString& month, const QString& day) {
    // Read digit by digit: every line of the record list names its date.
    const std::optional<int> y = DigitsValue(year), m = DigitsValue(month), d = DigitsValue(day);
    const QDate date = y && m && d ? QDate(*y, *m, *d) : QDate();
    if (!date.isValid())
        throw RunTimeError(QStringLiteral("日付に変換できません: ") + year + QLatin1Char('/') + month +
                           QLatin1Char('/') + day);
    return date;
}

QDate DateFromText(const QString& dateText) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,4})[/-](\\d{1,2})[/-](\\d{1,2})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(dateText);
    if (!match.hasMatch()) throw RunTimeError(QStringLiteral("日付に変換できません: ") + dateText);
    return DateOf(match.captured(1), match.captured(2), match.captured(3));
}

void QueryExOrEnd(const QString& sql, ResultTable& table, OnQueryFailure onFailure) {
    QString errText;
    if (SQLite3QueryEx(sql, table, errText)) return;
    if (onFailure == OnQueryFailure::ShowError) ShowMessage(errText);
    EndProcess(1);
}

void QueryExEachOrEnd(const QString& sql, const RowSink& each, OnQueryFailure onFailure) {
    QString errText;
    if (LoggedQuery(sql).eachEx(each, errText)) return;
    if (onFailure == OnQueryFailure::ShowError) ShowMessage(errText);
    EndProcess(1);
}

bool IsStorableAmount(const QString& digits) {
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok);
    return IsDigitsOnly(digits) && ok && value <= kMaxAmount;
}

QStringList RowFields(const QString& row, qsizetype count, qsizetype textField) {
    const QChar tab = QLatin1Char('\t');
    QStringList fields = row.split(tab);
    while (fields.size() > count) {
        const QString piece = fields.takeAt(textField + 1);
        fields[textField] += tab + piece;
    }
    if (fields.size() < count) throw RunTimeError(QStringLiteral("インデックスが有効範囲にありません。"));
    return fields;
}

int IntegerOf(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) throw RunTimeError(QStringLiteral("整数に変換できません: ") + text);
    return value;
}

qint64 WholeNumberOf(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    const qint64 whole = trimmed.toLongLong(&ok);
    if (ok) return whole;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value)) throw RunTimeError(QStringLiteral("型が一致しません。: ") + text);
    return RoundHalfToEven(value);
}
