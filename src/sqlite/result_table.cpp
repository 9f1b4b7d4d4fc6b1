#include "sqlite/result_table.h"

#include <QStringTokenizer>
#include <QVarLengthArray>
#include "app/context.h"
#include "app/fatal_error.h"
#include "app/identity.h"
#include "app/message_box.h"
#include "app/run_log.h"
#include "app/runtime_error.h"

namespace {

const QChar kTab = QLatin1Char('\t');

}  // namespace

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
