// Report file names as the user types them, and reports that cannot be
// written: the user is told which file, nothing is written elsewhere, and
// nothing half-written or temporary is left behind.
#include "reports/report_file.h"
#include "app/safe_write.h"
#include "temp_install.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QStringList kReport{QStringLiteral("見出し"), QStringLiteral("本文 ")};

QStringList Entries(const TempInstall& install, const QString& folder) {
    return QDir(install.path(folder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

TEST(ReportFile, AnyPlainNameIsWrittenUnderTxtExactlyAsTyped) {
    const QString longest(kMaxFileNameBytes / 3, QChar(0x4ED5));  // 仕: three bytes each in UTF-8
    for (const QString& name :
         {QStringLiteral("2020_all仕訳.txt"), QStringLiteral("仕訳帳"), QStringLiteral(" 空白 と.複数.の点 "),
          QStringLiteral(".隠し"), QStringLiteral("ＡＢＣ＼／：.txt"), QStringLiteral("XXXXXX"), longest}) {
        TempInstall install;
        EXPECT_EQ(ReportFileNameProblem(name), std::nullopt) << name.toStdString();
        EXPECT_EQ(WriteReport(kReport, name), std::nullopt) << name.toStdString();
        EXPECT_EQ(Entries(install, QStringLiteral("txt")), QStringList{name});
        EXPECT_EQ(install.readBytes(QStringLiteral("txt/") + name), Sjis("見出し\r\n本文 \r\n"));
    }
}

TEST(ReportFile, NamesThatLeaveTxtOrThatTheFileSystemRefusesAreExplained) {
    const QString separator = QStringLiteral("フォルダの区切り(\\ や /)を含まない，ファイル名だけを指定してください。");
    const QString characters = QStringLiteral("ファイル名には次の文字と制御文字は使えません。\r\n: * ? \" < > |");
    const QString dots = QStringLiteral("「.」と「..」はフォルダを表す名前です。");
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("../仕訳.txt"), separator},
        {QStringLiteral("..\\仕訳.txt"), separator},
        {QStringLiteral("sub/仕訳.txt"), separator},
        {QStringLiteral("/tmp/仕訳.txt"), separator},
        {QStringLiteral("."), dots},
        {QStringLiteral(".."), dots},
        {QStringLiteral("仕訳:2020"), characters},
        {QStringLiteral("*.txt"), characters},
        {QStringLiteral("仕訳?"), characters},
        {QStringLiteral("\"仕訳\""), characters},
        {QStringLiteral("<仕訳>"), characters},
        {QStringLiteral("a|b"), characters},
        {QStringLiteral("a\tb"), characters},
        {QStringLiteral("a\r\nb"), characters},
        {QString(kMaxFileNameBytes + 1, QLatin1Char('a')), QStringLiteral("ファイル名が長すぎます。")},
    };
    for (const auto& [name, reason] : cases) {
        TempInstall install;
        const QString message =
            QStringLiteral("出力ファイル名「") + name + QStringLiteral("」は使えません。\r\n") + reason;
        EXPECT_EQ(ReportFileNameProblem(name), message);
        EXPECT_EQ(WriteReport(kReport, name), message);
        EXPECT_TRUE(Entries(install, QStringLiteral("txt")).isEmpty()) << name.toStdString();
        EXPECT_EQ(Entries(install, QString()),
                  QStringList({"bin", "data_for_rupa_kaikei", "db", "db_backup", "htm", "log", "txt", "wav"}));
    }
    EXPECT_EQ(ReportFileNameProblem(QString()), QStringLiteral("出力ファイル名を指定してください。"));
}

TEST(ReportFile, AReportThatCannotBeWrittenIsExplainedAndLeavesNoTrace) {
    TempInstall install;
    // A folder of the report's name cannot be replaced by the report.
    install.makeFolder(QStringLiteral("txt/仕訳.txt"));
    install.writeBytes(QStringLiteral("txt/取引.txt"), "old report");
    const QString hint = QStringLiteral(
        "\r\n\r\nフォルダがあるか，ほかのプログラムで開いていないか，ディスクに空きがあるかを"
        "確かめてください。");
    const QString blocked = QDir::toNativeSeparators(install.path(QStringLiteral("txt/仕訳.txt")));
    EXPECT_EQ(WriteReport(kReport, QStringLiteral("仕訳.txt")),
              QStringLiteral("次のファイルを書き込めませんでした。\r\n\r\n") + blocked + hint);
    EXPECT_TRUE(
        install.runLog().contains(QStringLiteral("  ファイルを書き込めません ") + blocked + QStringLiteral(" (")));
    EXPECT_EQ(Entries(install, QStringLiteral("txt")), QStringList({"仕訳.txt", "取引.txt"}));
    EXPECT_EQ(install.readBytes(QStringLiteral("txt/取引.txt")), "old report");

    EXPECT_EQ(WriteReport(kReport, QStringLiteral("取引.txt")), std::nullopt);
    EXPECT_EQ(install.readBytes(QStringLiteral("txt/取引.txt")), Sjis("見出し\r\n本文 \r\n"));

    QDir(install.path(QStringLiteral("txt"))).removeRecursively();
    const QString missing = QDir::toNativeSeparators(install.path(QStringLiteral("txt/保険.txt")));
    EXPECT_EQ(WriteReport(kReport, QStringLiteral("保険.txt")),
              QStringLiteral("次のファイルを書き込めませんでした。\r\n\r\n") + missing + hint);
    EXPECT_TRUE(install.desktop.dialogs.shown.empty());
}

}  // namespace
