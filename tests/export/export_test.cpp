// The files for the receiving program from the shared fixture year: the four
// of 2020 byte for byte against tests/data/export, within a sequence of
// exports, refusals and failures logged with what each step left on disk.
#include "app/context.h"
#include "app/runtime_error.h"
#include "export/journal_export.h"
#include "export/opening_balance_export.h"
#include "fixture_books.h"
#include "golden_log.h"
#include "platform/cp932.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QString k2020 = "data_for_rupa_kaikei/2020(令和2)/";

// Into the run log: the step's message and every file of every year folder with its size and first line.
void LogStep(const TempInstall& install, const std::optional<QString>& message) {
    LogResult({message.value_or("(written)"), ctx().exportFolder});
    const QDir exports(install.path("data_for_rupa_kaikei"));
    for (const QString& year : exports.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        for (const QFileInfo& file :
             QDir(exports.filePath(year)).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
            const QByteArray bytes = install.readBytes("data_for_rupa_kaikei/" + year + "/" + file.fileName());
            const QString first = platform::fromCp932(bytes.left(bytes.indexOf("\r\n")));
            LogResult({year + "/" + file.fileName() +
                       (file.isDir() ? " (folder)" : QString(" %1 ").arg(bytes.size()) + first)});
        }
}

TEST(Export, FilesAndFailuresAsLogged) {
    TempInstall install;
    OpenFixtureBooks(install);
    // A year without transactions, before the era: no records, next number 1.
    LogStep(install, WriteJournalExport("2018", ""));
    // Creating the year's folder, then using it again.
    LogStep(install, WriteOpeningBalanceExport("2020", "令和2", "山田　太郎"));
    for (const QString file : {"data03aa.txt", "data03ba.txt"})
        EXPECT_EQ(GoldenDiff("export/" + file, install.readBytes(k2020 + file)), "");
    LogStep(install, WriteOpeningBalanceExport("2020", "令和2", "鈴木"));
    // Unequal sides write neither file.
    install.exec("delete from t_bs_begining where year = 2020 and account_cd = '600'");
    LogStep(install, WriteOpeningBalanceExport("2020", "令和2", "佐藤"));
    install.exec("insert into t_bs_begining values (2020, '600', '', 'd', 0, '')");
    // A file of the pair that cannot be written keeps the other one old too.
    QFile::remove(install.path(k2020 + "data03ba.txt"));
    install.makeFolder(k2020 + "data03ba.txt");
    LogStep(install, WriteOpeningBalanceExport("2020", "令和2", "佐藤"));
    LogStep(install, WriteJournalExport("2020", "令和2"));
    for (const QString file : {"data03ca.txt", "data03no.txt"})
        EXPECT_EQ(GoldenDiff("export/" + file, install.readBytes(k2020 + file)), "");
    QDir(install.path(k2020 + "data03ba.txt")).removeRecursively();
    install.exec("update t_trade set is_valid = 0 where year = 2020 and month > 1");
    QFile::remove(install.path(k2020 + "data03no.txt"));
    install.makeFolder(k2020 + "data03no.txt");
    LogStep(install, WriteJournalExport("2020", "令和2"));
    // Without data_for_rupa_kaikei no year folder can be made.
    QDir(install.path("data_for_rupa_kaikei")).removeRecursively();
    LogStep(install, WriteJournalExport("2021", "令和3"));
    EXPECT_TRUE(install.desktop.dialogs.shown.empty());
    EXPECT_EQ(GoldenDiff("export/exports.log", RunLogWithInstallFolder(install)), "");
    // A TAB inside a summary ends it there; a row of fewer than eight values is refused.
    QString line = "前:";
    AppendConvFormatLine(line, 12, u"12\t5\t100\t現金\t700\t売上\t-3\ta\tb");
    EXPECT_EQ(line, "前:12\t1205\t100\t現金\t700\t売上\t-3\ta");
    EXPECT_THROW(AppendConvFormatLine(line, 1, u"4\t1\t100\t現金\t700\t売上\t3"), RunTimeError);
}

}  // namespace
