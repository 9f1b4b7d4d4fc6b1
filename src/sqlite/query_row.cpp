#include "sqlite/query_row.h"

#include "sqlite/sqlite_api.h"

#include <sqlite3.h>

#include <QStringDecoder>

#include <charconv>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

const QChar kTab = QLatin1Char('\t');

// Appends UTF-8 text of one to three bytes a character (all that Shift_JIS
// can hold) unit by unit into room made once; false, with the line as it
// was, at anything else, which Qt's decoder then reads. A report appends a
// million codes, numbers and summaries.
bool AppendShortUtf8(QString& line, const unsigned char* text, qsizetype size) {
    const qsizetype start = line.size();
    line.resize(start + size);  // never more units than bytes
    char16_t* out = reinterpret_cast<char16_t*>(line.data()) + start;
    const auto follows = [text](qsizetype at) { return (text[at] & 0xC0) == 0x80; };
    for (qsizetype i = 0; i < size;) {
        const unsigned char c = text[i];
        if (c < 0x80) {
            *out++ = c;
            i += 1;
        } else if (c >= 0xC2 && c < 0xE0 && i + 1 < size && follows(i + 1)) {
            *out++ = static_cast<char16_t>((c & 0x1F) << 6 | (text[i + 1] & 0x3F));
            i += 2;
        } else if (c >= 0xE0 && c < 0xF0 && i + 2 < size && follows(i + 1) && follows(i + 2)) {
            const auto unit =
                static_cast<char16_t>((c & 0x0F) << 12 | (text[i + 1] & 0x3F) << 6 | (text[i + 2] & 0x3F));
            if (unit < 0x800 || (unit >= 0xD800 && unit <= 0xDFFF)) {
                line.resize(start);
                return false;
            }
            *out++ = unit;
            i += 3;
        } else {
            line.resize(start);
            return false;
        }
    }
    // Plain ASCII fills the room exactly; a wider character leaves some over.
    const qsizetype units = out - reinterpret_cast<const char16_t*>(line.constData());
    if (units != line.size()) line.resize(units);
    return true;
}

}  // namespace

int QueryRow::columnCount() const { return SQLite3ColumnCount(statement_); }

void QueryRow::appendText(QString& line, int column) const {
    switch (SQLite3ColumnType(statement_, column)) {
        case SQLITE_INTEGER: {
            // Read whole: a sum beyond 32 bits must not come back with its high bits lost.
            char digits[24];
            const char* end = std::to_chars(digits, std::end(digits), SQLite3ColumnInt64(statement_, column)).ptr;
            AppendShortUtf8(line, reinterpret_cast<const unsigned char*>(digits), end - digits);
            return;
        }
        case SQLITE_FLOAT:
            line += QString::number(SQLite3ColumnDouble(statement_, column), 'g', 15);
            return;
        case SQLITE_NULL:
            return;
        case SQLITE_BLOB:
            line += SQLite3ColumnBlobAsText(statement_, column);
            return;
        default: {
            // Decoded straight into the line: a report reads a million texts.
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
            const qsizetype bytes = text ? static_cast<qsizetype>(std::strlen(text)) : 0;
            if (AppendShortUtf8(line, reinterpret_cast<const unsigned char*>(text), bytes)) return;
            const qsizetype start = line.size();
            line.resize(start + bytes);
            thread_local QStringDecoder utf8(QStringDecoder::Utf8,
                                             QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
            const QChar* end = utf8.appendToBuffer(line.data() + start, QByteArrayView(text, bytes));
            line.resize(end - line.constData());
        }
    }
}

void QueryRow::assign(QString& value, int column) const {
    if (!value.isEmpty()) value.resize(0);
    appendText(value, column);
}

QString QueryRow::text(int column) const {
    // Months, days, running numbers and rates are small whole numbers: their
    // texts are made once and shared, not allocated for every row.
    constexpr qint64 kShared = 1000;
    static const std::vector<QString> small = [] {
        std::vector<QString> texts;
        for (qint64 n = 0; n < kShared; ++n) texts.push_back(QString::number(n));
        return texts;
    }();
    if (isInteger(column)) {
        const qint64 n = integer(column);
        if (n >= 0 && n < kShared) return small[static_cast<size_t>(n)];
    }
    QString value;
    appendText(value, column);
    return value;
}

bool QueryRow::isInteger(int column) const { return SQLite3ColumnType(statement_, column) == SQLITE_INTEGER; }

qint64 QueryRow::integer(int column) const { return SQLite3ColumnInt64(statement_, column); }

void QueryRow::appendLine(QString& line) const {
    for (int i = 0; i < columnCount(); ++i) {
        if (i > 0) line += kTab;
        appendText(line, i);
    }
}

QString QueryRow::line() const {
    // Built in a buffer kept from row to row and copied at its exact size: a
    // year's query returns a hundred thousand rows, each one allocation.
    thread_local QString buffer;
    buffer.resize(0);
    appendLine(buffer);
    return buffer.isEmpty() ? QString() : QString(buffer.constData(), buffer.size());
}

QString QueryRow::header() const {
    QString names;
    for (int i = 0; i < columnCount(); ++i) {
        if (i > 0) names += kTab;
        names += SQLite3ColumnName(statement_, i);
    }
    return names;
}
