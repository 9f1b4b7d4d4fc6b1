#include "ui/trade/search_input.h"

#include "app/number_text.h"
#include "app/sjis_text.h"
#include "store/store_common.h"

#include <QRegularExpression>

namespace {

// Digits and the separators as the input method gives them, made ASCII.
QString HalfWidthDateText(const QString& text) {
    QString plain = text.trimmed();
    for (QChar& c : plain) {
        if (c >= QChar(0xFF10) && c <= QChar(0xFF19)) c = QChar(c.unicode() - 0xFF10 + '0');
        if (c == QChar(0xFF0F) || c == QLatin1Char('-') || c == QChar(0xFF0D)) c = QLatin1Char('/');
    }
    return plain;
}

// "yyyy/m/d", or "m/d" in the fiscal year; a problem when it names no date.
std::variant<std::optional<QDate>, SearchProblem> DateOfBox(const QString& typed, int fiscalYear, bool allYears,
                                                            SearchField field) {
    const QString text = HalfWidthDateText(typed);
    if (text.isEmpty()) return std::optional<QDate>();
    static const QRegularExpression pattern(QStringLiteral("^(?:(\\d{4})/)?(\\d{1,2})/(\\d{1,2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    const int year = match.hasMatch() && match.hasCaptured(1) ? match.captured(1).toInt() : fiscalYear;
    const QDate date = match.hasMatch() ? QDate(year, match.captured(2).toInt(), match.captured(3).toInt()) : QDate();
    if (!date.isValid())
        return SearchProblem{QStringLiteral("日付「") + typed + QStringLiteral("」はありません。\r\n") +
                                 QString::number(fiscalYear) + QStringLiteral("/04/01のように入力してください。"),
                             field};
    if (!allYears && date.year() != fiscalYear)
        return SearchProblem{QStringLiteral("会計年度(") + QString::number(fiscalYear) +
                                 QStringLiteral("年)の日付を入力するか、全年度を選んでください。"),
                             field};
    return std::optional<QDate>(date);
}

std::variant<std::optional<qint64>, SearchProblem> AmountOfBox(const QString& typed, SearchField field) {
    const QString digits = NormalizedNumberText(typed);
    if (digits.isEmpty()) return std::optional<qint64>();
    if (!IsStorableAmount(digits))
        return SearchProblem{QStringLiteral("金額は0から") + QString::number(kMaxAmount) +
                                 QStringLiteral("までの数字で入力してください。"),
                             field};
    return std::optional<qint64>(digits.toLongLong());
}

}  // namespace

std::variant<SearchConditions, SearchProblem> CheckedSearch(const SearchInput& input) {
    SearchConditions c{.fiscalYear = input.fiscalYear,
                       .allYears = input.allYears,
                       .bookedAmount = !input.storedAmount,
                       .text = input.text,
                       .tradeCd = input.tradeCd,
                       .accountCd = input.accountCd,
                       .withVoided = input.withVoided};
    const struct {
        const QString& typed;
        SearchField field;
        std::optional<QDate>* date;
    } dates[] = {{input.dateFrom, SearchField::DateFrom, &c.dateFrom}, {input.dateTo, SearchField::DateTo, &c.dateTo}};
    for (const auto& box : dates) {
        auto date = DateOfBox(box.typed, input.fiscalYear, input.allYears, box.field);
        if (auto* problem = std::get_if<SearchProblem>(&date)) return *problem;
        *box.date = std::get<std::optional<QDate>>(date);
    }
    if (c.dateFrom && c.dateTo && *c.dateFrom > *c.dateTo)
        return SearchProblem{QStringLiteral("期間の始めの日付が終わりの日付より後になっています。"),
                             SearchField::DateFrom};
    const struct {
        const QString& typed;
        SearchField field;
        std::optional<qint64>* amount;
    } amounts[] = {{input.amountFrom, SearchField::AmountFrom, &c.amountFrom},
                   {input.amountTo, SearchField::AmountTo, &c.amountTo}};
    for (const auto& box : amounts) {
        auto amount = AmountOfBox(box.typed, box.field);
        if (auto* problem = std::get_if<SearchProblem>(&amount)) return *problem;
        *box.amount = std::get<std::optional<qint64>>(amount);
    }
    if (c.amountFrom && c.amountTo && *c.amountFrom > *c.amountTo)
        return SearchProblem{QStringLiteral("金額の下限が上限より大きくなっています。"), SearchField::AmountFrom};
    // A character the books cannot hold is in no summary: searching for it would find nothing without a word.
    if (const QString lost = CharactersOutsideShiftJis(input.text); !lost.isEmpty())
        return SearchProblem{QStringLiteral("摘要に次の文字は使えません（Shift_JISで保存できません）。\r\n\r\n　") +
                                 ShownCharacters(lost),
                             SearchField::Text};
    return c;
}
