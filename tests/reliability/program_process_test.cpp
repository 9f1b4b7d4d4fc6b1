// The program as a process: killed at random moments while it works, and started as a user starts it
// on books that cannot serve or that another program is writing, with the backup it takes at every start.
#include "golden_log.h"
#include "reliability.h"
#include "temp_install.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>
#include <array>
#include <thread>

namespace {

const QString kBook = QStringLiteral("db/velmo.sqlite3");
// A year of 3000 long entries, with money 1 to 3000, that fill many pages.
const QString kFill = QStringLiteral(
    "insert into t_trade with recursive n(v) as (select 1 union all select v + 1 from n where v < 3000) "
    "select %1, 1 + v % 12, 1 + v % 28, v, '14', '01', v || hex(zeroblob(50)), v, 100, 1, '' from n");

// The worker started on these arguments, the boxes it shows written into `errors`. As the user "nobody",
// it is a copy of the worker beside the installation `root`, which it can reach.
struct Worker : QProcess {
    Worker(const QStringList& arguments, const QString& errors, const QString& root = {}) {
        if (!root.isEmpty()) QFile::copy(VELMO_RELIABILITY_WORKER, root + "bin/reliability_worker");
        if (!root.isEmpty()) setChildProcessModifier([] { (::setgid(65534) || ::setuid(65534)) && (::_exit(126), 0); });
        setStandardErrorFile(errors);
        start(root.isEmpty() ? VELMO_RELIABILITY_WORKER : root + "bin/reliability_worker", arguments);
    }
    // Its exit code once it has ended by itself, else -1.
    int code() { return waitForFinished(30000) && exitStatus() == NormalExit ? exitCode() : -1; }
    // Its lines on standard output, killed now.
    QStringList killed() {
        kill();
        waitForFinished();
        return QString::fromUtf8(readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }
};

// The exit code (0 when the menu came up), the time to the end and "box <title>: <text>" a line.
std::tuple<int, qint64, QString> StartProgram(const TempInstall& install, bool nobody = false) {
    const qint64 start = QDateTime::currentMSecsSinceEpoch();
    const int code =
        Worker({"start", install.path("")}, install.path("log/errors.txt"), nobody ? install.path("") : "").code();
    return {code, QDateTime::currentMSecsSinceEpoch() - start, QString::fromUtf8(install.readBytes("log/errors.txt"))};
}

// The worker's confirmed lines, after it was killed `micros` into its work (after its first line, if `told`).
QStringList KillWorker(const TempInstall& install, const char* mode, bool told, quint32 micros) {
    Worker worker({mode, install.path("")}, install.path("log/errors.txt"));
    if (!(told ? worker.waitForReadyRead(30000) : worker.waitForStarted())) throw std::runtime_error(mode);
    std::this_thread::sleep_for(std::chrono::microseconds(micros));
    return worker.killed();
}

// The lines told that the books do not hold.
QStringList Lost(const QStringList& told, const QStringList& held) {
    return QSet<QString>(told.begin(), told.end()).subtract(QSet<QString>(held.begin(), held.end())).values();
}

// The random sequence VELMO_CRASH_SEED names, else a new one, named by a failure.
quint32 Seed() {
    return qEnvironmentVariable("VELMO_CRASH_SEED", QString::number(QRandomGenerator::global()->generate())).toUInt();
}

}  // namespace

class ProgramProcessTest : public QObject {
    Q_OBJECT

private slots:
    // VELMO_CRASH_KILLS kills per kind of work (25 by default), VELMO_CRASH_SEED the random sequence.
    void nothingConfirmedIsLostWhenTheProgramIsKilled() {
        const int kills = qEnvironmentVariable("VELMO_CRASH_KILLS", "25").toInt();
        const quint32 seed = Seed();
        QRandomGenerator random(seed);
        for (const char* mode : {"record", "correct", "recreate"}) {
            const QStringList sql = DataCases("reliability/work.cases", mode);  // arranged, stored, broken
            TempInstall install;
            install.installDatabase();
            BooksFile(install.path(kBook)).rows(sql[0]);
            QStringList confirmed;
            for (int k = 1; k <= kills; ++k) {
                // Each kill lands in work going on, after its first piece was confirmed, anywhere in the next
                // few dozen statements (each commit waits for the disk).
                confirmed << KillWorker(install, mode, true, random.bounded(150000));
                const BooksFile books(install.path(kBook));
                const QStringList held = books.rows(sql[1]);
                const QString where = QStringLiteral("%1, kill %2, seed %3: ").arg(mode).arg(k).arg(seed);
                QVERIFY2(books.integrity() == "ok", qPrintable(where + books.integrity()));
                QVERIFY2(Lost(confirmed, held).isEmpty(),
                         qPrintable(where + "lost " + Lost(confirmed, held).join(", ")));
                QVERIFY2(held.size() <= confirmed.size() + k, qPrintable(where + "stored what nobody confirmed"));
                QVERIFY2(books.rows(sql[2]).isEmpty(), qPrintable(where + "a change without its history copies"));
            }
        }
    }

