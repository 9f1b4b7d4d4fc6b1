#include "import/csv_records.h"

#include <csv.h>

#include <QByteArray>

namespace {

struct Collector {
    CsvRecords result;
    QStringList fields;
    int line = 1;        // the line being fed
    int recordLine = 0;  // the line the current record began on; 0 between records
};

void OnField(void* bytes, size_t length, void* data) {
    static_cast<Collector*>(data)->fields
        << QString::fromUtf8(static_cast<const char*>(bytes), static_cast<qsizetype>(length));
}

void OnRecord(int, void* data) {
    auto* c = static_cast<Collector*>(data);
    c->result.records.push_back({c->recordLine, c->fields});
    c->fields.clear();
    c->recordLine = 0;
}

QString ProblemAt(int line, const QString& what) { return QString::number(line) + QStringLiteral("行目: ") + what; }

}  // namespace

CsvRecords SplitCsv(const QString& text) {
    // Quotes, commas and line breaks are single bytes in UTF-8, never part of another character.
    const QByteArray bytes = text.toUtf8();
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) return {{}, QStringLiteral("CSVを読む準備ができません")};
    Collector c;
    // Fed a line at a time, so that every record knows its line.
    qsizetype start = 0;
    bool failed = false;
    while (start < bytes.size() && !failed) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        const size_t length = static_cast<size_t>(end - start);
        // A record ends only at a line's end; the next begins on the next line that is not empty.
        const bool blank = bytes.at(start) == '\n' || (length == 2 && bytes.at(start) == '\r');
        if (c.recordLine == 0 && !blank) c.recordLine = c.line;
        if (csv_parse(&parser, bytes.constData() + start, length, OnField, OnRecord, &c) != length)
            failed = true;
        else {
            ++c.line;
            start = end;
        }
    }
    if (failed) {
        c.result.problem = csv_error(&parser) == CSV_EPARSE
                               ? ProblemAt(c.line, QStringLiteral("引用符(\")で囲まれていない項目に引用符があります"))
                               : ProblemAt(c.line, QStringLiteral("CSVとして読めません"));
    } else if (csv_fini(&parser, OnField, OnRecord, &c) != 0) {
        c.result.problem = ProblemAt(c.recordLine, QStringLiteral("引用符(\")が閉じられていません"));
    }
    csv_free(&parser);
    return c.result;
}
