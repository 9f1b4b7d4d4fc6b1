#include "reports/trial_balance_report.h"

#include "app/sjis_text.h"
#include "reports/general_ledger.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kCodeWidth = 4;
constexpr int kNameWidth = 30;
// Sums of a year's amounts can outgrow the ten places of the ledger.
constexpr int kAmountWidth = 12;
const QString kBlank = QStringLiteral(" ");

using Amounts = std::vector<qint64>;

struct Layout {
    QString title;
    QStringList headings;
    // Columns that sum the amounts of one side (debit or credit); the others
    // hold balances or their movements.
    std::vector<bool> sideSums;
    Amounts (*amountsOf)(const TrialBalanceLine&);
};

Amounts TotalsOf(const TrialBalanceLine& line) { return {line.opening, line.debit, line.credit, line.closing}; }

Amounts MonthlyOf(const TrialBalanceLine& line) {
    Amounts amounts{line.opening};
    amounts.insert(amounts.end(), line.months.begin(), line.months.end());
    amounts.push_back(line.closing);
    return amounts;
}

Layout MonthlyLayout() {
    Layout layout{QStringLiteral("月別試算表"), {QStringLiteral("期首残高")}, {false}, MonthlyOf};
    for (int month = 1; month <= 12; ++month) {
        layout.headings << QString::number(month) + QStringLiteral("月");
        layout.sideSums.push_back(false);
    }
    layout.headings << QStringLiteral("期末残高");
    layout.sideSums.push_back(false);
    return layout;
}

const Layout& LayoutOf(TrialBalanceLayout kind) {
    static const Layout totals{
        QStringLiteral("試算表"),
        {QStringLiteral("期首残高"), QStringLiteral("借方"), QStringLiteral("貸方"), QStringLiteral("期末残高")},
        {false, true, true, false},
        TotalsOf};
    static const Layout monthly = MonthlyLayout();
    return kind == TrialBalanceLayout::Totals ? totals : monthly;
}

QString GroupCaption(AccountGroup group) {
    static const QString captions[] = {QStringLiteral("資産計"), QStringLiteral("負債・資本計"),
                                       QStringLiteral("収益計"), QStringLiteral("費用計")};
    return captions[static_cast<int>(group)];
}

// Code, name and the columns, each column right-aligned in its width.
QString Row(const QString& code, const QString& name, const QStringList& cells) {
    QString row = PadByteWidth(code, kCodeWidth, false) + kBlank + PadByteWidth(name, kNameWidth, false);
    for (const QString& cell : cells) row += kBlank + PadByteWidth(cell, kAmountWidth, true);
    return row;
}

// The amounts of the columns the filter keeps; the other columns blank.
QStringList Cells(const Amounts& amounts, const std::vector<bool>& shown) {
    QStringList cells;
    for (size_t i = 0; i < amounts.size(); ++i) cells << (shown[i] ? QString::number(amounts[i]) : QString());
    return cells;
}

void Add(Amounts& sum, const Amounts& amounts, qint64 sign = 1) {
    for (size_t i = 0; i < sum.size(); ++i) sum[i] += sign * amounts[i];
}

std::vector<bool> Negated(const std::vector<bool>& flags) {
    std::vector<bool> negated;
    for (const bool flag : flags) negated.push_back(!flag);
    return negated;
}

}  // namespace

std::optional<QString> TrialBalanceRefusal(const QString& fiscalYearText) {
    return OpeningSheetRefusal(fiscalYearText, QStringLiteral("試算表"));
}

ReportQuestion TrialBalanceQuestion(const ReportValues& values, TrialBalanceLayout layout) {
    const QString year = QString::number(values.year);
    const QString& title = LayoutOf(layout).title;
    return QuestionFor(year + QStringLiteral("年の") + title,
                       year + QStringLiteral("_") + title + QStringLiteral(".txt"));
}

QStringList TrialBalanceLines(const TrialBalance& balance, TrialBalanceLayout kind) {
    const Layout& layout = LayoutOf(kind);
    const std::vector<bool> every(layout.sideSums.size(), true);
    const QString rule(kCodeWidth + 1 + kNameWidth + static_cast<int>(every.size()) * (1 + kAmountWidth),
                       QLatin1Char('-'));
    QStringList out{QString(), Row(QStringLiteral("ｺｰﾄﾞ"), QStringLiteral("勘定科目"), layout.headings) + kCrLf + rule};
    Amounts all(every.size(), 0), income(every.size(), 0);
    for (const AccountGroup group : kAccountGroups) {
        if (group != kAccountGroups.front()) out << QString();
        Amounts subtotal(every.size(), 0);
        for (const TrialBalanceLine& line : balance.lines) {
            if (line.group != group) continue;
            const Amounts amounts = layout.amountsOf(line);
            Add(subtotal, amounts);
            out << Row(line.code, line.name, Cells(amounts, every));
        }
        out << Row(QString(), GroupCaption(group), Cells(subtotal, every));
        Add(all, subtotal);
        if (group == AccountGroup::Revenue) Add(income, subtotal);
        if (group == AccountGroup::Cost) Add(income, subtotal, -1);
    }
    out << rule;
    // The debit and the credit sums of every account; a balance summed
    // across both sides means nothing and stays blank.
    if (std::find(layout.sideSums.begin(), layout.sideSums.end(), true) != layout.sideSums.end())
        out << Row(QString(), QStringLiteral("合計"), Cells(all, layout.sideSums));
    out << Row(QString(), QStringLiteral("青色申告特別控除前の所得金額"), Cells(income, Negated(layout.sideSums)));
    return out;
}

QStringList BuildTrialBalanceReport(const ReportValues& values, TrialBalanceLayout layout) {
    QStringList out = TrialBalanceLines(ReadTrialBalance(values.year), layout);
    out[0] = LayoutOf(layout).title + QStringLiteral(" ") + QString::number(values.year) + QStringLiteral("年度") +
             TitleUserAndDbFile(values) + kCrLf;
    return out;
}
