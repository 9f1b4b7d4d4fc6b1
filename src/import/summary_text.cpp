#include "import/summary_text.h"

#include "app/sjis_text.h"

namespace {

constexpr int kSummaryBytes = 30;

}  // namespace

QString SummaryOfStatementText(const QString& text) {
    QString summary = text.simplified();
    summary.replace(QLatin1Char(' '), QChar(u'　'));
    if (ByteLength(summary) <= kSummaryBytes) return summary;
    // The layout's cut never splits a character; its filling blanks go again.
    QString cut = PadByteWidth(summary, kSummaryBytes, false);
    while (cut.endsWith(QLatin1Char(' '))) cut.chop(1);
    return cut;
}
