// The child process of the reliability tests. It works on an installation
// the test prepared, as the program would or as another program holding the
// books would, and tells the test on standard output what it has finished:
// one line per confirmed piece of work, written before the next begins, so
// that a test that kills it knows what must have been kept.
//
//   reliability_worker record|correct|recreate <app folder>
//       records, corrects or re-creates through the store procedures, forever
//   reliability_worker full <app folder> <bytes>
//       records with every file limited to that size (a full disk)
//   reliability_worker start <app folder>
//       starts the menu offscreen; messages go to standard error
//   reliability_worker lock|hold|spill <database file>
//       another program: holds an exclusive lock, holds an open write
//       transaction, or commits rows, then spills a change of them into the
//       file and dies leaving its journal behind
#include "app/context.h"
#include "fake_desktop.h"
#include "platform/system_seams.h"
#include "sqlite/result_table.h"
#include "store/db_file.h"
#include "store/opening_balance_store.h"
#include "store/trade_store.h"
#include "ui/menu/frm_menu.h"

#include <sqlite3.h>

#include <QApplication>

#include <sys/resource.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void Tell(const QString& line) {
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    if (::write(STDOUT_FILENO, bytes.constData(), static_cast<size_t>(bytes.size())) != bytes.size()) std::_Exit(3);
}

// Every box the program shows goes to standard error, for the test to read.
class StderrDialogs final : public platform::Dialogs {
public:
    void messageBox(const QString& text, const QString& title) override { Print(title, text); }
    bool yesNoBox(const QString& text, const QString& title) override {
        Print(title, text);
        return true;
    }
    QString inputBox(const QString& prompt, const QString& title, const QString&) override {
        Print(title, prompt);
        return {};
    }

private:
    static void Print(const QString& title, const QString& text) {
        const QByteArray bytes =
            (QStringLiteral("box ") + title + QStringLiteral(": ") + text + QLatin1Char('\n')).toUtf8();
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
        std::fflush(stderr);
    }
};

StderrDialogs dialogs;
RecordingServices services;
platform::ExitProcess processEnd;
platform::SystemClock clock;

void UseInstallation(const QString& appFolder) {
    ctx().desktop = {&dialogs, &services, &services, &services, &processEnd, &clock};
    SetExeFolder(appFolder + QStringLiteral("/bin"));
    ctx().runLogPath = appFolder + QStringLiteral("/log/log_worker.txt");
}

void OpenBooks() {
    if (QString errText; !DBFileOpen(AppPath(QStringLiteral("db/velmo.sqlite3")), errText)) {
        std::fprintf(stderr, "%s\n", errText.toUtf8().constData());
        std::exit(2);
    }
}

// Transactions of 2030, a new seq of a day at a time, each told by its key,
// summary and amount.
[[noreturn]] void Record() {
    const QString run = QString::number(::getpid());
    for (int i = 0;; ++i) {
        const int month = 1 + (i / 28) % 12;
        const int day = 1 + i % 28;
        const int seq = DBSelT_TradeMaxSeq(2030, month, day) + 1;
        const QString summary = QStringLiteral("k%1-%2").arg(run).arg(i);
        const QString money = QString::number(i + 1);
        DBInsT_Trade(2030, month, day, seq, QStringLiteral("14"), QStringLiteral("01"), summary, money,
                     QStringLiteral("100"));
        Tell(QStringLiteral("R %1 %2 %3 %4 %5").arg(month).arg(day).arg(seq).arg(summary, money));
    }
}

// Corrections of the test's transactions of 2031/01/01: each raises the
// amount by one, after the history copy of the row as it was.
[[noreturn]] void Correct() {
    const QString date = QStringLiteral("2031/01/01");
    for (int i = 0;; ++i) {
        const int seq = 1 + i % 20;
        const int money = FindColumn(DBSelTradeRecord(date, seq), 1, QStringLiteral("money")).toInt() + 1;
        DBUpdT_TradeWithHistory(date, seq, QStringLiteral("14"), QStringLiteral("01"), QStringLiteral("c"),
                                QString::number(money), QStringLiteral("100"));
        Tell(QStringLiteral("C %1 %2").arg(seq).arg(money));
    }
}

// Re-creations of the opening balance sheet of 2032. Before each, account
// 100 gets the number of the history version the re-creation will take, so
// that every history copy can be told from the others.
[[noreturn]] void Recreate() {
    const QString year = QStringLiteral("2032");
    for (;;) {
        const int version = DBSelBSHistoryMaxNum(year, QStringLiteral("100")) + 1;
        DBUpdBS_Begining(year, QStringLiteral("100"), QString::number(version));
        DBRecreateBS_Begining(year, true);
        Tell(QStringLiteral("B %1").arg(version));
    }
}

// A disk that fills up: no file of this process may grow beyond the limit.
void LimitFileSize(const char* bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = std::stoul(bytes);
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) std::exit(4);
}

// Qt's own notes are no message of the program: they go with the confirmations.
void QtNoteToStdout(QtMsgType, const QMessageLogContext&, const QString& text) { Tell(QStringLiteral("qt: ") + text); }

int StartMenu(int argc, char* argv[]) {
    qInstallMessageHandler(QtNoteToStdout);
    QApplication application(argc, argv);
    FrmMenu menu;
    menu.start();
    Tell(QStringLiteral("started"));
    return 0;
}

sqlite3* OpenRaw(const char* path) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path, &db) != SQLITE_OK) std::exit(2);
    return db;
}

void Exec(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
        std::exit(2);
    }
}

// Rows of 2039 that the other program commits, then changes without committing.
const char* const kCommittedRows =
    "insert into t_trade with recursive n(v) as (select 1 union all select v + 1 from n where v < 3000) "
    "select 2039, 1, 1, v, '14', '01', printf('%0100d', v), v, 100, 1, '' from n";
const char* const kUncommittedChange = "update t_trade set money = money + 1 where year = 2039";

[[noreturn]] void OtherProgram(const std::string& mode, const char* path) {
    sqlite3* db = OpenRaw(path);
    if (mode == "lock") {
        Exec(db, "begin exclusive");
    } else if (mode == "hold") {
        Exec(db, "begin immediate");
        Exec(db, "insert into t_trade values (2040, 1, 1, 1, '14', '01', 'held', 1, 100, 1, '')");
    } else {
        // A cache of a few pages makes SQLite write the changed pages into
        // the file before the commit, with the old ones in the journal.
        Exec(db, kCommittedRows);
        Exec(db, "pragma cache_size = 2");
        Exec(db, "begin");
        Exec(db, kUncommittedChange);
        Tell(QStringLiteral("spilled"));
        std::_Exit(0);
    }
    Tell(QStringLiteral("holding"));
    for (;;) ::pause();
}

}  // namespace

// The worker ends as the program does, by exit() from inside its work, or by
// a kill: what is still allocated then is not memory lost by a running
// program, so the leak check at exit has nothing to tell.
extern "C" const char* __lsan_default_options() { return "detect_leaks=0"; }

int main(int argc, char* argv[]) {
    if (argc < 3) return 64;
    const std::string mode = argv[1];
    if (mode == "lock" || mode == "hold" || mode == "spill") OtherProgram(mode, argv[2]);
    UseInstallation(QString::fromLocal8Bit(argv[2]));
    if (mode == "start") return StartMenu(argc, argv);
    if (mode == "full") {
        if (argc < 4) return 64;
        LimitFileSize(argv[3]);
    }
    OpenBooks();
    Tell(QStringLiteral("ready"));
    if (mode == "record" || mode == "full") Record();
    if (mode == "correct") Correct();
    if (mode == "recreate") Recreate();
    return 64;
}
