#include "app/paths.h"
#include "app/run_log.h"
#include "app/runtime_error.h"
#include "app/settings.h"
#include "app/sjis_text.h"
#include "app/sound_cue.h"
#include "app/text_file.h"
#include "app/text_utils.h"
#include "golden_log.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <random>

#include <QDir>

namespace {

const QString kIni = "bin/VelmoAccount.ini";

TEST(Paths, FolderOfAndFileNameOf) {
    QStringList results;
    for (const char* path :
         {"C:\\a\\b.txt", "C:\\a\\b\\", "C:\\", "b.txt", "", "/opt/acc/bin/", "C:\\a/b.txt", "/o/a\\b"})
        results << FolderOf(path) + "|" + FileNameOf(path);
    EXPECT_EQ(results,
              (QStringList{"C:\\a|b.txt", "C:\\a|b\\", "|", "|", "|", "/opt/acc|bin/", "C:\\a|b.txt", "/o/a|b"}));
}

TEST(Paths, BaseFoldersAndExistence) {
    TempInstall install;
    QStringList expected;
    for (const char* relative : {"bin/VelmoAccount.ini", "bin/VelmoAccount_log.txt", "wav/start.wav", "wav/notify.wav"})
        expected << QDir::toNativeSeparators(install.path(relative));
    EXPECT_EQ((QStringList{SettingsPath(), StartupLogPath(), StartCuePath(), NotifyCuePath()}), expected);
    PlaySoundCue(NotifyCuePath());
    EXPECT_EQ(install.desktop.services.played, QStringList{expected[3]});

    install.writeBytes("bin/plain.txt", "x");
    install.writeBytes("bin/.hidden.txt", "x");
    const std::tuple<QString, bool, bool> cases[] = {
        {"db", true, false}, {"bin/plain.txt", false, true}, {"bin/.hidden.txt", false, false}, {"none", false, false}};
    for (const auto& [relative, folder, file] : cases) {
        EXPECT_EQ(FolderExists(install.path(relative)), folder) << relative.toStdString();
        EXPECT_EQ(FileExists(install.path(relative)), file) << relative.toStdString();
    }
    EXPECT_FALSE(FolderExists("") || FileExists(""));
}

TEST(CheckFolders, NamesOnlyTheFirstMissingFolder) {
    const std::tuple<QStringList, QStringList, QString> cases[] = {
        // removed, replaced by a file, named
        {{}, {}, ""},
        {{"db"}, {}, "db"},
        {{"log", "data_for_rupa_kaikei"}, {}, "log"},
        {{"data_for_rupa_kaikei"}, {}, "data_for_rupa_kaikei"},
        {{"log"}, {"db_backup"}, "db_backup"}};
    for (const auto& [removed, replaced, named] : cases) {
        TempInstall install;
        for (const QString& name : removed + replaced) ASSERT_TRUE(QDir(install.path(name)).removeRecursively());
        for (const QString& name : replaced) install.writeBytes(name, "not a folder");
        QString message = "untouched";
        EXPECT_EQ(CheckFolders(kRequiredFolders, message), named.isEmpty());
        const QString expected = "次のフォルダが存在しません。\r\n次のフォルダを作成してください。\r\n\r\n\u3000" +
                                 QDir::toNativeSeparators(install.path(named));
        EXPECT_EQ(message, named.isEmpty() ? "untouched" : expected) << message.toStdString();
        EXPECT_EQ(install.readBytes("bin/VelmoAccount_log.txt"),
                  named.isEmpty() ? "" : Sjis("09:30:05   " + expected + "\r\n"));
    }
}

TEST(Settings, WriteCreatesTheFileAndReadsBackAtMost99Bytes) {
    const std::pair<QString, QString> cases[] = {{"山田～ｱ\\", "山田～ｱ\\"},
                                                 {QString(60, u'あ'), QString(49, u'あ')},
                                                 {"a" + QString(60, u'あ'), "a" + QString(49, u'あ')},
                                                 {QString(120, u'ｱ'), QString(99, u'ｱ')},
                                                 {QString(98, u'x') + "漢字", QString(98, u'x')}};
    for (const auto& [value, readBack] : cases) {
        TempInstall install;
        EXPECT_EQ(ReadSetting("user", "name", "(default)"), "(default)");
        WriteSetting("user", "name", value);
        EXPECT_EQ(install.readBytes(kIni), Sjis("[user]\r\nname=" + value + "\r\n"));
        EXPECT_EQ(ReadSetting("user", "name", ""), readBack);
    }
}

TEST(Settings, ReadsItsOwnKeyAndRewritesOnlyThatLine) {
    TempInstall install;
    const std::pair<QString, QString> cases[] = {{"[db]\r\nname=wrong\r\n", "(default)"},
                                                 {"[user]\r\n;name=commented\r\n", "(default)"},
                                                 {"[user]\r\nname=\r\n", ""},
                                                 {"[USER]\r\nNAME=佐藤\r\n", "佐藤"},
                                                 {"; c\r\n\r\n[user]\nx=1\nname=LF only\n[db]\nname=no\n", "LF only"}};
    for (const auto& [file, expected] : cases) {
        install.writeBytes(kIni, Sjis(file));
        EXPECT_EQ(ReadSetting("user", "name", "(default)"), expected) << file.toStdString();
    }

    const QString original = DataText("app/settings.ini");
    ASSERT_FALSE(original.isEmpty());
    const std::tuple<QString, QString, QString, QString, QString> writes[] = {
        // an empty `from` appends `to`
        {"user", "name", "新しい名前", "name=古い名前", "name=新しい名前"},
        {"other", "name", "x", "name=別のセクション", "name=x"},
        {"db", "filename", "", "filename=velmo.sqlite3", "filename="},
        {"user", "mail", "a@b", "name=古い名前\r\n", "name=古い名前\r\nmail=a@b\r\n"},
        {"new", "key", "値", "", "[new]\r\nkey=値\r\n"}};
    for (const auto& [section, key, value, from, to] : writes) {
        install.writeBytes(kIni, Sjis(original));
        WriteSetting(section, key, value);
        const QString expected = from.isEmpty() ? original + to : QString(original).replace(from, to);
        EXPECT_EQ(install.readBytes(kIni), Sjis(expected)) << key.toStdString();
        EXPECT_EQ(ReadSetting(section, key, "(default)"), value);
    }
}

TEST(SjisText, ByteLengthPadAndAlign) {
    const std::pair<QString, int> lengths[] = {{"会計2020", 8}, {"", 0},  {"ｱｲｳ", 3},
                                               {"～\\", 3},     {"😀", 1}, {"ＡＢ", 4}};
    for (const auto& [text, bytes] : lengths) EXPECT_EQ(ByteLength(text), bytes) << text.toStdString();
    const std::tuple<QString, int, bool, QString> cases[] = {
        {"あいう", 5, false, "あい "}, {"あいう", 5, true, " あい"},  {"ab", 5, true, "   ab"},
        {"ab", 5, false, "ab   "},     {"会計2020", 3, false, "会 "}, {"会計2020", 1, true, " "},
        {"ｱｲｳｴ", 2, false, "ｱｲ"},      {"a😀b", 2, false, "a😀"},       {"abc", 0, false, ""}};
    for (const auto& [text, width, right, expected] : cases) {
        const QString result = PadByteWidth(text, width, right);
        EXPECT_EQ(result.toStdString(), expected.toStdString()) << width;
        EXPECT_EQ(ByteLength(result), width) << result.toStdString();
    }
    // The count is what the writer writes, whatever the mix: katakana, kanji,
    // fallback characters, pairs and lone halves of surrogate pairs.
    const char16_t pool[] = {
        u'a', u'\\', u'ｱ', u'会', u'～', u'¥', u'①', u'\t', u'\u00e9', char16_t{0xd83d}, char16_t{0xde00}, u'\u3000'};
    std::mt19937 random(7);
    for (int n = 0; n < 2000; ++n) {
        QString text;
        for (int i = 0, size = static_cast<int>(random() % 12); i < size; ++i)
            text += QChar(pool[random() % std::size(pool)]);
        EXPECT_EQ(ByteLength(text), Sjis(text).size()) << text.toStdString();
    }
    const std::pair<qint64, int> numbers[] = {{1234, 6}, {-50, 4}, {1234567, 5}, {1500, 8}, {0, 2}};
    QString aligned;
    for (const auto& [n, width] : numbers) aligned += "[" + RightAlign(n, width) + "|" + RightAlignYen(n, width) + "]";
    EXPECT_EQ(aligned.toStdString(), "[  1234| \\1234][ -50|\\-50][34567|34567][    1500|   \\1500][ 0|\\0]");
    // The yen mark is the backslash byte, which Japanese fonts draw as the yen sign.
    EXPECT_EQ(Sjis(RightAlignYen(1500, 8)), QByteArray("   \\1500"));
}

TEST(TextUtils, DigitsBlanksListsAndEra) {
    for (const char* text : {"0", "2020", "0123456789"}) EXPECT_TRUE(IsDigitsOnly(text)) << text;
    for (const char* text : {"", "２０２０", "-1", "1.5", " 1", "1 ", "12a", "/", ":"})
        EXPECT_FALSE(IsDigitsOnly(text)) << text;

    const std::pair<QString, QString> collapsed[] = {
        {"x  y   z  ", "x y z"}, {"   x", " x"},        {"   ", ""},
        {"x　　y", "x　　y"},    {"a\t\tb ", "a\t\tb"}, {"  a  b", " a b"}};
    for (const auto& [text, expected] : collapsed) EXPECT_EQ(CollapseSpaces(text), expected) << text.toStdString();

    QStringList destination{"", "x"};
    AppendStringArray({"head", "a", "b"}, destination);
    EXPECT_EQ(destination, (QStringList{"", "x", "a", "b"}));

    const QStringList items{"101 現金", "102 普通預金", "1020 定期", "abc", "ABC"};
    const std::pair<QString, int> selected[] = {{"102", 1}, {"1020", 2}, {"", 0}, {"9", -1}, {"AB", 4}, {"ab", 3}};
    for (const auto& [prefix, index] : selected)
        EXPECT_EQ(SelectListItemByPrefix(items, prefix), index) << prefix.toStdString();
    EXPECT_EQ(SelectListItemByPrefix({}, ""), -1);

    const std::pair<QString, std::optional<QString>> eras[] = {
        {"2018", ""},       {"2019", "令和1"},          {"2026", "令和8"},       {"0", ""},
        {"", std::nullopt}, {"２０２０", std::nullopt}, {"2020 ", std::nullopt}, {"-2020", std::nullopt}};
    for (const auto& [year, era] : eras) EXPECT_EQ(EraTextOf(year), era) << year.toStdString();
}

TEST(TextFiles, WriteFromTheFirstIndexAndReadAtEveryLineEnd) {
    TempInstall install;
    const QString file = install.path("txt/out.txt");
    const QStringList lines{"見出し", " 前後の空白 ", "～－∥ｱ\\", "😀", ""};
    const std::pair<qsizetype, QString> cases[] = {
        {0, "見出し\r\n 前後の空白 \r\n～－∥ｱ\\\r\n?\r\n\r\n"}, {3, "?\r\n\r\n"}, {5, ""}};
    for (const auto& [first, expected] : cases) {
        install.writeBytes("txt/out.txt", QByteArray(500, 'z'));
        WriteFileAryToTextFile(lines, first, file);
        EXPECT_EQ(install.readBytes("txt/out.txt"), Sjis(expected)) << first;
        EXPECT_EQ(ReadTextFileLines(file), QStringList(lines.mid(first)).replaceInStrings("😀", "?"));
    }
    const std::pair<QByteArray, QStringList> ends[] = {
        {"a\rb\r", {"a", "b"}}, {"a\nb", {"a", "b"}}, {"a\r\n\r\nb\r\n", {"a", "", "b"}}, {"a\r\r\nb", {"a", "", "b"}}};
    for (const auto& [bytes, expected] : ends) {
        install.writeBytes("txt/out.txt", bytes);
        EXPECT_EQ(ReadTextFileLines(file), expected) << bytes.toStdString();
    }
    EXPECT_THROW(WriteFileAryToTextFile(lines, 1, install.path("none/out.txt")), RunTimeError);
    EXPECT_THROW(ReadTextFileLines(install.path("bin/none.txt")), RunTimeError);
}

}  // namespace
