#pragma once
// The floor of a report runs the very statement the report ran: it is read
// back from the run log, where the access layer writes every statement
// before running it.
#include <QString>

#include <functional>

// Runs the work once and returns the text of the first query it logged
// after the named store procedure's line (the last query when no name is given).
QString LoggedQueryOf(const std::function<void()>& work, const QString& procedure = QString());
