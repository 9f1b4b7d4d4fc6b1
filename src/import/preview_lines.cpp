#include "import/preview_lines.h"

#include "import/amount_text.h"
#include "import/statement_date.h"
#include "import/summary_text.h"
#include "import/trade_entry.h"

namespace {

QString Numbered(int line, const QString& reason) { return QString::number(line) + QStringLiteral("行目: ") + reason; }

// The field of the column counted from 1; empty for column 0 (none).
QString Field(const QStringList& f, int column) { return column > 0 ? f.value(column - 1) : QString(); }

// The signed amount of the line: deposits positive, withdrawals negative.
AmountReading SignedAmount(const QStringList& f, const ColumnLayout& layout) {
    if (!UsesPair(layout)) {
        AmountReading amount = ReadAmount(Field(f, layout.amountColumn));
        if (amount.value && layout.positiveIsOut) amount.value = -*amount.value;
        return amount;
    }
    const AmountReading out = ReadAmount(Field(f, layout.outColumn));
    const AmountReading in = ReadAmount(Field(f, layout.inColumn));
    if (!out.problem.isEmpty()) return out;
    if (!in.problem.isEmpty()) return in;
    if (out.value.value_or(0) != 0 && in.value.value_or(0) != 0)
        return {std::nullopt, QStringLiteral("出金と入金の両方に金額があります")};
    if (out.value.value_or(0) != 0) return {-*out.value, QString()};
    return in.value ? in : out;
}

PreviewLine ReadLine(const CsvRecord& record, const ColumnLayout& layout) {
    PreviewLine line;
    line.line = record.line;
    line.status = LineStatus::Unreadable;
    const QStringList& f = record.fields;
    const int needed = ColumnsNeeded(layout);
    if (f.size() < needed) {
        line.text = f.join(QLatin1Char(','));
        line.reason = Numbered(record.line, QStringLiteral("項目が") + QString::number(f.size()) +
                                                QStringLiteral("個しかありません（") + QString::number(needed) +
                                                QStringLiteral("個必要です）"));
        return line;
    }
    line.dateText = Field(f, layout.dateColumn);
    line.text = Field(f, layout.textColumn);
    line.summary = SummaryOfStatementText(line.text);
    line.date = ReadStatementDate(line.dateText);
    if (!line.date.isValid()) {
        line.reason =
            Numbered(record.line, QStringLiteral("日付「") + line.dateText + QStringLiteral("」が読めません"));
        return line;
    }
    const AmountReading amount = SignedAmount(f, layout);
    if (!amount.value) {
        line.reason =
            Numbered(record.line, amount.problem.isEmpty() ? QStringLiteral("金額がありません") : amount.problem);
        return line;
    }
    line.direction = *amount.value < 0 ? Direction::Out : Direction::In;
    line.amount = std::abs(*amount.value);
    line.status = LineStatus::NoTrade;
    return line;
}

QString DetailRate(const ImportBooks& books, const QString& tradeCd, const QString& detailCd) {
    const auto detail = books.details.find({tradeCd, detailCd});
    return detail == books.details.end() ? QString() : detail->second.rate;
}

}  // namespace

std::vector<PreviewLine> ReadPreviewLines(const std::vector<CsvRecord>& records, const ColumnLayout& layout) {
    std::vector<PreviewLine> lines;
    if (ColumnsNeeded(layout) == 0) return lines;
    const size_t first = static_cast<size_t>(std::max(layout.headerLines, 0));
    lines.reserve(records.size() > first ? records.size() - first : 0);
    for (size_t i = first; i < records.size(); ++i) lines.push_back(ReadLine(records[i], layout));
    return lines;
}

bool TakesPercentage(const ImportBooks& books, const QString& tradeCd) {
    const auto trade = books.trades.find(tradeCd);
    return trade != books.trades.end() && trade->second.tradeClass == QStringLiteral("D");
}

void ChooseTrade(PreviewLine& line, const ImportBooks& books, const QString& tradeCd, const QString& detailCd) {
    line.tradeCd = tradeCd;
    line.detailCd = detailCd;
    line.rate = DetailRate(books, tradeCd, detailCd);
    line.chosenByUser = true;
}

void ApplyRules(std::vector<PreviewLine>& lines, const ImportBooks& books) {
    for (PreviewLine& line : lines) {
        if (line.chosenByUser || line.status == LineStatus::Unreadable) continue;
        const ImportRule* rule = RuleFor(books.rules, line.direction, line.text);
        line.tradeCd = rule ? rule->tradeCd : QString();
        line.detailCd = rule ? rule->detailCd : QString();
        line.rate = DetailRate(books, line.tradeCd, line.detailCd);
        if (rule && !rule->rate.isEmpty() && TakesPercentage(books, rule->tradeCd)) line.rate = rule->rate;
    }
}

void UpdateStatuses(std::vector<PreviewLine>& lines, const ImportBooks& books) {
    std::map<QString, int> recorded = books.recorded;
    for (PreviewLine& line : lines) {
        if (line.status == LineStatus::Unreadable) continue;
        line.reason.clear();
        int& matches = recorded[DuplicateKey(line.date, line.amount, line.summary)];
        if (line.leftOut) {
            line.status = LineStatus::LeftOut;
        } else if (line.date.year() != books.fiscalYear) {
            line.status = LineStatus::OutsideYear;
        } else if (matches > 0) {
            --matches;
            line.status = LineStatus::AlreadyRecorded;
        } else if (line.tradeCd.isEmpty() || line.detailCd.isEmpty()) {
            line.status = LineStatus::NoTrade;
        } else if (const auto problem =
                       CheckNewEntry({false, true, true, line.summary, QString::number(line.amount), line.rate})) {
            line.status = LineStatus::Refused;
            line.reason = Numbered(line.line, QString(problem->message).replace(QStringLiteral("\r\n"), QString()));
        } else {
            line.status = LineStatus::ToRecord;
        }
    }
}

QString StatusText(const PreviewLine& line) {
    switch (line.status) {
        case LineStatus::ToRecord:
            return QStringLiteral("登録する");
        case LineStatus::AlreadyRecorded:
            return QStringLiteral("登録済み");
        case LineStatus::OutsideYear:
            return QStringLiteral("年度外");
        case LineStatus::NoTrade:
            return QStringLiteral("取引未選択");
        case LineStatus::Refused:
            return QStringLiteral("登録できません：") + line.reason;
        case LineStatus::Unreadable:
            return QStringLiteral("読めません：") + line.reason;
        case LineStatus::LeftOut:
            break;
    }
    return QStringLiteral("除外");
}

std::vector<ImportedTrade> TradesToRecord(const std::vector<PreviewLine>& lines) {
    std::vector<ImportedTrade> trades;
    for (const PreviewLine& line : lines)
        if (line.status == LineStatus::ToRecord)
            trades.push_back({line.date.year(), line.date.month(), line.date.day(), line.tradeCd, line.detailCd,
                              line.summary, QString::number(line.amount), line.rate});
    return trades;
}
