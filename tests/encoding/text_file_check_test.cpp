#include "encoding/text_file_check.h"

#include "app/runtime_error.h"
#include "temp_install.h"

#include <gtest/gtest.h>

namespace {

struct Sample {
    const char* name;
    QByteArray bytes;
};

const Sample kSamples[] = {
    {"NONE", QByteArray("\x81")},
    {"ASCII", QByteArray("abc\r\n")},
    {"SJIS", QByteArray("\x83\x5C\x83\x8B")},
    {"EUC", QByteArray("\xA4\xA2")},
    {"JIS", QByteArray("\x1B$B$\"\x1B(B")},
    {"UTF16_LE", QByteArray("\xFF\xFE")},
    {"UTF16_BE", QByteArray("\xFE\xFF")},
    {"UTF8", QByteArray("\xE3\x81\x82")},
    {"UTF8_BOM", QByteArray("\xEF\xBB\xBF")},
    {"UTF7", QByteArray("+MEI-")},
};

TEST(TextFileCheck, NamesTheCodeOfEachFile) {
    TempInstall install;
    for (const Sample& s : kSamples) {
        install.writeBytes(QStringLiteral("bin/sample.txt"), s.bytes);
        EXPECT_EQ(GetTextFileCodeName(install.path(QStringLiteral("bin/sample.txt"))), QLatin1String(s.name)) << s.name;
    }
}

TEST(TextFileCheck, AcceptsOnlyAsciiAndSjis) {
    TempInstall install;
    const QString path = install.path(QStringLiteral("bin/List-.txt"));
    for (const Sample& s : kSamples) {
        install.writeBytes(QStringLiteral("bin/List-.txt"), s.bytes);
        QString message = QStringLiteral("before");
        const bool accepted = qstrcmp(s.name, "ASCII") == 0 || qstrcmp(s.name, "SJIS") == 0;
        EXPECT_EQ(ChkTextFileSJIS(path, message), accepted) << s.name;
        if (accepted)
            EXPECT_EQ(message, QStringLiteral("before")) << s.name;
        else
            EXPECT_TRUE(message.contains(QStringLiteral("文字コード＝") + QLatin1String(s.name) + QStringLiteral("\r\n")))
                << s.name;
    }
}

TEST(TextFileCheck, MessageForUtf8File) {
    TempInstall install;
    install.writeBytes(QStringLiteral("bin/List-仕入.txt"), QByteArray("\xE4\xBB\x95\xE5\x85\xA5"));
    QString message;
    ASSERT_FALSE(ChkTextFileSJIS(install.path(QStringLiteral("bin/List-仕入.txt")), message));
    // Full-width "＝" is EF BC 9D and "，" is EF BC 8C.
    const QByteArray want = "次のテキストファイルの文字コードはShift_JISではありません。\r\n"
                            "    ファイル名\xEF\xBC\x9D" "List-仕入.txt\r\n"
                            "    文字コード\xEF\xBC\x9D" "UTF8\r\n"
                            "\r\n"
                            "このファイルをエディタで開いて\xEF\xBC\x8C" "ANSIまたはSJISで保存してください。\r\n"
                            "\r\n"
                            "このファイルをエディタで開きますか？\r\n";
    EXPECT_EQ(message.toUtf8(), want);
}

TEST(TextFileCheck, MissingFileIsARunTimeError) {
    TempInstall install;
    const QString path = install.path(QStringLiteral("bin/missing.txt"));
    QString message;
    EXPECT_THROW(GetTextFileCodeName(path), RunTimeError);
    EXPECT_THROW(ChkTextFileSJIS(path, message), RunTimeError);
}

}  // namespace
