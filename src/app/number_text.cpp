#include "app/number_text.h"

namespace {

constexpr char16_t kFullWidthBlank = u'\u3000';
constexpr char16_t kFullWidthZero = u'\uFF10';
constexpr char16_t kFullWidthNine = u'\uFF19';
constexpr char16_t kFullWidthComma = u'\uFF0C';

bool IsBlank(QChar c) { return c == u' ' || c == kFullWidthBlank; }

bool IsYenMark(QChar c) { return c == u'\u00A5' || c == u'\uFFE5' || c == u'\\'; }

QStringView Trimmed(QStringView text) {
    while (!text.isEmpty() && IsBlank(text.front())) text = text.mid(1);
    while (!text.isEmpty() && IsBlank(text.back())) text.chop(1);
    return text;
}

}  // namespace

QString NormalizedNumberText(const QString& text) {
    QStringView number = Trimmed(text);
    // The mark may stand apart from the amount: "￥ 1,500".
    if (!number.isEmpty() && IsYenMark(number.front())) number = Trimmed(number.mid(1));
    QString result;
    result.reserve(number.size());
    for (const QChar c : number) {
        if (c == u',' || c == kFullWidthComma) continue;
        if (c >= kFullWidthZero && c <= kFullWidthNine)
            result += QChar(u'0' + (c.unicode() - kFullWidthZero));
        else
            result += c;
    }
    return result;
}
