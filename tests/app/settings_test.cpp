#include "app/settings.h"
#include "temp_install.h"

#include <gtest/gtest.h>

namespace {

const QString kIni = "bin/VelmoAccount.ini";

TEST(Settings, MissingFileReadsDefaultsAndIsCreatedOnWrite) {
    TempInstall install;
    EXPECT_EQ(ReadSetting("user", "name", ""), "");
    EXPECT_EQ(ReadSetting("db", "filename", "既定.sqlite3"), QString::fromUtf8("既定.sqlite3"));

    WriteSetting("user", "name", "山田～ｱ\\");
    EXPECT_EQ(install.readBytes(kIni), Sjis("[user]\r\nname=山田～ｱ\\\r\n"));
    EXPECT_EQ(ReadSetting("user", "name", "x"), QString::fromUtf8("山田～ｱ\\"));
    EXPECT_EQ(ReadSetting("db", "filename", "none"), "none");
}

TEST(Settings, ReadsTheKeyOfItsOwnSection) {
    const struct {
        QString file, section, key, expected;
    } cases[] = {
        {"[user]\r\nname=鈴木\r\n[db]\r\nfilename=velmo.sqlite3\r\n", "db", "filename", "velmo.sqlite3"},
        {"[db]\r\nname=wrong\r\n", "user", "name", "(default)"},
        {"[user]\r\n;name=commented\r\n", "user", "name", "(default)"},
        {"[user]\r\nname=\r\n", "user", "name", ""},
        {"[USER]\r\nNAME=佐藤\r\n", "user", "name", "佐藤"},
        {"[user]\nname=LF only\n", "user", "name", "LF only"},
        {"; comment\r\n\r\n[user]\r\n\r\nother=1\r\nname=後ろ\r\n", "user", "name", "後ろ"},
    };
    for (const auto& c : cases) {
        TempInstall install;
        install.writeBytes(kIni, Sjis(c.file));
        EXPECT_EQ(ReadSetting(c.section, c.key, "(default)"), c.expected) << c.file.toStdString();
    }
}

TEST(Settings, WritingOneKeyKeepsEveryOtherLine) {
    const QString original = "; ベルモ設定\r\n"
                             "[user]\r\n"
                             "name=古い名前\r\n"
                             "\r\n"
                             "[db]\r\n"
                             "; 変更しないこと\r\n"
                             "filename=velmo.sqlite3\r\n"
                             "\r\n"
                             "[other]\r\n"
                             "name=別のセクション\r\n";
    const struct {
        QString section, key, value, expected;
    } cases[] = {
        {"user", "name", "新しい名前", QString(original).replace("name=古い名前", "name=新しい名前")},
        {"other", "name", "x", QString(original).replace("name=別のセクション", "name=x")},
        {"db", "filename", "", QString(original).replace("filename=velmo.sqlite3", "filename=")},
        {"user", "mail", "a@b", QString(original).replace("name=古い名前\r\n", "name=古い名前\r\nmail=a@b\r\n")},
    };
    for (const auto& c : cases) {
        TempInstall install;
        install.writeBytes(kIni, Sjis(original));
        WriteSetting(c.section, c.key, c.value);
        EXPECT_EQ(install.readBytes(kIni), Sjis(c.expected)) << c.key.toStdString();
        EXPECT_EQ(ReadSetting(c.section, c.key, "(default)"), c.value);
    }

    // A new section leaves the existing text in front of it untouched.
    TempInstall install;
    install.writeBytes(kIni, Sjis(original));
    WriteSetting("new", "key", "値");
    const QByteArray written = install.readBytes(kIni);
    EXPECT_TRUE(written.startsWith(Sjis(original)));
    EXPECT_TRUE(written.endsWith(Sjis("[new]\r\nkey=値\r\n")));
    EXPECT_EQ(ReadSetting("new", "key", ""), QString::fromUtf8("値"));
    EXPECT_EQ(ReadSetting("user", "name", ""), QString::fromUtf8("古い名前"));
}

TEST(Settings, LongValueIsStoredWholeButReadBackWithinNinetyNineBytes) {
    const struct {
        QString value, readBack;
    } cases[] = {
        {QString(60, u'あ'), QString(49, u'あ')},
        {"a" + QString(60, u'あ'), "a" + QString(49, u'あ')},
        {QString(120, u'x'), QString(99, u'x')},
        {QString(120, u'ｱ'), QString(99, u'ｱ')},
        {QString(98, u'x') + "漢字", QString(98, u'x')},
        {QString(97, u'x') + "漢字", QString(97, u'x') + "漢"},
    };
    for (const auto& c : cases) {
        TempInstall install;
        WriteSetting("user", "name", c.value);
        EXPECT_EQ(install.readBytes(kIni), Sjis("[user]\r\nname=" + c.value + "\r\n"));
        EXPECT_EQ(ReadSetting("user", "name", ""), c.readBack) << c.value.toStdString();
    }
}

}  // namespace
