#pragma once
// Splitting a statement's text into records: fields separated by commas,
// quoted fields holding commas, doubled quotes and line breaks, lines ended
// by CR LF or LF. Empty lines are no records.
#include <QString>
#include <QStringList>

#include <vector>

struct CsvRecord {
    int line = 0;  // the line of the file the record begins on, from 1
    QStringList fields;
};

struct CsvRecords {
    std::vector<CsvRecord> records;
    // Empty, or what stopped the reading and on which line: a quote never
    // closed, or one inside a field that is not quoted.
    QString problem;
};

CsvRecords SplitCsv(const QString& text);
