#include "reports/history_timeline.h"

#include "app/sjis_text.h"

namespace {

constexpr int kVersionWidth = 4;
constexpr int kStampWidth = 19;
const QString kBlank = QStringLiteral(" ");
const QString kNow = QStringLiteral("現在");

QString VersionColumn(const HistoryVersion& version) {
    return version.version.isEmpty() ? kNow : PadByteWidth(version.version, kVersionWidth, true);
}

QStringList MarksAgainst(const HistoryVersion* above, const QStringList& fields) {
    QStringList marks;
    for (qsizetype i = 0; i < fields.size(); ++i)
        marks << (above && above->fields.value(i) != fields[i] ? kChangedMark : kUnchangedMark);
    return marks;
}

}  // namespace

QString MarkedRight(const QString& mark, const QString& field) {
    return PadByteWidth(mark + field.trimmed(), ByteLength(field) + 1, true);
}

QString KnownStamp(const QString& stamp) { return stamp.isEmpty() ? QStringLiteral("不明") : stamp; }

QString StampColumn(const QString& stamp) { return PadByteWidth(stamp, kStampWidth, false); }

QString VersionColumnsHeading(const QString& replacedCaption) {
    return PadByteWidth(QStringLiteral("版"), kVersionWidth, true) + kBlank + StampColumn(QStringLiteral("記録日時")) +
           kBlank + StampColumn(replacedCaption);
}

QStringList VersionLines(const std::vector<HistoryVersion>& versions, const FieldsText& fieldsText,
                         const QString& missingRow) {
    QStringList lines;
    for (size_t i = 0; i < versions.size(); ++i) {
        const HistoryVersion& version = versions[i];
        const HistoryVersion* above = i > 0 ? &versions[i - 1] : nullptr;
        const HistoryVersion* below = i + 1 < versions.size() ? &versions[i + 1] : nullptr;
        // The row as it stands has not been replaced; any version before it was.
        const QString replaced =
            version.version.isEmpty() ? QString() : KnownStamp(below ? below->writtenAt : QString());
        lines << VersionColumn(version) + kBlank + StampColumn(KnownStamp(version.writtenAt)) + kBlank +
                     StampColumn(replaced) + fieldsText(version.fields, MarksAgainst(above, version.fields));
    }
    if (!versions.empty() && !versions.back().version.isEmpty()) lines << kNow + kBlank + missingRow;
    return lines;
}
