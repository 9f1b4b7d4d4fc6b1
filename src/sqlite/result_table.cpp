#include "sqlite/result_table.h"

#include "app/context.h"
#include "app/fatal_error.h"
#include "app/identity.h"
#include "app/message_box.h"
#include "app/run_log.h"
#include "app/runtime_error.h"
#include "sqlite/sqlite_api.h"

#include <sqlite3.h>
#include <QStringTokenizer>
#include <QVarLengthArray>

#include <charconv>
#include <iterator>

namespace {

const QChar kTab = QLatin1Char('\t');

void AppendValueText(QString& line, sqlite3_stmt* statement, int column) {
    switch (SQLite3ColumnType(statement, column)) {
        case SQLITE_INTEGER: {
            // Read whole: a sum beyond 32 bits must not come back with its high bits lost.
            char digits[24];
            const char* end = std::to_chars(digits, std::end(digits), SQLite3ColumnInt64(statement, column)).ptr;
            line += QLatin1StringView(digits, end - digits);
            return;
        }
        case SQLITE_FLOAT:
            line += QString::number(SQLite3ColumnDouble(statement, column), 'g', 15);
            return;
        case SQLITE_NULL:
            return;
        case SQLITE_BLOB:
            line += SQLite3ColumnBlobAsText(statement, column);
            return;
        default:
            line += SQLite3ColumnText(statement, column);
    }
}

void AppendColumnName(QString& line, sqlite3_stmt* statement, int column) {
    line += SQLite3ColumnName(statement, column);
}

QString JoinColumns(sqlite3_stmt* statement, void (*appendText)(QString&, sqlite3_stmt*, int)) {
    // Built in a buffer kept from row to row and copied at its exact size: a
    // year's query returns a hundred thousand rows, each one allocation.
    thread_local QString line;
    line.resize(0);
    const int count = SQLite3ColumnCount(statement);
    for (int i = 0; i < count; ++i) {
        if (i > 0) line += kTab;
        appendText(line, statement, i);
    }
    return line.isEmpty() ? QString() : QString(line.constData(), line.size());
}

}  // namespace

QString SQLite3RowLine(sqlite3_stmt* statement) { return JoinColumns(statement, AppendValueText); }

HeaderAndRow SQLite3HeaderAndRowLine(sqlite3_stmt* statement) {
    return {JoinColumns(statement, AppendColumnName), SQLite3RowLine(statement)};
}

qsizetype ColumnIndex(const ResultTable& table, const QString& name) {
    const qsizetype k = table.value(0).split(kTab).indexOf(name);
    if (k < 0) {
        const QString message = QStringLiteral("Error!\r\n  Cannot find col[") + name +
                                QStringLiteral("]\r\n  cols=[") + table.value(0) + QStringLiteral("]");
        WriteLog(message);
        ShowMessage(message);
        ReportFatalError();
    }
    return k;
}

QStringList RowValues(const ResultTable& table, qsizetype row, const QList<qsizetype>& columns,
                      const QStringList& names) {
    if (row < 0 || row >= table.size()) throw RunTimeError(QStringLiteral("行がありません: ") + QString::number(row));
    QStringList values;
    values.reserve(columns.size());
    if (table[row].isEmpty()) {
        for (qsizetype i = 0; i < columns.size(); ++i) values << QString();
        return values;
    }
    // Views of the row first: only the values asked for become strings.
    QVarLengthArray<QStringView, 16> fields;
    for (const QStringView field : QStringTokenizer(QStringView(table[row]), kTab)) fields.append(field);
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns[i] >= fields.size()) throw RunTimeError(QStringLiteral("列がありません: ") + names[i]);
        values << fields[columns[i]].toString();
    }
    return values;
}

QString FindColumn(const ResultTable& table, qsizetype row, const QString& name) {
    return RowValues(table, row, {ColumnIndex(table, name)}, {name}).first();
}
