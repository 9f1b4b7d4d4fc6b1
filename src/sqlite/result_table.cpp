#include "sqlite/result_table.h"

#include "app/context.h"
#include "app/fatal_error.h"
#include "app/identity.h"
#include "app/message_box.h"
#include "app/run_log.h"
#include "app/runtime_error.h"
#include "sqlite/sqlite_api.h"

#include <sqlite3.h>

namespace {

const QChar kTab = QLatin1Char('\t');

QString ValueText(sqlite3_stmt* statement, int column) {
    switch (SQLite3ColumnType(statement, column)) {
        case SQLITE_INTEGER:
            // Read whole: a sum beyond 32 bits must not come back with its high bits lost.
            return QString::number(SQLite3ColumnInt64(statement, column));
        case SQLITE_FLOAT:
            return QString::number(SQLite3ColumnDouble(statement, column), 'g', 15);
        case SQLITE_NULL:
            return {};
        case SQLITE_BLOB:
            return SQLite3ColumnBlobAsText(statement, column);
        default:
            return SQLite3ColumnText(statement, column);
    }
}

QString JoinColumns(sqlite3_stmt* statement, QString (*columnText)(sqlite3_stmt*, int)) {
    QString line;
    const int count = SQLite3ColumnCount(statement);
    for (int i = 0; i < count; ++i) {
        if (i > 0) line += kTab;
        line += columnText(statement, i);
    }
    return line;
}

}  // namespace

QString SQLite3RowLine(sqlite3_stmt* statement) { return JoinColumns(statement, ValueText); }

HeaderAndRow SQLite3HeaderAndRowLine(sqlite3_stmt* statement) {
    return {JoinColumns(statement, SQLite3ColumnName), SQLite3RowLine(statement)};
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
    const QList<QStringView> fields = QStringView(table[row]).split(kTab);
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns[i] >= fields.size()) throw RunTimeError(QStringLiteral("列がありません: ") + names[i]);
        values << fields[columns[i]].toString();
    }
    return values;
}

QString FindColumn(const ResultTable& table, qsizetype row, const QString& name) {
    return RowValues(table, row, {ColumnIndex(table, name)}, {name}).first();
}