    // Two programs recording on one books file (two installations naming it, say), both from January 1st on:
    // every entry a worker confirmed is stored, each date holds seqs 1 to n, and neither ends. VELMO_SHARED_MS long.
    // A pause between entries, as a user's: a writer in a tight loop would keep the other waiting.
    void twoProgramsRecordingOnOneBooksFileLoseNothing() {
        TempInstall install;
        install.installDatabase();
        std::array<Worker, 2> workers{Worker({"record", install.path(""), "5"}, install.path("log/errors0.txt")),
                                      Worker({"record", install.path(""), "5"}, install.path("log/errors1.txt"))};
        QVERIFY(workers[0].waitForStarted() && workers[1].waitForStarted());
        std::this_thread::sleep_for(std::chrono::milliseconds(qEnvironmentVariable("VELMO_SHARED_MS", "4000").toInt()));
        QStringList confirmed;
        for (int w : {0, 1}) {
            const QStringList told = workers[w].killed();
            const QByteArray boxes = install.readBytes(QStringLiteral("log/errors%1.txt").arg(w));
            // Still working at the kill, and no box shown.
            QVERIFY2(workers[w].exitStatus() == QProcess::CrashExit && boxes.isEmpty() && told.size() > 10,
                     qPrintable(QStringLiteral("worker %1 told %2 lines, exit %3: %4")
                                    .arg(w)
                                    .arg(told.size())
                                    .arg(workers[w].exitCode())
                                    .arg(QString::fromUtf8(boxes))));
            confirmed << told;
        }
        const BooksFile books(install.path(kBook));
        QCOMPARE(books.integrity(), "ok");
        const QStringList held = books.rows(DataCases("reliability/work.cases", "record")[1]);
        QCOMPARE(Lost(confirmed, held), QStringList());
        QVERIFY2(QSet<QString>(confirmed.begin(), confirmed.end()).size() == confirmed.size(), "one seq told twice");
        // A kill may land between a commit and its line.
        QVERIFY(held.size() >= confirmed.size() && held.size() <= confirmed.size() + 2);
        QCOMPARE(books.rows("select month||'/'||day from t_trade group by month, day "
                            "having count(*) != max(seq) or min(seq) != 1"),
                 QStringList());
    }

    // Started as a user starts it, each end of the program lets go of both locks, and a lock the program
    // did not take (left by a kill) never blocks a start. Two installations that reach one books file, by a
    // link to the file or to its folder, do not both run.
    void theLocksGoWithTheProgramAndGuardTheBooks() {
        TempInstall a, b, c, d;
        const std::pair<const char*, const TempInstall*> trees[] = {{"a", &a}, {"b", &b}, {"c", &c}, {"d", &d}};
        for (const auto& [name, tree] : trees) tree->writeSettings("x");
        a.installDatabase();
        d.installDatabase();
        QVERIFY(QFile::link(a.path(kBook), b.path(kBook)));
        QVERIFY(QDir(c.path("db")).removeRecursively() && QFile::link(a.path("db"), c.path("db")));
        QString out;
        const auto note = [&](const QString& what, Worker& program, const QString& errors) {
            out += QStringLiteral("== %1: %2\n").arg(what).arg(program.code());
            out += QString::fromUtf8(a.readBytes(errors));
            QStringList left;  // c's db folder is a's
            for (const auto& [name, tree] : trees)
                for (const QString& lock : {QStringLiteral("bin/VelmoAccount.lock"), kBook + ".lock"})
                    if (QFileInfo(tree->path(lock)).isFile() && !(tree == &c && lock.startsWith("db")))
                        left << name + ('/' + lock);
            out += "lock files left: " + left.join(' ') + '\n';
        };
        // The errors of every tree are written into a's log folder.
        const auto run = [&](const QString& what, const TempInstall& install, const QString& then) {
            Worker program({"run", QDir::cleanPath(install.path("")), then}, a.path("log/errors.txt"));
            note(what, program, "log/errors.txt");
        };
        const QStringList backups = QDir(d.path("db_backup")).entryList(QDir::Files);
        QVERIFY(QFile::copy(d.path(kBook), d.path("outside.sqlite3")));
        const QByteArray outside = d.readBytes("outside.sqlite3");
        Worker holder({"run", QDir::cleanPath(a.path("")), "wait"}, a.path("log/holder.txt"));
        QByteArray told;
        while (!told.contains("up\n") && holder.waitForReadyRead(30000)) told += holder.readAllStandardOutput();
        QVERIFY2(told.contains("up\n"), told.constData());
        for (const auto& [step, arg] : DataCaseLines("reliability/locks.steps")) {
            const TempInstall& tree = *trees[std::clamp(arg.isEmpty() ? 0 : arg[0].unicode() - u'a', 0, 3)].second;
            if (step == "run") run(arg.section(u' ', 2), tree, arg.section(u' ', 1, 1));
            if (step == "kill") holder.kill(), note("a killed", holder, "log/holder.txt");
            if (step == "folder") tree.makeFolder(kBook + ".lock");
            if (step == "unfolder") QVERIFY(QDir().rmdir(tree.path(kBook + ".lock")));
            if (step == "filename") d.writeSettings("x", arg), run("d with filename=" + arg, d, "quit");
        }
        QCOMPARE(d.readBytes("outside.sqlite3"), outside);
        QCOMPARE(QDir(d.path("db_backup")).entryList(QDir::Files), backups);
        for (const auto& [name, tree] : trees) out.replace(QFileInfo(tree->path("")).canonicalFilePath(), name);
        QCOMPARE(QString::fromStdString(GoldenDiff("reliability/locks.txt", Sjis(out))), QString());
    }

