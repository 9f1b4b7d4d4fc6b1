#pragma once
// The run log (one file per run) and the start-up log (one file beside the
// executable, for the moments before the run log exists).
#include <QDateTime>
#include <QString>

// Appends one line to this run's log: "HH:NN:SS ", two blanks unless the text
// begins with "■", then the text.
void WriteLog(const QString& text);
// For the ways out of the program that report a failure, which may be the
// log's own: the line is written when the log can take it, and the way out
// goes on either way, so that the user is still told.
void WriteLogOnTheWayOut(const QString& text);
// The same for the start-up log.
void WriteStartupLog(const QString& text);

// Creates the file with its three header lines when it does not exist yet.
void WriteRunLogHeader(const QString& path);
void WriteStartupLogHeader();

// ExeFolder\VelmoAccount_log.txt
QString StartupLogPath();
// AppFolder\log\log_yyyy_mmdd-hhnn_ss.txt for a start at that time.
QString RunLogPathAt(const QDateTime& start);
