#include "import/statement_date.h"

#include "import/amount_text.h"

#include <QRegularExpression>

namespace {

constexpr int kReiwaBefore = 2018;
constexpr int kHeiseiBefore = 1988;

QDate DateOf(int year, const QString& month, const QString& day) { return QDate(year, month.toInt(), day.toInt()); }

}  // namespace

QDate ReadStatementDate(const QString& text) {
    static const QRegularExpression western(QStringLiteral(R"(^(\d{4})[/.\-年](\d{1,2})[/.\-月](\d{1,2})日?$)"));
    static const QRegularExpression packed(QStringLiteral(R"(^(\d{4})(\d{2})(\d{2})$)"));
    static const QRegularExpression era(
        QStringLiteral(R"(^(R|r|令和|H|h|平成)(\d{1,2}|元)[/.\-年](\d{1,2})[/.\-月](\d{1,2})日?$)"));
    // The digits of the amount reader serve here too; dates hold no commas.
    QString date = PlainAmountText(text.trimmed().section(QLatin1Char(' '), 0, 0));
    date.replace(QChar(u'／'), QLatin1Char('/')).replace(QChar(u'．'), QLatin1Char('.'));
    if (const auto m = western.match(date); m.hasMatch())
        return DateOf(m.captured(1).toInt(), m.captured(2), m.captured(3));
    if (const auto m = packed.match(date); m.hasMatch())
        return DateOf(m.captured(1).toInt(), m.captured(2), m.captured(3));
    if (const auto m = era.match(date); m.hasMatch()) {
        const QString name = m.captured(1);
        const int eraYear = m.captured(2) == QStringLiteral("元") ? 1 : m.captured(2).toInt();
        if (eraYear < 1) return {};
        const bool reiwa = name == QStringLiteral("R") || name == QStringLiteral("r") || name == QStringLiteral("令和");
        return DateOf(eraYear + (reiwa ? kReiwaBefore : kHeiseiBefore), m.captured(3), m.captured(4));
    }
    return {};
}