    // Killed at random moments of its start on a large book, over and over: every file named as a
    // backup is a whole copy of the books, no journal is ever left, and the next start removes what
    // a cut-off backup left. VELMO_BACKUP_KILLS kills (6 by default), VELMO_CRASH_SEED the sequence.
    void aBackupCutOffByAKillNeverCountsAsOne() {
        const int kills = qEnvironmentVariable("VELMO_BACKUP_KILLS", "6").toInt();
        const quint32 seed = Seed();
        QRandomGenerator random(seed);
        TempInstall install;
        install.installDatabase();
        install.writeSettings("x");
        BooksFile(install.path(kBook)).rows(kFill.arg(2020).replace("3000", "60000"));  // 60,000 long entries
        const QByteArray books = BooksFile(install.path(kBook)).checksum();
        const QRegularExpression form(
            QRegularExpression::anchoredPattern("velmo_\\d{4}_\\d{4}-\\d{4}_\\d{2}\\.sqlite3"));
        QHash<QString, QDateTime> whole;  // backups read back whole, with the time they were written
        int cut = 0;                      // kills after which a temporary file lay there: inside the backup
        const auto check = [&](const QString& where) {
            for (const QString& name : QDir(install.path("db_backup")).entryList(QDir::Files, QDir::Name)) {
                QVERIFY2(!name.endsWith("-journal"), qPrintable(where + name));
                cut += name.endsWith(".tmp");
                const QString path = install.path("db_backup/" + name);
                if (!form.match(name).hasMatch() || whole.value(name) == QFileInfo(path).lastModified()) continue;
                QString problem = "not the books";
                try {
                    const BooksFile backup(path);
                    if (backup.integrity() == "ok" && backup.checksum() == books) problem.clear();
                } catch (const std::exception& error) {
                    problem = error.what();
                }
                QVERIFY2(problem.isEmpty(), qPrintable(where + name + ": " + problem));
                whole[name] = QFileInfo(path).lastModified();
            }
        };
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(std::get<0>(StartProgram(install)), 0);
        const qint64 startMs = timer.elapsed();
        for (int k = 1; k <= kills && !QTest::currentTestFailed(); ++k) {
            KillWorker(install, "start", false, random.bounded(quint32(startMs * 1000)));
            check(QStringLiteral("kill %1, seed %2: ").arg(k).arg(seed));
        }
        QCOMPARE(std::get<0>(StartProgram(install)), 0);
        const QStringList left = QDir(install.path("db_backup")).entryList(QDir::Files, QDir::Name);
        QVERIFY(left.size() <= 10);
        QCOMPARE(left.filter(form), left);
        check("after a whole start: ");
        qInfo("%d kills in %lld ms starts, %d cut off inside the backup, seed %u", kills, startMs, cut, seed);
    }

