// The screens when the run log can no longer be written (the disk is full, or
// something else took its place) and when the settings file meets a full
// disk: every handler ends in the fatal-error report, which says which file
// failed, closes the books and ends the program; nothing is half-stored.
#include "app/context.h"
#include "books_file.h"
#include "file_size_limit.h"
#include "screen_fixture.h"
#include "ui/opening_balance/frm_begining.h"
#include "ui/trade/frm_trade.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>
#include <optional>

namespace {

struct Breakage {
    const char* what;
    // Breaks the log and returns the limit on file sizes that goes with it, if any.
    std::function<std::optional<rlim_t>(const TempInstall&)> apply;
};

const Breakage kBreakages[] = {
    {"a folder in place of the log",
     [](const TempInstall&) -> std::optional<rlim_t> {
         QFile::remove(ctx().runLogPath);
         QDir().mkpath(ctx().runLogPath);
         return std::nullopt;
     }},
    {"a full disk",
     [](const TempInstall&) -> std::optional<rlim_t> {
         return static_cast<rlim_t>(QFileInfo(ctx().runLogPath).size());
     }},
};

struct Handler {
    const char* what;
    std::function<void(FrmMenu&)> act;
};

// Each runs one event procedure the way a user would reach it; the handler
// itself is called, so that the ended process does not unwind through Qt.
const Handler kHandlers[] = {
    {"menu +1", [](FrmMenu& menu) { menu.cmdInc_Click(1); }},
    {"menu save", [](FrmMenu& menu) { menu.cmdSave_Click(); }},
    {"menu opens a screen", [](FrmMenu& menu) { menu.cmdDispWindow_Click(0); }},
    {"menu quit", [](FrmMenu& menu) { menu.cmdEnd_Click(); }},
    {"opening balance re-created", [](FrmMenu& menu) { menu.frmBegining()->cmdInitiralize_Click(); }},
    {"transaction recorded", [](FrmMenu& menu) { menu.frmTrade()->cmdInsert_Click(); }},
    {"transaction screen back to the menu", [](FrmMenu& menu) { menu.frmTrade()->cmdToMenu_Click(); }},
    {"transaction entry cleared", [](FrmMenu& menu) { menu.frmTrade()->cmdClear_Click(0); }},
};

}  // namespace

class RunLogFaultScreenTest : public QObject {
    Q_OBJECT

private slots:
    void everyHandlerEndsInTheFatalErrorReport() {
        for (const Breakage& breakage : kBreakages) {
            for (const Handler& handler : kHandlers) {
                MenuFixture f;
                const QString books = f.install.path(QStringLiteral("db/velmo.sqlite3"));
                const QByteArray before = BooksFile(books).checksum();
                f.install.desktop.dialogs.shown.clear();
                f.install.desktop.dialogs.yesNoAnswers = {true};
                const std::optional<rlim_t> limit = breakage.apply(f.install);
                bool ended = false;
                {
                    std::unique_ptr<FileSizeLimit> full;
                    if (limit) full = std::make_unique<FileSizeLimit>(*limit);
                    try {
                        handler.act(*f.menu);
                    } catch (const ProcessEnded&) {
                        ended = true;
                    }
                }
                const QString what =
                    QStringLiteral("%1, %2").arg(QString::fromLatin1(breakage.what), QString::fromLatin1(handler.what));
                QVERIFY2(ended, qPrintable(what));
                QVERIFY2(ctx().db == nullptr, qPrintable(what));
                const auto& shown = f.install.desktop.dialogs.shown;
                QVERIFY2(!shown.empty(), qPrintable(what));
                QCOMPARE(shown.back().title, QStringLiteral("エラーが発生しました"));
                QVERIFY2(shown.back().text.contains(QStringLiteral("Err.Desc=ファイルに書き込めません: ") +
                                                    QDir::toNativeSeparators(ctx().runLogPath)),
                         qPrintable(what + QStringLiteral(": ") + shown.back().text));
                QCOMPARE(BooksFile(books).checksum(), before);
            }
        }
    }

    void aNameSavedOnAFullDiskIsSaidNotSavedAndTheFileStaysWhole() {
        MenuFixture f;
        const QString ini = QStringLiteral("bin/VelmoAccount.ini");
        // Other programs' lines make the file larger than the room left.
        f.install.writeBytes(ini,
                             f.install.readBytes(ini) + "[notes]\r\n" + QByteArray("note=kept\r\n").repeated(3000));
        const QByteArray before = f.install.readBytes(ini);
        const QStringList bin = QDir(f.install.path(QStringLiteral("bin"))).entryList(QDir::Files, QDir::Name);
        Find<QLineEdit>(f.menu.get(), QStringLiteral("txtName"))->setText(QStringLiteral("ベルモ 花子"));
        {
            const FileSizeLimit full(QFileInfo(ctx().runLogPath).size() + 4096);
            f.menu->cmdSave_Click();
        }
        QCOMPARE(f.install.desktop.dialogs.shown.back().text,
                 QStringLiteral("氏名を保存できませんでした。\r\n\r\n設定ファイルに書き込めません: ") +
                     QDir::toNativeSeparators(f.install.path(ini)));
        QCOMPARE(f.install.readBytes(ini), before);
        QCOMPARE(QDir(f.install.path(QStringLiteral("bin"))).entryList(QDir::Files, QDir::Name), bin);
        QVERIFY(f.install.desktop.services.played.isEmpty());
    }
};

QTEST_MAIN(RunLogFaultScreenTest)
#include "run_log_fault_screen_test.moc"
