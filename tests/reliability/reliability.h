#pragma once
// A connection of the test's own to a books file, and a full disk or a read-only folder without privilege.
#include <sqlite3.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDirIterator>
#include <QStringList>

#include <algorithm>
#include <csignal>
#include <memory>
#include <stdexcept>

struct BooksFile {
    explicit BooksFile(const QString& path) {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open " + path.toStdString());
    }
    ~BooksFile() { sqlite3_close(db); }

    // Each row's values joined by TAB; typed, a text is quoted and NULL named.
    QStringList rows(const QString& sql, bool typed = false) const {
        sqlite3_stmt* st = nullptr;
        QStringList result;
        int code = sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr);
        while (code == SQLITE_OK && (code = sqlite3_step(st)) == SQLITE_ROW) {
            QStringList fields;
            for (int i = 0; i < sqlite3_column_count(st); ++i) {
                const QString text = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
                const int type = typed ? sqlite3_column_type(st, i) : 0;
                fields << (type == SQLITE_NULL ? "NULL" : type == SQLITE_TEXT ? '\'' + text + '\'' : text);
            }
            result << fields.join(u'\t');
            code = SQLITE_OK;
        }
        sqlite3_finalize(st);
        if (code != SQLITE_DONE) throw std::runtime_error(std::string("test SQL failed: ") + sqlite3_errmsg(db));
        return result;
    }
    QString integrity() const { return rows("pragma integrity_check").join(u'\n'); }
    // Over every row of the nine tables of the books, in any order.
    QByteArray checksum() const {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        for (const QString table : {"t_trade", "t_trade_history", "t_bs_begining", "t_bs_begining_history", "m_account",
                                    "m_trade", "m_trade_detail", "m_percent", "m_money"}) {
            QStringList all = rows("select * from " + table, true);
            all.sort();
            hash.addData((table + '\n' + all.join(u'\n')).toUtf8());
        }
        return hash.result().toHex();
    }
    sqlite3* db = nullptr;
};

// The call's result, with no file of this process growing beyond `bytes` meanwhile: a write past it
// fails as on a full disk. Only the soft limit comes down, so that it goes up again without privilege.
template <class Call>
auto OnFullDisk(rlim_t bytes, const Call& call) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const rlimit limit{std::min(bytes, before.rlim_max), before.rlim_max};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) throw std::runtime_error("cannot limit the file size");
    const std::unique_ptr<rlimit, void (*)(rlimit*)> up(&before, [](rlimit* r) { setrlimit(RLIMIT_FSIZE, r); });
    return call();
}

// The call's result, with `folder` of the installation at `root` read-only meanwhile. Root may write
// anywhere, so root checks files as "nobody" meanwhile, to whom the rest of the installation is open.
template <class Call>
auto InReadOnlyFolder(const QString& root, const QString& folder, const Call& call) {
    const bool asNobody = ::geteuid() == 0;
    if (asNobody) {
        ::chmod(qPrintable(root), 0777);
        for (QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
             it.hasNext();)
            ::chmod(qPrintable(it.next()), 0777);
    }
    if (::chmod(qPrintable(folder), 0555) != 0) throw std::runtime_error("cannot close " + folder.toStdString());
    if (asNobody) ::setfsuid(65534);
    const std::unique_ptr<const QString, void (*)(const QString*)> open(&folder, [](const QString* f) {
        if (::geteuid() == 0) ::setfsuid(0);
        ::chmod(qPrintable(*f), 0755);
    });
    return call();
}