    void damagedBooksEndWithTheirMessageAndTouchNothing() {
        QList<QStringList> damages;  // the name, then each step and its argument
        for (const auto& [step, arg] : DataCaseLines("reliability/damaged_books.cases"))
            step == "damage" ? damages.append({arg}) : damages.last().append({step, arg});
        QString results;
        for (const QStringList& damage : damages) {
            const QString what = damage[0];
            TempInstall install;
            install.writeSettings("x");
            for (int day = 10; day < 21; ++day)
                install.writeBytes(QStringLiteral("db_backup/velmo_2001_11%1-0800_00.sqlite3").arg(day), "old");
            install.installDatabase();
            BooksFile(install.path(kBook)).rows(kFill.arg(2020));
            for (qsizetype i = 1; i < damage.size(); i += 2) {
                const QString &step = damage[i], &arg = damage[i + 1];
                const int at = arg.section(u' ', 0, 0).toInt(), n = arg.section(u' ', 1, 1).toInt();
                const QByteArray bytes = install.readBytes(kBook);
                if (step == "keep") install.writeBytes(kBook, bytes.left(at));
                if (step == "zero") install.writeBytes(kBook, QByteArray(bytes).replace(at, n, QByteArray(n, 0)));
                if (step == "text") install.writeBytes(kBook, arg.section(u' ', 1).toUtf8().repeated(at));
                if (step == "sql") BooksFile(install.path(kBook)).rows(arg);
                if (step == "folder") install.makeFolder(kBook + arg);
                if (step == "read-only") ::chmod(qPrintable(install.path(kBook)), 0444);
                for (const char* folder : {"", "bin", "log", "db", "db_backup"})
                    if (step == "read-only") ::chmod(qPrintable(install.path(folder)), 0777);
            }
            const auto snapshot = [&] {
                return install.readBytes(kBook) + QDir(install.path("db")).entryList().join(u' ').toUtf8() +
                       QDir(install.path("db_backup")).entryList().join(u' ').toUtf8();
            };
            const QByteArray before = snapshot();
            // Locked from here on: a file closed by this process would drop its locks.
            std::optional<BooksFile> holder;
            if (what.startsWith("locked")) holder.emplace(install.path(kBook)), holder->rows("begin exclusive");
            // Root may write a read-only file: "nobody" starts it then.
            const auto [code, ms, boxes] = StartProgram(install, what == "read-only" && ::geteuid() == 0);
            QVERIFY2(ms < 2000, qPrintable(what));
            QVERIFY2(snapshot() == before, qPrintable(what));
            results += QStringLiteral("== %1: %2\n%3").arg(what).arg(code).arg(boxes);
            if (holder)
                holder.reset(), results += QStringLiteral("let go: %1\n").arg(std::get<0>(StartProgram(install)));
        }
        QCOMPARE(QString::fromStdString(GoldenDiff("reliability/damaged_books.txt", Sjis(results))), QString());
    }

    // Another program dead inside a write, its change spilled into the file and the old pages in its journal:
    // the backup is the committed state. Ten backups stay, and no look-alike goes.
    void theBackupAfterAWriterDiedIsTheCommittedStateAndTenStay() {
        const QStringList others = DataCases("reliability/backups.cases", "other");
        TempInstall install;
        install.installDatabase();
        install.writeSettings("x");
        QStringList earlier;
        for (int day = 10; day <= 23; ++day) earlier << QStringLiteral("velmo_2001_11%1-0800_00.sqlite3").arg(day);
        for (const QString& name : earlier + others) install.writeBytes("db_backup/" + name, "old");
        install.makeFolder("db_backup/velmo_2020_0101-0000_00.sqlite3");
        const QString db = install.path(kBook);
        const QStringList ends{"", "-journal"};
        {
            const BooksFile other(db);
            other.rows(kFill.arg(2039));
            other.rows("pragma cache_size = 2");  // the change goes into the file before any commit
            other.rows("begin immediate");
            other.rows("update t_trade set money = money + 1");
            for (const QString& end : ends) QVERIFY(QFile::copy(db + end, db + ".dead" + end));
        }
        for (const QString& end : ends) QFile::remove(db + end), QFile::rename(db + ".dead" + end, db + end);
        QVERIFY(install.readBytes(kBook + "-journal").size() > 0);
        QVERIFY(QFile::copy(db, install.path("plain.sqlite3")));
        QCOMPARE(std::get<0>(StartProgram(install)), 0);
        const QStringList backups = QDir(install.path("db_backup"), "velmo_????_???\?-????_??.sqlite3")
                                        .entryList(QDir::Files | QDir::CaseSensitive);
        QCOMPARE(backups.size(), 10);
        QCOMPARE(backups.mid(0, 9), earlier.mid(5));  // the newest earlier ones, and this start's
        const BooksFile books(db), backup(install.path("db_backup/" + backups.last())),
            plain(install.path("plain.sqlite3"));
        QCOMPARE(backup.integrity(), "ok");
        QCOMPARE(backup.checksum(), books.checksum());
        QCOMPARE(backup.rows("select count(*), sum(money) from t_trade"), QStringList{"3000\t4501500"});
        // The file alone holds pages of a change never committed.
        QVERIFY(plain.integrity() != "ok" || plain.checksum() != books.checksum());
        for (const QString& name : others) QCOMPARE(install.readBytes("db_backup/" + name), "old");
        QVERIFY(QFileInfo(install.path("db_backup/velmo_2020_0101-0000_00.sqlite3")).isDir());
    }
};

QTEST_MAIN(ProgramProcessTest)
#include "program_process_test.moc"
