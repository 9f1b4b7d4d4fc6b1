// Files that fail under the program (a full disk, a folder in place of the run log), and bad
// input at every entry field, typed, pasted or committed by the input method as a user gives it.
#include "app/context.h"
#include "app/db_connection.h"
#include "app/runtime_error.h"
#include "app/settings.h"
#include "crash_at_rename.h"
#include "export/journal_export.h"
#include "fixture_books.h"
#include "golden_log.h"
#include "reliability.h"
#include "reports/general_ledger.h"
#include "reports/history_report.h"
#include "reports/insurance_report.h"
#include "reports/journal_report.h"
#include "reports/report_file.h"
#include "reports/trade_record_report.h"
#include "reports/trial_balance.h"
#include "reports/trial_balance_report.h"
#include "screen_fixture.h"
#include "startup/start_up.h"
#include "store/db_file.h"
#include "store/report_queries.h"
#include "store/trade_store.h"
#include "ui/opening_balance/frm_begining.h"
#include "ui/trade/frm_trade.h"

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <tuple>

namespace {

const QString kYear = QStringLiteral("data_for_rupa_kaikei/2020(令和2)/");
const QString kIni = QStringLiteral("bin/VelmoAccount.ini");
// Transactions of 2020-06-01 numbered %1 to %2, each of as many yen.
const QString kRecords = QStringLiteral(
    "insert into t_trade with recursive n(v) as (select %1 union all select v + 1 from n where v < %2) "
    "select 2020, 6, 1, v, '14', '01', 'k', v, 100, 1, '' from n");

// What it is, the file the message names, the old files and books it meets, the write (its message, if any).
const std::tuple<const char*, QString, std::function<void(TempInstall&)>, std::function<std::optional<QString>()>>
    kWritePaths[] = {
        {"a report", "txt/仕訳帳.txt", [](TempInstall& i) { i.writeBytes("txt/仕訳帳.txt", "old"); },
         [] { return WriteReport(QStringList(5000, "仕訳帳の行 " + QString(40, u'x')), "仕訳帳.txt"); }},
        {"the journal export", kYear + "data03ca.txt",
         [](TempInstall& i) {
             OpenFixtureBooks(i);
             i.exec(kRecords.arg(101).arg(3100));
             i.makeFolder(kYear), i.writeBytes(kYear + "data03ca.txt", "old records");
             i.writeBytes(kYear + "data03no.txt", "old number");
         },
         [] { return WriteJournalExport("2020", "令和2"); }},
        {"the settings", kIni,  // other programs' sections make the file larger than the free space
         [](TempInstall& i) { i.writeBytes(kIni, "[notes]\r\n" + QByteArray("note=kept\r\n").repeated(9000)); },
         [] { return WriteSetting("user", "name", "new"), std::optional<QString>(); }},  // or a run-time error
};

// Each called directly: the ended process must not unwind through Qt.
const std::pair<const char*, std::function<void(FrmMenu&)>> kHandlers[] = {
    {"menu +1", [](FrmMenu& m) { m.cmdInc_Click(1); }},
    {"menu save", [](FrmMenu& m) { m.cmdSave_Click(); }},
    {"menu opens a screen", [](FrmMenu& m) { m.cmdDispWindow_Click(0); }},
    {"menu quit", [](FrmMenu& m) { m.cmdEnd_Click(); }},
    {"opening balance re-created", [](FrmMenu& m) { m.frmBegining()->cmdInitiralize_Click(); }},
    {"transaction recorded", [](FrmMenu& m) { m.frmTrade()->cmdInsert_Click(); }},
    {"transaction screen back to the menu", [](FrmMenu& m) { m.frmTrade()->cmdToMenu_Click(); }},
    {"transaction entry cleared", [](FrmMenu& m) { m.frmTrade()->cmdClear_Click(0); }},
};

// Printable ASCII typed key by key, text with control characters pasted, any other committed by the input method.
void Enter(QLineEdit* box, const QString& text) {
    const bool typed = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u' ' && c < u'\x7f'; });
    if (!typed && std::none_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
        return Type(box, text);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    if (typed) return QTest::keyClicks(box, text);
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

QLineEdit* Box(QWidget* screen, const char* name) { return Find<QLineEdit>(screen, name); }
void Click(QWidget* screen, const char* name) { QTest::mouseClick(Find<QPushButton>(screen, name), Qt::LeftButton); }

ShownBox Last(const std::vector<ShownBox>& shown) { return shown.empty() ? ShownBox{} : shown.back(); }

// One line of the log per answer: controls as ^X (what Shift_JIS cannot hold becomes "?").
QString Shown(QString text) {
    for (char16_t c = 0; c < 0x20; ++c) text.replace(QChar(c), QString(u'^') + QChar(c + 0x40));
    return text;
}

// The box that ended the program while `inside` ran on the screen the menu's button opened, if it ended.
std::optional<QString> Ended(MenuFixture& f, QDialog* screen, const char* opener, const std::function<void()>& inside) {
    try {
        WhileModal(screen, Find<QPushButton>(f.menu.get(), opener), inside);
    } catch (const ProcessEnded&) {
        return Shown(Last(f.install.desktop.dialogs.shown).text);
    }
    return std::nullopt;
}

}  // namespace

