#include "import/amount_text.h"

#include "app/text_utils.h"
#include "store/store_common.h"

QString PlainAmountText(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= u'０' && u <= u'９')
            plain += QChar(u - u'０' + u'0');
        else if (u == u'－' || u == u'−')
            plain += QLatin1Char('-');
        else if (u == u'（')
            plain += QLatin1Char('(');
        else if (u == u'）')
            plain += QLatin1Char(')');
        else if (u != u',' && u != u'，' && u != u'¥' && u != u'￥' && u != u'\\' && u != u'円')
            plain += c;
    }
    return plain.trimmed().remove(QChar(u'　'));
}

AmountReading ReadAmount(const QString& text) {
    QString digits = PlainAmountText(text);
    if (digits.isEmpty()) return {};
    bool negative = false;
    if (digits.startsWith(QLatin1Char('(')) && digits.endsWith(QLatin1Char(')'))) {
        negative = true;
        digits = digits.mid(1, digits.size() - 2);
    } else if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QChar(u'▲')) ||
               digits.startsWith(QChar(u'△'))) {
        negative = true;
        digits = digits.mid(1);
    } else if (digits.endsWith(QLatin1Char('-'))) {
        negative = true;
        digits.chop(1);
    } else if (digits.startsWith(QLatin1Char('+'))) {
        digits = digits.mid(1);
    }
    if (!IsDigitsOnly(digits))
        return {std::nullopt, QStringLiteral("金額「") + text + QStringLiteral("」が数字ではありません")};
    if (!IsStorableAmount(digits))
        return {std::nullopt, QStringLiteral("金額「") + text + QStringLiteral("」が") + QString::number(kMaxAmount) +
                                  QStringLiteral("円を超えています")};
    const qint64 value = digits.toLongLong();
    return {negative ? -value : value, QString()};
}
