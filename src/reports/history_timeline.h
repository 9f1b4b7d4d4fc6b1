#pragma once
// The versions of one row, one line each, oldest first and the row as it
// stands last: when each version was written, when the next one replaced it,
// and its fields, each after a mark that tells whether it differs from the
// version above. Widths are Shift_JIS bytes.
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

struct HistoryVersion {
    QString version;     // "1", "2", ...; empty for the row as it stands now
    QString writtenAt;   // "yyyy/mm/dd hh:nn:ss"; empty when no longer known
    QStringList fields;  // compared one by one with the version above
};

// The fields of a version laid out, each after its mark.
using FieldsText = std::function<QString(const QStringList& fields, const QStringList& marks)>;

// "*" before a field that differs from the version above, a blank otherwise.
inline const QString kChangedMark = QStringLiteral("*");
inline const QString kUnchangedMark = QStringLiteral(" ");

// A right-aligned field with its mark directly before the value, one byte wider.
QString MarkedRight(const QString& mark, const QString& field);

// "不明" for a time that is no longer known.
QString KnownStamp(const QString& stamp);
// A time in its column of 19 bytes.
QString StampColumn(const QString& stamp);

// The heading of the columns before the fields: version, written, replaced.
inline constexpr int kVersionColumnsWidth = 44;
QString VersionColumnsHeading(const QString& replacedCaption);

// One line per version. When the last version is not the row as it stands,
// that row no longer exists: the time the last version was replaced is not
// known, and a line of its own says `missingRow`.
QStringList VersionLines(const std::vector<HistoryVersion>& versions, const FieldsText& fieldsText,
                         const QString& missingRow);
