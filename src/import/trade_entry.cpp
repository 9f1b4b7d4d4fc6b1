#include "import/trade_entry.h"

#include "app/sjis_text.h"
#include "app/text_utils.h"
#include "store/store_common.h"

namespace {

constexpr int kMaxPercent = 100;

bool HasControlCharacter(const QString& text) {
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control) return true;
    return false;
}

bool IsPercentage(const QString& digits) {
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok);
    return ok && value <= kMaxPercent;
}

// The checks both buttons share; only the message of an empty summary differs.
std::optional<EntryProblem> CheckEntry(const EntryState& entry, const QString& emptySummaryMessage) {
    if (!entry.tradeSelected)
        return EntryProblem{QStringLiteral("取引一覧から項目を選択してください。"), EntryField::TradeList};
    if (!entry.detailSelected)
        return EntryProblem{QStringLiteral("取引詳細一覧から項目を選択してください。"), EntryField::DetailList};
    if (entry.summary.isEmpty()) return EntryProblem{emptySummaryMessage, EntryField::Summary};
    // A pasted phrase brings its line break along; stored, it would split the
    // row wherever the transaction is read back.
    if (HasControlCharacter(entry.summary))
        return EntryProblem{
            QStringLiteral("取引詳細にタブや改行などの制御文字は使えません。\r\n入力し直してください。"),
            EntryField::Summary};
    // Reports and exports are Shift_JIS: such a character would turn into "?" in all of them.
    if (const QString lost = CharactersOutsideShiftJis(entry.summary); !lost.isEmpty())
        return EntryProblem{QStringLiteral("取引詳細に次の文字は使えません（Shift_JISで保存できません）。\r\n\r\n　") +
                                ShownCharacters(lost) + QStringLiteral("\r\n\r\n別の文字に置き換えてください。"),
                            EntryField::Summary};
    if (ByteLength(entry.summary) > kSummaryMaxBytes)
        return EntryProblem{QStringLiteral("取引詳細は全角15文字(30バイト)以内で入力してください。"),
                            EntryField::Summary};
    if (entry.summary.contains(QLatin1Char(' ')))
        return EntryProblem{QStringLiteral("取引詳細は半角スペースを使わずに指定してください。"), EntryField::Summary};
    if (entry.money.isEmpty()) return EntryProblem{QStringLiteral("金額を入力してください。"), EntryField::Money};
    if (!IsDigitsOnly(entry.money))
        return EntryProblem{QStringLiteral("金額は数字だけを入力してください。"), EntryField::Money};
    // Amounts and their sums are 32-bit in the books and in every report.
    if (!IsStorableAmount(entry.money))
        return EntryProblem{
            QStringLiteral("金額は") + QString::number(kMaxAmount) + QStringLiteral("円以下で入力してください。"),
            EntryField::Money};
    if (entry.percent.isEmpty())
        return EntryProblem{QStringLiteral("事業に使った割合を入力してください。"), EntryField::Percent};
    if (!IsDigitsOnly(entry.percent))
        return EntryProblem{QStringLiteral("事業に使った割合は数字だけを入力してください。"), EntryField::Percent};
    if (!IsPercentage(entry.percent))
        return EntryProblem{QStringLiteral("事業に使った割合は100以下で入力してください。"), EntryField::Percent};
    return std::nullopt;
}

}  // namespace

std::optional<EntryProblem> CheckNewEntry(const EntryState& entry) {
    return CheckEntry(entry, QStringLiteral("具体的な取引内容(取引詳細)を入力してください。"));
}

std::optional<EntryProblem> CheckCorrection(const EntryState& entry) {
    if (!entry.recordSelected)
        return EntryProblem{QStringLiteral("取引記録一覧から更新する取引を選択してください。"), EntryField::RecordList};
    return CheckEntry(entry, QStringLiteral("具体的な取引内容を入力してください。"));
}