class FaultScreenTest : public QObject {
    Q_OBJECT

private slots:
    // Twenty-one starts with the clock in 2099, then two with the right clock: each of these keeps
    // the backup and the run log it has just made, the log with its header, and prunes the others.
    void aStartAfterTheClockWasYearsAheadKeepsItsOwnBackupAndLog() {
        TempInstall install;
        install.installDatabase();
        install.writeSettings("x");
        const auto start = [&](const QString& time) {
            install.setTime(time);
            RunStartUp(InstalledLibraries());
            FrmMenu().start();
            CloseDBConnection();
        };
        for (int second = 10; second <= 30; ++second) start(QStringLiteral("2099-01-01T08:00:%1").arg(second));
        QString out;
        for (const QString time : {"2026-12-05T09:30:05", "2026-12-05T09:31:00"}) {
            start(time);
            out += "== " + time + "\nbackups: " + QDir(install.path("db_backup")).entryList(QDir::Files).join(' ') +
                   "\nrun logs: " + QDir(install.path("log")).entryList(QDir::Files).join(' ') + "\n" +
                   install.runLog();
        }
        out.replace(install.path(""), "<install>/");
        QCOMPARE(GoldenDiff("reliability/clock.txt", Sjis(out)), std::string());
    }

    // A full disk or a read-only folder leaves the old file and nothing beside it, and the message names the file.
    // A symbolic link to a file outside the tree is replaced by the new file, and the file it points to stays.
    void everyWritePathLeavesTheOldFileOnAFaultAndReplacesALink() {
        for (const QString fault : {"full disk", "read-only folder", "link"}) {
            for (const auto& [what, relative, arrange, write] : kWritePaths) {
                TempInstall install;
                arrange(install);
                const QString file = install.path(relative), folder = QFileInfo(file).path();
                const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden);  // left-overs show
                const QByteArray old = install.readBytes(relative);
                if (fault == "link") {
                    QTemporaryDir outside;
                    const QString name = QFileInfo(file).fileName(), target = outside.filePath(name);
                    QVERIFY(QFile::rename(file, target) && QFile::link(target, file));
                    QVERIFY2(
                        write() == std::nullopt && !QFileInfo(file).isSymLink() && install.readBytes(relative) != old,
                        what);
                    QFile pointed(target);
                    QVERIFY2(pointed.open(QIODevice::ReadOnly) && pointed.readAll() == old, what);
                    QCOMPARE(QDir(outside.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
                    continue;
                }
                std::optional<QString> message;
                try {
                    message = fault == "full disk" ? OnFullDisk(64 * 1024, write)
                                                   : InReadOnlyFolder(install.path(""), folder, write);
                } catch (const RunTimeError& error) {
                    message = DescriptionOf(error);
                }
                QVERIFY2(message && message->contains(QDir::toNativeSeparators(file)), what);
                QCOMPARE(install.readBytes(relative), old);
                QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden), before);
                QVERIFY2(write() == std::nullopt, what);  // with room again
            }
        }
    }

    // The journal export killed at its first rename and between its two: the pair is the old one, or its
    // number is not its count of records plus 1. The temporary files the crash left are removed by the
    // next export (unless the folder is closed, which it says), and nothing else is.
    void theNextExportRemovesWhatACrashInItsRenamesLeft() {
        QString out;
        for (const int crashAt : {1, 2}) {
            TempInstall install;
            install.openDatabase();
            const QDir folder(install.path(kYear));
            // Each file: short ones with their bytes, the others with their lines and the start of their hash.
            const auto files = [&](const QString& when) {
                out += "-- " + when + "\r\n";
                for (const QString& name : folder.entryList(QDir::Files)) {
                    QByteArray bytes = install.readBytes(kYear + name);
                    out += name +
                           (bytes.size() < 16
                                ? " [" + bytes.replace("\r\n", "\\r\\n") + ']'
                                : QStringLiteral(" %1 lines %2")
                                      .arg(bytes.count("\r\n"))
                                      .arg(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(8))) +
                           "\r\n";
                }
            };
            install.exec(kRecords.arg(1).arg(3));
            QCOMPARE(WriteJournalExport("2020", "令和2"), std::nullopt);
            install.exec(kRecords.arg(4).arg(5));
            for (const QString other : {"data03ca.txt.backup", "data03no.txt.velmo-tmp-zzzzzzz", "data03no.txt.abc"})
                install.writeBytes(kYear + other, "the user's");
            out += QStringLiteral("== killed at rename %1: %2\r\n").arg(crashAt).arg(KilledAtRename(crashAt, [] {
                (void)WriteJournalExport("2020", "令和2");
            }));
            files("after the crash");
            const auto closed =
                InReadOnlyFolder(install.path(""), folder.path(), [] { return WriteJournalExport("2020", "令和2"); });
            out += "closed folder: " + closed.value_or("written") + "\r\n";
            files("after the closed folder");
            out += "next export: " + WriteJournalExport("2020", "令和2").value_or("written") + "\r\n";
            files("after the next export");
            for (const QString& line : install.runLog().split("\r\n"))
                if (line.contains("一時ファイル")) out += line.mid(11) + "\r\n";
            out.replace(QDir::toNativeSeparators(install.path("")), "<install>/");
        }
        out.replace(QRegularExpression("(velmo-tmp-)[A-Za-z0-9]{6}\\b"), "\\1XXXXXX");
        QCOMPARE(GoldenDiff("reliability/crash_at_rename.txt", Sjis(out)), std::string());
    }

    // The books on a full disk or in a folder closed to writing: the statement that does not fit
    // ends the program, all before it stay.
    void theBooksKeepEveryTransactionBeforeTheFault() {
        for (const bool fullDisk : {true, false}) {
            TempInstall install;
            install.installDatabase();
            const QString db = install.path("db/velmo.sqlite3");
            const qint64 room = QFileInfo(db).size() + 3 * 4096;
            QString error;
            int stored = 0;
            QVERIFY(DBFileOpen(db, error));
            DBInsT_Trade(2030, 1, 1, ++stored, "14", "01", "before", "1", "1");
            const auto record = [&] {
                for (;; ++stored) DBInsT_Trade(2030, 1, 1, stored + 1, "14", "01", QString(40, u'k'), "1", "1");
            };
            try {
                fullDisk ? OnFullDisk(room, record) : InReadOnlyFolder(install.path(""), install.path("db"), record);
            } catch (const ProcessEnded& end) {
                QCOMPARE(end.code, 1);
            }
            QVERIFY(
                Last(install.desktop.dialogs.shown).text.startsWith("SQLite3NonQuery Error\r\ninsert into t_trade"));
            const BooksFile books(db);
            QCOMPARE(books.integrity(), "ok");
            QCOMPARE(books.rows("select count(*), max(seq) from t_trade"),
                     QStringList{QStringLiteral("%1\t%1").arg(stored)});
            QVERIFY(fullDisk ? stored > 10 && QFileInfo(db).size() <= room : stored == 1);
        }
    }

    void aRunLogThatCannotBeWrittenEndsEveryHandlerInTheFatalErrorReport() {
        for (const bool folder : {false, true}) {
            for (const auto& [what, act] : kHandlers) {
                MenuFixture f;
                const QByteArray books = BooksFile(f.install.path("db/velmo.sqlite3")).checksum();
                f.install.desktop.dialogs.yesNoAnswers = {true};
                if (folder) QFile::remove(ctx().runLogPath), QDir().mkpath(ctx().runLogPath);
                const rlim_t room = folder ? RLIM_INFINITY : QFileInfo(ctx().runLogPath).size();
                bool ended = false;
                try {
                    OnFullDisk(room, [&] { act(*f.menu); });
                } catch (const ProcessEnded&) {
                    ended = true;
                }
                const ShownBox box = Last(f.install.desktop.dialogs.shown);
                QVERIFY2(ended && !ctx().db && box.title == "エラーが発生しました" &&
                             box.text.contains("Err.Desc=ファイルに書き込めません: " +
                                               QDir::toNativeSeparators(ctx().runLogPath)),
                         qPrintable(what + (": " + box.text)));
                QCOMPARE(BooksFile(f.install.path("db/velmo.sqlite3")).checksum(), books);
            }
        }
    }

    // Rows as a database tool leaves them: the screen opens and names them once per showing, the list
    // and the reports show them as 0 with a mark, and they can be voided and corrected.
    void rowsEditedWithADatabaseToolAreShownMarkedAndCanBeMended() {
        MenuFixture f;
        FrmMenu* menu = f.menu.get();
        auto& dialogs = f.install.desktop.dialogs;
        f.install.exec(DataText("reliability/odd_rows.sql"));
        FrmTrade* trade = menu->frmTrade();
        auto* records = Find<QListWidget>(trade, "lstTradeRecord");
        QStringList log;
        const auto boxes = [&](const QString& when) {
            log << when + ": " + QString::number(dialogs.shown.size()) + " boxes";
            for (const ShownBox& box : dialogs.shown) log << Shown(box.text);
            dialogs.shown.clear();
        };
        const auto rowOf = [&](const QString& seq) {
            return records->findItems("2026/12/05(土)" + seq.rightJustified(3), Qt::MatchStartsWith).first();
        };
        std::optional<QString> ended = Ended(f, trade, "cmdDispWindow_1", [&] {
            for (const auto& [step, arg] : DataCaseLines("reliability/odd_rows.steps")) {
                if (step == "boxes") boxes(arg);
                for (int i = 0; step == "list" && i < records->count(); ++i) log << records->item(i)->text();
                if (step == "radio") QTest::mouseClick(Find<QRadioButton>(trade, arg), Qt::LeftButton);
                if (step == "row") ClickListRow(records, records->row(rowOf(arg)));
                if (step == "loaded") {
                    QStringList texts;
                    for (const QString& box : arg.split(u' ')) texts << '[' + Box(trade, qPrintable(box))->text() + ']';
                    log << "loaded " + texts.join(' ');
                }
                if (step == "enter") Enter(Box(trade, qPrintable(arg.section(u' ', 0, 0))), arg.section(u' ', 1));
                if (step == "yes") dialogs.yesNoAnswers = {true}, Click(trade, qPrintable(arg));
            }
        });
        QVERIFY2(!ended, qPrintable("ended in the first showing: " + ended.value_or("")));
        ended = Ended(f, trade, "cmdDispWindow_1", [&] { boxes("opened again"); });
        QVERIFY2(!ended, qPrintable("ended in the second showing: " + ended.value_or("")));
        log << f.install.rows(
            "select seq||' '||ifnull(detail_name,'NULL')||' '||ifnull(money,'NULL')||' '||ifnull(rate,'NULL')||' '||"
            "is_valid from t_trade order by seq");
        log << f.install.rows("select seq||' '||ver_idx||' '||ifnull(money,'NULL') from t_trade_history");

        const ReportValues values{.year = 2026, .month = 12, .rangeIndex = 0, .userName = "u", .dbFileName = "d"};
        const auto put = [&](const QString& what, const QStringList& lines) {  // the lines of the day, the totals
            log << "== " + what;
            for (const QString& line : lines.mid(1))
                if (QRegularExpression("12/05|\t1205\t|合計|\\d$").match(line).hasMatch()) log << Shown(line);
        };
        try {
            const auto lines = [](const LineSource& source) {
                QStringList all;
                source([&all](const QString& line) { all << line; });
                return all;
            };
            put("journal", lines(BuildJournalReport(values)));
            put("records", lines(BuildTradeRecordReport(values)));
            put("insurance", lines(BuildInsuranceReport(values)));
            put("history", BuildHistoryReport(values));
            QStringList ledger{QString()};
            GeneralLedgerReport(values)([&](const QString& line) { ledger << line.split("\r\n"); });
            put("ledger", ledger);
            put("trial balance", TrialBalanceLines(ReadTrialBalance(2026), TrialBalanceLayout::Totals));
            QStringList records{QString()};
            DBSelTM_Trade("2026")->each([&](const QueryRow& row) {
                QString line;
                AppendConvFormatLine(line, records.size(), row.line());
                records << line;
            });
            put("export", records);
        } catch (const ProcessEnded&) {
            QFAIL(qPrintable("a report ended: " + Shown(Last(dialogs.shown).text)));
        }
        QCOMPARE(GoldenDiff("reliability/odd_rows.txt", Sjis(log.join("\r\n"))), std::string());
    }

    void everyEntryFieldAnswersBadInput() {
        MenuFixture f;
        FrmMenu* menu = f.menu.get();
        auto& dialogs = f.install.desktop.dialogs;
        QStringList log;
        const auto cases = [](const QString& group) { return DataCases("reliability/bad_input.cases", group); };
        const auto checksum = [&] { return BooksFile(f.install.path("db/velmo.sqlite3")).checksum(); };
        QString trying;  // the input being given, named should it end the program
        const auto inScreen = [&](QDialog* screen, const char* opener, const std::function<void()>& inside) {
            const std::optional<QString> ended = Ended(f, screen, opener, inside);
            QVERIFY2(!ended, qPrintable("ended by " + trying + ": " + ended.value_or("")));
        };
        // Each input of the group into the field after `prepare`, then `submit`ted: its answer logged, nothing changed.
        const auto refuse = [&](
                                QWidget* screen, const char* box, const QString& group,
                                const std::function<void()>& submit, const std::function<void()>& prepare = [] {}) {
            for (const QString& input : cases(group)) {
                const QByteArray books = checksum(), ini = f.install.readBytes(kIni);
                prepare();
                dialogs.shown.clear();
                Enter(Box(screen, box), input);
                trying = QStringLiteral("%1 [%2]").arg(box, Shown(input));
                submit();
                log << QStringLiteral("%1 [%2] %3").arg(box, Shown(input), Shown(Last(dialogs.shown).text));
                QVERIFY2(checksum() == books && f.install.readBytes(kIni) == ini &&
                             QApplication::focusWidget() == Box(screen, box),
                         qPrintable(log.last()));
            }
        };
        refuse(menu, "txtName", "txtName", [&] { Click(menu, "cmdSave"); });
        Enter(Box(menu, "txtName"), "O'Brien\"; drop table t_trade; --");  // quotes and SQL are a name like any other
        Click(menu, "cmdSave");
        QCOMPARE(f.install.readBytes(kIni),
                 Sjis("[user]\r\nname=O'Brien\"; drop table t_trade; --\r\n[db]\r\nfilename=velmo.sqlite3\r\n"));
        refuse(menu, "txtYear", "txtYear", [&] {
            WhileModal(menu->frmTrade(), Find<QPushButton>(menu, "cmdDispWindow_1"), [] { QFAIL("opened"); });
        });
        Box(menu, "txtYear")->setText("2026");

        FrmBegining* begining = menu->frmBegining();
        inScreen(begining, "cmdDispWindow_0", [&] {
            Click(begining, "cmdInitiralize");
            ClickListItem(Find<QListWidget>(begining, "lstAsset"), "110");
            Enter(Box(begining, "txtMoney"), "1");
            Click(begining, "cmdUpdate");
            ClickListItem(Find<QListWidget>(begining, "lstAsset"), "100");
            refuse(begining, "txtMoney", "opening", [&] { Click(begining, "cmdUpdate"); });
        });

        f.install.exec("insert into t_trade values (2026, 12, 5, 1, '50', '01', '電気代', 4000, 30, 1, '')");
        FrmTrade* trade = menu->frmTrade();
        inScreen(trade, "cmdDispWindow_1", [&] {
            const auto fill = [&](bool update, const char* money, const char* percent) {
                Click(trade, "cmdUnselect");
                if (update) ClickListItem(Find<QListWidget>(trade, "lstTradeRecord"), "2026/12/05");
                ClickListItem(Find<QListWidget>(trade, "lstTrade"), "50 ");
                ClickListItem(Find<QListWidget>(trade, "lstTradeDetail"), "01 ");
                Enter(Box(trade, "txtTradeDetail"), "電気代");
                Enter(Box(trade, "txtMoney"), money);
                Enter(Box(trade, "txtPercent"), percent);
                dialogs.yesNoAnswers = {true};
            };
            for (const char* button : {"cmdInsert", "cmdUpdate"})
                for (const char* box : {"txtTradeDetail", "txtMoney", "txtPercent"})
                    refuse(
                        trade, box, box, [&] { Click(trade, button); },
                        [&] { fill(QByteArray(button) == "cmdUpdate", "4000", "30"); });
            for (const QString& summary : cases("summary")) {
                fill(false, "2147483647", "100");
                Enter(Box(trade, "txtTradeDetail"), summary);
                Click(trade, "cmdInsert");
            }
            for (const auto& [encoding, file] : DataCaseLines("reliability/phrases.cases")) {
                const QString what = file.section(u'|', 0, 0);
                const QString text = file.section(u'|', 1, 1).repeated(std::max(1, file.section(u'|', 2).toInt()));
                f.install.writeBytes("bin/List-.txt", encoding == "sjis"     ? Sjis(text)
                                                      : encoding == "latin1" ? text.toLatin1()
                                                                             : text.toUtf8());
                dialogs.shown.clear();
                dialogs.yesNoAnswers = {false};
                const qint64 start = QDateTime::currentMSecsSinceEpoch();
                ClickListItem(Find<QListWidget>(trade, "lstTrade"), "14 ");
                const auto* list = Find<QListWidget>(trade, "lstAbst");
                const QString code = Last(dialogs.shown).text.section("文字コード＝", 1).section("\r\n", 0, 0);
                log << QStringLiteral("phrases %1: %2, %3 boxes %4")
                           .arg(what, list->isVisible() ? QString::number(list->count()) + " listed" : "no list")
                           .arg(dialogs.shown.size())
                           .arg(code)
                           .trimmed();
                QVERIFY(QDateTime::currentMSecsSinceEpoch() - start < 5000);
                QFile::remove(f.install.path("bin/List-.txt"));  // unselecting reloads it
                Click(trade, "cmdUnselect");
            }
        });
        log << f.install.rows("select seq||' '||detail_name||' '||money||' '||rate from t_trade order by seq")
            << f.install.rows("select account_cd||' '||money from t_bs_begining where money != 0 order by 1");
        for (const QString& name : cases("report"))
            log << QStringLiteral("report [%1] %2")
                       .arg(name.size() > 100 ? QStringLiteral("%1 characters").arg(name.size()) : Shown(name),
                            Shown(WriteReport({"line"}, name).value_or("written")));
        QCOMPARE(QDir(f.install.path("txt")).entryList(QDir::Files),
                 (QStringList{"CONSOLE.txt", "nul_.txt", "仕訳帳 .txt", "仕訳帳.2020.txt"}));
        QCOMPARE(GoldenDiff("reliability/bad_input.txt", Sjis(log.join("\r\n"))), std::string());
    }
};

QTEST_MAIN(FaultScreenTest)
#include "fault_screen_test.moc"
