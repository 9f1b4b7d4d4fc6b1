#pragma once
// A connection of the test's own to a books file, for reading what the
// program left there: its rows, its integrity and a checksum of the books.
#include <QByteArray>
#include <QString>
#include <QStringList>

struct sqlite3;

class BooksFile {
public:
    explicit BooksFile(const QString& path);
    ~BooksFile();
    BooksFile(const BooksFile&) = delete;
    BooksFile& operator=(const BooksFile&) = delete;

    // Each row's values as text joined by TAB.
    QStringList rows(const QString& sql) const;
    void exec(const QString& sql) const;
    // What "pragma integrity_check" says, its lines joined: "ok" for a sound file.
    QString integrity() const;
    // SHA-256 over every row of the nine tables, in key order.
    QByteArray checksum() const;

private:
    sqlite3* db_ = nullptr;
};
