#pragma once
// The floor of a report runs the very statements the report ran: they are
// read back from the run log, where the access layer writes every statement
// before running it.
#include <QString>
#include <QStringList>

#include <functional>

// Runs the work once and returns the text of every query it logged, in order.
QStringList LoggedQueriesOf(const std::function<void()>& work);

// Runs the work once and returns the first query it logged after the named
// store procedure's line.
QString LoggedQueryOf(const std::function<void()>& work, const QString& procedure);
