// Kills a worker that records, corrects or re-creates through the store
// procedures at random moments, again and again, and after every kill reads
// the books as the next start of the program would find them: nothing the
// worker had confirmed may be missing, no history copy may stand without
// the change it was taken for, and the file must be sound.
//
// VELMO_CRASH_KILLS sets the number of kills per kind of work (25 by
// default; the long run uses 1000), VELMO_CRASH_SEED the random sequence.
#include "books_file.h"
#include "child_process.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <QHash>

#include <chrono>
#include <functional>
#include <iostream>
#include <random>
#include <thread>

namespace {

int KillsPerKind() {
    return qEnvironmentVariableIsSet("VELMO_CRASH_KILLS") ? qEnvironmentVariableIntValue("VELMO_CRASH_KILLS") : 25;
}

unsigned Seed() {
    return qEnvironmentVariableIsSet("VELMO_CRASH_SEED")
               ? static_cast<unsigned>(qEnvironmentVariableIntValue("VELMO_CRASH_SEED"))
               : std::random_device{}();
}

// A kill lands anywhere in the first few dozen statements after the books
// are open (each commit waits for the disk).
constexpr int kLongestWaitUs = 150000;

// What the books hold after `kills` kills, given every line the worker
// confirmed; empty when that is right, otherwise what is wrong.
using Check = std::function<std::string(const BooksFile&, const QStringList& confirmed, int kills)>;

struct Kind {
    const char* mode;
    std::function<void(const BooksFile&)> arrange;
    Check check;
};

std::string Expect(bool holds, const QString& what) { return holds ? std::string() : what.toStdString(); }

// Every confirmed transaction is there as confirmed; at most one more per
// kill (stored, then killed before it could say so).
std::string CheckRecorded(const BooksFile& books, const QStringList& confirmed, int kills) {
    QHash<QString, QString> stored;
    for (const QString& row : books.rows(QStringLiteral("select month||' '||day||' '||seq, detail_name||' '||money||' "
                                                        "'||is_valid from t_trade where year = 2030")))
        stored.insert(row.section(QLatin1Char('\t'), 0, 0), row.section(QLatin1Char('\t'), 1));
    for (const QString& line : confirmed) {
        const QStringList f = line.split(QLatin1Char(' '));
        const QString key = f[1] + QLatin1Char(' ') + f[2] + QLatin1Char(' ') + f[3];
        if (stored.value(key) != f[4] + QLatin1Char(' ') + f[5] + QStringLiteral(" 1"))
            return "lost or changed: " + line.toStdString() + " (stored: " + stored.value(key).toStdString() + ")";
    }
    return Expect(stored.size() <= confirmed.size() + kills,
                  QStringLiteral("%1 rows for %2 confirmed").arg(stored.size()).arg(confirmed.size()));
}

// Each of the twenty transactions started at 1000 yen and every correction
// added one: so its amount tells how many corrections were stored, and
// its history must hold exactly that many copies, version v at 999 + v.
std::string CheckCorrected(const BooksFile& books, const QStringList& confirmed, int kills) {
    QHash<int, int> lastConfirmed;
    for (const QString& line : confirmed)
        lastConfirmed[line.section(QLatin1Char(' '), 1, 1).toInt()] = line.section(QLatin1Char(' '), 2, 2).toInt();
    int unconfirmed = 0;
    for (int seq = 1; seq <= 20; ++seq) {
        const QStringList now =
            books.rows(QStringLiteral("select money from t_trade where year = 2031 and seq = %1").arg(seq));
        if (now.size() != 1) return "transaction " + std::to_string(seq) + " is gone";
        const int money = now[0].toInt();
        if (money < lastConfirmed.value(seq, 1000))
            return "a confirmed correction of " + std::to_string(seq) + " is lost";
        unconfirmed += money - lastConfirmed.value(seq, 1000);
        const QStringList history = books.rows(
            QStringLiteral("select ver_idx, money from t_trade_history where year = 2031 and seq = %1 order by ver_idx")
                .arg(seq));
        QStringList expected;
        for (int v = 1; v <= money - 1000; ++v) expected << QStringLiteral("%1\t%2").arg(v).arg(999 + v);
        if (history != expected)
            return QStringLiteral("history of %1 at %2 yen: %3")
                .arg(seq)
                .arg(money)
                .arg(history.join(QLatin1Char(' ')))
                .toStdString();
    }
    return Expect(unconfirmed <= kills, QStringLiteral("%1 corrections nobody confirmed").arg(unconfirmed));
}

// The year always has its 50 rows; every re-creation copied all 50 into the
// history, so all accounts have the same versions 1..H, and version v of
// account 100 holds v, the amount it was given just before.
std::string CheckRecreated(const BooksFile& books, const QStringList& confirmed, int kills) {
    if (books.rows(QStringLiteral("select count(*) from t_bs_begining where year = 2032")) !=
        QStringList{QStringLiteral("50")})
        return "the year does not have its 50 rows";
    const QStringList versions =
        books.rows(QStringLiteral("select count(*), min(ver_idx), max(ver_idx) from t_bs_begining_history where year = "
                                  "2032 group by account_cd"));
    const QString first = versions.value(0);
    const int h = first.section(QLatin1Char('\t'), 0, 0).toInt();
    if (!versions.isEmpty() &&
        (versions.size() != 50 || versions.count(first) != 50 || first != QStringLiteral("%1\t1\t%1").arg(h)))
        return "history copies differ between accounts: " + versions.join(QLatin1Char(' ')).toStdString();
    QStringList expected;
    for (int v = 1; v <= h; ++v) expected << QString::number(v);
    if (books.rows(QStringLiteral(
            "select money from t_bs_begining_history where year = 2032 and account_cd = '100' order by ver_idx")) !=
        expected)
        return "a history copy of account 100 is not the row it was taken from";
    const QString money =
        books.rows(QStringLiteral("select money from t_bs_begining where year = 2032 and account_cd = '100'")).value(0);
    if (money != QStringLiteral("0") && money != QString::number(h + 1))
        return "account 100 holds " + money.toStdString();
    const int lastConfirmed = confirmed.isEmpty() ? 0 : confirmed.last().section(QLatin1Char(' '), 1, 1).toInt();
    return Expect(h >= lastConfirmed && h <= lastConfirmed + kills,
                  QStringLiteral("%1 re-creations stored, %2 confirmed").arg(h).arg(lastConfirmed));
}

const Kind kKinds[] = {
    {"record", [](const BooksFile&) {}, CheckRecorded},
    {"correct",
     [](const BooksFile& books) {
         for (int seq = 1; seq <= 20; ++seq)
             books.exec(QStringLiteral("insert into t_trade values (2031, 1, 1, %1, '14', '01', 'c', 1000, 100, 1, '')")
                            .arg(seq));
     },
     CheckCorrected},
    {"recreate",
     [](const BooksFile& books) {
         for (int code = 100; code <= 640; code += 10) {
             if (code > 340 && code < 400) continue;
             books.exec(QStringLiteral("insert into t_bs_begining values (2032, '%1', '', '%2', 0, '')")
                            .arg(code)
                            .arg(code < 400 ? QLatin1Char('a') : QLatin1Char('d')));
         }
     },
     CheckRecreated},
};

TEST(CrashSafety, NothingConfirmedIsLostWhenTheProgramIsKilled) {
    const int kills = KillsPerKind();
    const unsigned seed = Seed();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> wait(0, kLongestWaitUs);
    for (const Kind& kind : kKinds) {
        TempInstall install;
        install.installDatabase();
        const QString db = install.path(QStringLiteral("db/velmo.sqlite3"));
        kind.arrange(BooksFile(db));
        QStringList confirmed;
        for (int k = 1; k <= kills; ++k) {
            ChildProcess worker({QString::fromLatin1(kind.mode), install.path(QString())},
                                install.path(QStringLiteral("log/worker_errors.txt")));
            ASSERT_EQ(worker.readLine(30000), QStringLiteral("ready"))
                << kind.mode << ": " << install.readBytes(QStringLiteral("log/worker_errors.txt")).toStdString();
            std::this_thread::sleep_for(std::chrono::microseconds(wait(random)));
            worker.kill();
            confirmed << worker.remainingLines();
            const BooksFile books(db);
            ASSERT_EQ(books.integrity(), QStringLiteral("ok")) << kind.mode << " kill " << k << " seed " << seed;
            ASSERT_EQ(kind.check(books, confirmed, k), "") << kind.mode << " kill " << k << " seed " << seed;
        }
        // A run that confirmed nothing would prove nothing.
        EXPECT_GT(confirmed.size(), kills) << kind.mode;
        std::cout << kind.mode << ": " << kills << " kills survived, " << confirmed.size() << " confirmed, seed "
                  << seed << std::endl;
    }
}

}  // namespace
