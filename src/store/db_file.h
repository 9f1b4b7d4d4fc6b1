#pragma once
// The database file as the menu meets it at start-up: backed up, then opened
// for the whole run. Both first make sure the file really holds the books,
// so that a damaged or foreign file is named at once instead of ending the
// program at its first query.
#include <QString>

struct BackupOutcome {
    // Unusable: not the books, damaged, or not writable; Failed: the copy
    // could not be made (another program holds the file, the folder is full).
    enum class Kind { Copied, Unusable, Failed };
    Kind kind = Kind::Copied;
    QString reason;  // SQLite's own words, or the tables that are missing
};

// Copies the database into the backup file (replacing it) through SQLite's
// online backup, so the copy is the last committed state even while another
// program is writing. The copy is written under a temporary name beside it,
// read back (the tables and a check of every page) and only then renamed to
// the backup's name, so a file of that name is always a whole copy. A file
// that is not the books, is damaged or cannot be written is not copied; a
// copy that fails half-way leaves no file behind.
BackupOutcome BackupDatabase(const QString& dbPath, const QString& backupPath);

// Opens the file into DBConnection and reads its schema. False with the
// error text filled when the library or the file cannot serve; the
// connection is then closed again.
bool DBFileOpen(const QString& dbPath, QString& errText);
