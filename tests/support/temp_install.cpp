#include "temp_install.h"

#include "app/context.h"
#include "app/db_connection.h"
#include "app/run_log.h"
#include "platform/cp932.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <sqlite3.h>

#include <stdexcept>

TempInstall::TempInstall() {
    if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary folder");
    for (const char* folder : {"bin", "db", "db_backup", "log", "data_for_rupa_kaikei", "txt", "wav", "htm"})
        makeFolder(QString::fromLatin1(folder));
    setTime(QStringLiteral("2026-12-05T09:30:05"));
    ctx() = AppContext{};
    ctx().desktop = desktop.seams();
    SetExeFolder(path(QStringLiteral("bin")));
    ctx().runLogPath = RunLogPathAt(desktop.clock.time);
}

TempInstall::~TempInstall() {
    CloseDBConnection();
    ctx() = AppContext{};
}

QString TempInstall::path(const QString& relative) const { return dir_.path() + QLatin1Char('/') + relative; }

void TempInstall::makeFolder(const QString& relative) const {
    if (!QDir().mkpath(path(relative))) throw std::runtime_error("cannot create a folder");
}

void TempInstall::writeBytes(const QString& relative, const QByteArray& bytes) const {
    QFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
}

QByteArray TempInstall::readBytes(const QString& relative) const {
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QString TempInstall::runLog() const { return platform::fromCp932(RunLogBytes()); }

QByteArray RunLogBytes() {
    QFile file(ctx().runLogPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString SourcePath(const QString& relative) { return QStringLiteral(VELMO_SOURCE_DIR "/") + relative; }

void TempInstall::setTime(const QString& isoTime) { desktop.clock.time = QDateTime::fromString(isoTime, Qt::ISODate); }

QList<std::pair<QString, QString>> DataCaseLines(const QString& relative) {
    QFile file(SourcePath(QStringLiteral("tests/data/") + relative));
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("missing " + relative.toStdString());
    QList<std::pair<QString, QString>> cases;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const qsizetype open = line.indexOf(QLatin1Char('[')), close = line.lastIndexOf(QLatin1Char(']'));
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        if (open < 0 || close < open) throw std::runtime_error("no case in brackets: " + line.toStdString());
        // An escape (a code in hex or a letter), a character and its count, or a character.
        static const QRegularExpression token(
            QStringLiteral(R"(\\(x[\dA-Fa-f]{2}|u[\dA-Fa-f]{4}|U[\dA-Fa-f]{8}|.)|(.)\{(\d+)\}|.)"));
        QString text;
        for (const QRegularExpressionMatch& m : token.globalMatch(line.mid(open + 1, close - open - 1))) {
            const QString escape = m.captured(1);
            const char32_t code = escape.mid(1).toUInt(nullptr, 16);
            const qsizetype control = QStringLiteral("rnt").indexOf(escape);
            if (escape.size() > 1)
                text += QString::fromUcs4(&code, 1);
            else if (escape.size() == 1)
                text += control >= 0 ? QChar(u"\r\n\t"[control]) : escape[0];
            else
                text += m.hasCaptured(3) ? m.captured(2).repeated(m.captured(3).toInt()) : m.captured(0);
        }
        cases.append({line.left(open).trimmed(), text});
    }
    return cases;
}

QStringList DataCases(const QString& relative, const QString& group) {
    QStringList texts;
    for (const auto& [name, text] : DataCaseLines(relative))
        if (name == group) texts << text;
    return texts;
}

QByteArray Sjis(const QString& text) { return platform::toCp932(text); }

void TempInstall::openDatabase() {
    const QString file = path(QStringLiteral("db/velmo.sqlite3"));
    if (sqlite3_open(file.toUtf8().constData(), &ctx().db) != SQLITE_OK) throw std::runtime_error("cannot open db");
    // One transaction: written row by row, the masters take most of a second.
    exec(QStringLiteral("begin transaction;"));
    for (const char* script : {"data/schema.sql", "data/masters.sql"}) {
        QFile source(SourcePath(QString::fromLatin1(script)));
        if (!source.open(QIODevice::ReadOnly)) throw std::runtime_error(std::string("missing ") + script);
        exec(QString::fromUtf8(source.readAll()));
    }
    exec(QStringLiteral("commit;"));
}

void TempInstall::installDatabase(const QString& name) const {
    const QString target = path(QStringLiteral("db/") + name);
    QFile::remove(target);
    if (!QFile::copy(QStringLiteral(VELMO_DATABASE_FILE), target)) throw std::runtime_error("cannot copy the database");
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
}

void TempInstall::writeSettings(const QString& userName, const QString& dbFileName) const {
    writeBytes(QStringLiteral("bin/VelmoAccount.ini"),
               Sjis(QStringLiteral("[user]\r\nname=") + userName + QStringLiteral("\r\n[db]\r\nfilename=") +
                    dbFileName + QStringLiteral("\r\n")));
}

void TempInstall::exec(const QString& sql) const {
    char* error = nullptr;
    if (sqlite3_exec(ctx().db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error("test SQL failed: " + message);
    }
}

QStringList TempInstall::rows(const QString& sql) const {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(ctx().db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("test query failed: ") + sqlite3_errmsg(ctx().db));
    QStringList result;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QStringList fields;
        for (int i = 0; i < sqlite3_column_count(statement); ++i)
            fields << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
        result << fields.join(QLatin1Char('\t'));
    }
    sqlite3_finalize(statement);
    return result;
}
