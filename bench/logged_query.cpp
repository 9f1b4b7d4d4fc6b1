#include "logged_query.h"

#include "app/context.h"
#include "platform/cp932.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <stdexcept>

QString LoggedQueryOf(const std::function<void()>& work, const QString& procedure) {
    QFile::remove(ctx().runLogPath);
    work();
    QFile file(ctx().runLogPath);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("the run log cannot be read");
    const QStringList lines = platform::fromCp932(file.readAll()).split(QStringLiteral("\r\n"));
    const QRegularExpression stamped(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d "));
    const QRegularExpression query(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d   SQLite3Query$"));
    const qsizetype named = procedure.isEmpty()
                                ? -1
                                : lines.indexOf(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d   ") +
                                                                   procedure + QLatin1Char('$')));
    const qsizetype at = procedure.isEmpty() ? lines.lastIndexOf(query) : lines.indexOf(query, named);
    if (at < 0 || at + 1 >= lines.size()) throw std::runtime_error("the work logged no query");
    QStringList sql{lines[at + 1].mid(11)};
    for (qsizetype i = at + 2; i < lines.size() && !stamped.match(lines[i]).hasMatch(); ++i) sql << lines[i];
    return sql.join(QStringLiteral("\r\n"));
}
