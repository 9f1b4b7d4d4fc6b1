#pragma once
// A fresh installation tree in a temporary folder, with the process-wide
// state pointing at it and the desktop replaced by doubles. Each test that
// touches files builds its own.
#include "fake_desktop.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <utility>

class TempInstall {
public:
    // The clock starts at 2026-12-05 09:30:05 (a Saturday).
    TempInstall();
    ~TempInstall();
    TempInstall(const TempInstall&) = delete;
    TempInstall& operator=(const TempInstall&) = delete;

    FakeDesktop desktop;

    // root/relative, with "/" separators.
    QString path(const QString& relative) const;
    void makeFolder(const QString& relative) const;
    void writeBytes(const QString& relative, const QByteArray& bytes) const;
    QByteArray readBytes(const QString& relative) const;

    // The run log, decoded from Shift_JIS.
    QString runLog() const;
    void setTime(const QString& isoTime);

    // Creates db/velmo.sqlite3 from the bundled schema and master scripts and
    // opens it as DBConnection.
    void openDatabase();
    // Copies the database the build made into db/<name>, not opened.
    void installDatabase(const QString& name = QStringLiteral("velmo.sqlite3")) const;
    // Writes bin/VelmoAccount.ini in Shift_JIS with CR LF line ends.
    void writeSettings(const QString& userName, const QString& dbFileName = QStringLiteral("velmo.sqlite3")) const;
    // Runs SQL straight on the connection, bypassing the run log: for
    // arranging a test and for reading what was stored.
    void exec(const QString& sql) const;
    // The rows of a query, each row's values as text joined by TAB.
    QStringList rows(const QString& sql) const;

private:
    QTemporaryDir dir_;
};

// The bytes of this run's log.
QByteArray RunLogBytes();

// A file of the source tree, e.g. "data/schema.sql" or "tests/data/...".
QString SourcePath(const QString& relative);

// The cases of tests/data/<relative> in order, a line each as "<group> [<text>]"; blank lines and
// # comments are skipped. In a text \r \n \t \\ \xHH \uHHHH \UHHHHHHHH stand for that character
// and c{N} for N times the character c, so that no invisible or long input hides in the file.
QList<std::pair<QString, QString>> DataCaseLines(const QString& relative);
// The texts of one group of those cases.
QStringList DataCases(const QString& relative, const QString& group);

// Shift_JIS bytes of a text, for comparing written files.
QByteArray Sjis(const QString& text);
