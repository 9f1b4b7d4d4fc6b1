#include "app/runtime_error.h"
#include "app/text_file.h"
#include "temp_install.h"

#include <gtest/gtest.h>

namespace {

TEST(WriteFileAryToTextFile, WritesFromTheFirstIndexReplacingTheFile) {
    const QStringList lines{"見出し", "一行目", "～\\ｱ😀", ""};
    const struct {
        qsizetype first;
        QString expected;
    } cases[] = {
        {0, "見出し\r\n一行目\r\n～\\ｱ?\r\n\r\n"},
        {1, "一行目\r\n～\\ｱ?\r\n\r\n"},
        {3, "\r\n"},
        {4, ""},
    };
    for (const auto& c : cases) {
        TempInstall install;
        install.writeBytes("txt/out.txt", QByteArray(500, 'z'));
        WriteFileAryToTextFile(lines, c.first, install.path("txt/out.txt"));
        EXPECT_EQ(install.readBytes("txt/out.txt"), Sjis(c.expected)) << c.first;
    }
    TempInstall install;
    EXPECT_THROW(WriteFileAryToTextFile(lines, 1, install.path("no_folder/out.txt")), RunTimeError);
}

TEST(ReadTextFileLines, SplitsAtCrLfCrAndLf) {
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"\r\n", {""}},
        {"", {}},
        {Sjis("電気代\r\nｶﾞｿﾘﾝ～\\"), {"電気代", "ｶﾞｿﾘﾝ～\\"}},
    };
    for (const auto& c : cases) {
        TempInstall install;
        install.writeBytes("bin/List-.txt", c.bytes);
        EXPECT_EQ(ReadTextFileLines(install.path("bin/List-.txt")), c.lines) << c.bytes.toStdString();
    }
    TempInstall install;
    EXPECT_THROW(ReadTextFileLines(install.path("bin/List-missing.txt")), RunTimeError);
}

TEST(ReadTextFileLines, ReadsBackWhatWasWritten) {
    TempInstall install;
    const QStringList lines{"", "雑費", " 先頭と末尾の空白 ", "ﾊﾝｶｸ", "～－∥"};
    WriteFileAryToTextFile(lines, 0, install.path("txt/r.txt"));
    EXPECT_EQ(ReadTextFileLines(install.path("txt/r.txt")), lines);
}

}  // namespace
