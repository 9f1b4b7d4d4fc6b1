// The four files for the receiving program, from the shared fixture year,
// compared byte for byte with tests/data/export; the run log of a sequence
// of exports, refusals and failures with tests/data/export/exports.log.
#include "app/context.h"
#include "app/runtime_error.h"
#include "export/export_folder.h"
#include "export/journal_export.h"
#include "export/opening_balance_export.h"
#include "fixture_books.h"
#include "golden_log.h"
#include "platform/cp932.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QString kFolder2020 = QStringLiteral("data_for_rupa_kaikei/2020(令和2)/");

TEST(Export, FilesOfTheFixtureYearMatchTheirGoldenFiles) {
    TempInstall install;
    OpenFixtureBooks(install);
    EXPECT_EQ(WriteOpeningBalanceExport(QStringLiteral("2020"), QStringLiteral("令和2"), QStringLiteral("山田　太郎")),
              std::nullopt);
    EXPECT_EQ(WriteJournalExport(QStringLiteral("2020"), QStringLiteral("令和2")), std::nullopt);
    for (const char* file : {"data03aa.txt", "data03ba.txt", "data03ca.txt", "data03no.txt"})
        EXPECT_EQ(GoldenDiff(QStringLiteral("export/") + file, install.readBytes(kFolder2020 + file)), "") << file;
    EXPECT_EQ(ctx().exportFolder, install.path(kFolder2020.chopped(1)));
}

// What each step left on disk, into the run log beside the steps' own
// lines: every file of every year folder with its size and first line.
void LogStep(const TempInstall& install, const std::optional<QString>& message) {
    LogResult({message.value_or(QStringLiteral("(written)")), ctx().exportFolder});
    const QDir exports(install.path(QStringLiteral("data_for_rupa_kaikei")));
    for (const QString& folder : exports.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QDir year(exports.filePath(folder));
        for (const QFileInfo& file :
             year.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
            const QString name = folder + QLatin1Char('/') + file.fileName();
            const QByteArray bytes = install.readBytes(QStringLiteral("data_for_rupa_kaikei/") + name);
            LogResult(
                {name + (file.isDir() ? QStringLiteral(" (folder)")
                                      : QStringLiteral(" ") + QString::number(bytes.size()) + QStringLiteral(" ") +
                                            platform::fromCp932(bytes.left(bytes.indexOf("\r\n"))))});
        }
    }
}

// A folder in place of the file: no file can be written under that name.
void Block(const TempInstall& install, const QString& file) {
    QFile::remove(install.path(file));
    install.makeFolder(file);
}

TEST(Export, ScenarioAsLogged) {
    TempInstall install;
    OpenFixtureBooks(install);
    const QString y2020 = QStringLiteral("2020"), era2020 = QStringLiteral("令和2"), user = QStringLiteral("山田");
    // A year without transactions, before the era: no records, next number 1.
    LogStep(install, WriteJournalExport(QStringLiteral("2018"), QString()));
    // Creating the year's folder, then using it again.
    LogStep(install, WriteOpeningBalanceExport(y2020, era2020, user));
    LogStep(install, WriteOpeningBalanceExport(y2020, era2020, QStringLiteral("鈴木")));
    // Unequal sides write neither file.
    install.exec(QStringLiteral("delete from t_bs_begining where year = 2020 and account_cd = '600'"));
    LogStep(install, WriteOpeningBalanceExport(y2020, era2020, QStringLiteral("佐藤")));
    install.exec(QStringLiteral("insert into t_bs_begining values (2020, '600', '', 'd', 0, '')"));
    // A file of the pair that cannot be written keeps the other one old too.
    Block(install, kFolder2020 + QStringLiteral("data03ba.txt"));
    LogStep(install, WriteOpeningBalanceExport(y2020, era2020, QStringLiteral("佐藤")));
    LogStep(install, WriteJournalExport(y2020, era2020));
    QDir(install.path(kFolder2020 + QStringLiteral("data03ba.txt"))).removeRecursively();
    install.exec(QStringLiteral("update t_trade set is_valid = 0 where year = 2020 and month > 1"));
    Block(install, kFolder2020 + QStringLiteral("data03no.txt"));
    LogStep(install, WriteJournalExport(y2020, era2020));
    // Without data_for_rupa_kaikei no year folder can be made.
    QDir(install.path(QStringLiteral("data_for_rupa_kaikei"))).removeRecursively();
    LogStep(install, WriteJournalExport(QStringLiteral("2021"), QStringLiteral("令和3")));
    EXPECT_TRUE(install.desktop.dialogs.shown.empty());
    EXPECT_EQ(GoldenDiff(QStringLiteral("export/exports.log"), RunLogWithInstallFolder(install)), "");
}

TEST(Export, RowsAreJoinedAndConvertedByPosition) {
    TempInstall install;
    const ResultTable assets{QStringLiteral("account_cd\taccount_name\tmoney"), QStringLiteral("100\t現　金\t5"),
                             QStringLiteral("340\t合　　計\t")};
    const ResultTable debits{QStringLiteral("account_cd\taccount_name\tmoney"), QStringLiteral("400\t\t0"),
                             QStringLiteral("640\t合　計\t5"), QStringLiteral("650\t余り\t9")};
    EXPECT_EQ(GetFileText(assets, debits),
              QStringList({"", "100\t現　金\t5\t400\t\t0", "340\t合　　計\t\t640\t合　計\t5"}));
    EXPECT_THROW(GetFileText(debits, assets), RunTimeError);

    const QString header = QStringLiteral("month\tday\tdebit_cd\tdebit_name\tcredit_cd\tcredit_name\tt\tdetail_name");
    EXPECT_EQ(GetConvFormat({header, QStringLiteral("4\t1\t100\t現金\t700\t売上\t2.5\t店頭"),
                             QStringLiteral("12\t15\t100\t現金\t700\t売上\t-3\ta\tb")}),
              QStringList({"", "1\t0401\t100\t現金\t700\t売上\t2.5\t店頭", "2\t1215\t100\t現金\t700\t売上\t-3\ta"}));
    EXPECT_THROW(GetConvFormat({header, QStringLiteral("4\t1\t100\t現金\t700\t売上\t3")}), RunTimeError);
}

}  // namespace
