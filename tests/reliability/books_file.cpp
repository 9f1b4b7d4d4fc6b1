#include "books_file.h"

#include <sqlite3.h>

#include <QCryptographicHash>

#include <stdexcept>
#include <string>

namespace {

const char* const kTables[] = {"t_trade",   "t_trade_history", "t_bs_begining",  "t_bs_begining_history",
                               "m_account", "m_trade",         "m_trade_detail", "m_percent",
                               "m_money"};

}  // namespace

BooksFile::BooksFile(const QString& path) {
    if (sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open " + path.toStdString() + ": " + sqlite3_errmsg(db_));
}

BooksFile::~BooksFile() { sqlite3_close(db_); }

QStringList BooksFile::rows(const QString& sql) const {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("test query failed: ") + sqlite3_errmsg(db_));
    QStringList result;
    int code = SQLITE_OK;
    while ((code = sqlite3_step(statement)) == SQLITE_ROW) {
        QStringList fields;
        for (int i = 0; i < sqlite3_column_count(statement); ++i)
            fields << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
        result << fields.join(QLatin1Char('\t'));
    }
    sqlite3_finalize(statement);
    if (code != SQLITE_DONE) throw std::runtime_error(std::string("test query failed: ") + sqlite3_errmsg(db_));
    return result;
}

void BooksFile::exec(const QString& sql) const {
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("test SQL failed: ") + sqlite3_errmsg(db_));
}

QString BooksFile::integrity() const { return rows(QStringLiteral("pragma integrity_check")).join(QLatin1Char('\n')); }

QByteArray BooksFile::checksum() const {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const char* table : kTables) {
        hash.addData(table);
        // Every column quoted, so that a NULL, a text and a number stay
        // apart; rows in the order of all columns, the key first.
        const QStringList columns = rows(
            QStringLiteral("select name from pragma_table_info('%1') order by cid").arg(QString::fromLatin1(table)));
        QStringList quoted;
        QStringList order;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            quoted << QStringLiteral("quote(") + columns[i] + QLatin1Char(')');
            order << QString::number(i + 1);
        }
        const QString sql =
            QStringLiteral("select %1 from %2 order by %3")
                .arg(quoted.join(QLatin1Char(',')), QString::fromLatin1(table), order.join(QLatin1Char(',')));
        for (const QString& row : rows(sql)) hash.addData((row + QLatin1Char('\n')).toUtf8());
    }
    return hash.result().toHex();
}
