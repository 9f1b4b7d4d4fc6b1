#pragma once
// The journal export for the receiving program: data03ca.txt (one record
// per valid transaction of the fiscal year) and data03no.txt (the next free
// record number), in the year's export folder.
#include <QString>

#include <optional>

// The data03ca.txt record of one row of DBSelTM_Trade (its values joined by
// TAB) under that record number, appended to the line: the number, the date
// as MMDD, both accounts, the amount as the query gave it and the summary,
// separated by TABs. A row of fewer than eight values is a run-time error.
void AppendConvFormatLine(QString& line, qsizetype number, QStringView row);

// Writes both files of the fiscal year into its export folder, which becomes
// ExportFolder. The files are written as a pair: both complete before
// either replaces its old file, so the number always equals the count of the
// records beside it plus 1, save after a crash between the two renames. The
// temporary files such a crash leaves are removed first. Returns the message
// to show when nothing was written (a folder or file that could not be
// written, a temporary file that could not be removed); nothing when both
// were written.
std::optional<QString> WriteJournalExport(const QString& fiscalYearText, const QString& eraText);
