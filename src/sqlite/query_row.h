#pragma once
// One row of a query while it is stepped: its values read in place, so that
// a report can write a year of rows without holding them. Each value's text
// is the text a ResultTable holds for it.
#include <QString>

struct sqlite3_stmt;

class QueryRow {
public:
    explicit QueryRow(sqlite3_stmt* statement) : statement_(statement) {}

    int columnCount() const;
    // Integers whole, reals in up to 15 significant digits, NULL empty, text
    // and BLOBs taken as UTF-8.
    QString text(int column) const;
    void appendText(QString& line, int column) const;
    // The text into a string kept from row to row, reusing its room.
    void assign(QString& value, int column) const;
    // The whole number when the value is stored as an integer; nothing otherwise.
    bool isInteger(int column) const;
    qint64 integer(int column) const;
    // The values joined by TAB, as a ResultTable row.
    QString line() const;
    void appendLine(QString& line) const;
    QString header() const;  // the column names joined by TAB

private:
    sqlite3_stmt* statement_;
};
