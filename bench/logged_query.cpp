#include "logged_query.h"

#include "app/context.h"
#include "platform/cp932.h"

#include <QFile>
#include <QRegularExpression>

#include <stdexcept>

namespace {

struct LoggedQuery {
    QString procedure;  // the last line logged before the query's own
    QString sql;
};

QList<LoggedQuery> RunAndRead(const std::function<void()>& work) {
    QFile::remove(ctx().runLogPath);
    work();
    QFile file(ctx().runLogPath);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("the run log cannot be read");
    const QStringList lines = platform::fromCp932(file.readAll()).split(QStringLiteral("\r\n"));
    const QRegularExpression stamped(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d "));
    const auto text = [](const QString& line) { return line.mid(11); };
    QList<LoggedQuery> queries;
    QString procedure;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (!stamped.match(lines[i]).hasMatch()) continue;
        if (text(lines[i]) != QStringLiteral("SQLite3Query")) {
            procedure = text(lines[i]);
            continue;
        }
        QStringList sql{text(lines[++i])};
        while (i + 1 < lines.size() && !stamped.match(lines[i + 1]).hasMatch()) sql << lines[++i];
        queries.push_back({procedure, sql.join(QStringLiteral("\r\n"))});
    }
    if (queries.isEmpty()) throw std::runtime_error("the work logged no query");
    return queries;
}

}  // namespace

QStringList LoggedQueriesOf(const std::function<void()>& work) {
    QStringList texts;
    for (const LoggedQuery& query : RunAndRead(work)) texts << query.sql;
    return texts;
}

QString LoggedQueryOf(const std::function<void()>& work, const QString& procedure) {
    for (const LoggedQuery& query : RunAndRead(work))
        if (query.procedure == procedure) return query.sql;
    throw std::runtime_error("the work logged no query after " + procedure.toStdString());
}
