#include "import/column_layout.h"

#include <algorithm>
#include <initializer_list>

namespace {

// The first column whose name holds one of the words, from 1; 0 when none.
int ColumnNamed(const QStringList& header, std::initializer_list<const char16_t*> words) {
    for (const char16_t* word : words)
        for (int i = 0; i < header.size(); ++i)
            if (header[i].contains(QString::fromUtf16(word))) return i + 1;
    return 0;
}

}  // namespace

bool UsesPair(const ColumnLayout& layout) { return layout.amountColumn == 0; }

int ColumnsNeeded(const ColumnLayout& layout) {
    return std::max({layout.dateColumn, layout.textColumn, layout.amountColumn, layout.outColumn, layout.inColumn});
}

ColumnLayout GuessColumns(const QStringList& header) {
    ColumnLayout layout;
    layout.dateColumn = ColumnNamed(header, {u"取引日", u"利用日", u"ご利用日", u"年月日", u"日付"});
    layout.textColumn = ColumnNamed(
        header, {u"摘要", u"お取引内容", u"取引内容", u"利用店名", u"ご利用店名", u"ご利用先", u"内容", u"明細"});
    layout.outColumn = ColumnNamed(header, {u"お引出し", u"お引き出し", u"出金", u"お支払"});
    layout.inColumn = ColumnNamed(header, {u"お預入れ", u"お預け入れ", u"入金"});
    if (layout.outColumn > 0 && layout.inColumn > 0) return layout;
    layout.outColumn = layout.inColumn = 0;
    layout.amountColumn = ColumnNamed(header, {u"ご利用金額", u"利用金額", u"お支払金額", u"支払金額", u"金額"});
    // A card statement lists payments as positive amounts.
    const QString amountName = header.value(layout.amountColumn - 1);
    layout.positiveIsOut = amountName.contains(QStringLiteral("利用")) || amountName.contains(QStringLiteral("支払"));
    return layout;
}
