// Text code detection, run on files as the program reads them, and the
// Shift_JIS check made before a user-maintained text file is read.
#include "app/runtime_error.h"
#include "encoding/text_file_check.h"
#include "golden_log.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

TEST(TextFileCheck, NamesTheCodeOfEachFileAndAcceptsOnlyAsciiAndSjis) {
    TempInstall install;
    const QString path = install.path(QStringLiteral("bin/List-仕入.txt"));
    // The message for a UTF-8 file; for another code only the code name differs.
    const QString utf8Message = DataText(QStringLiteral("encoding/not_sjis_message.txt"));
    QSet<QString> names;
    for (const QString& line : DataText(QStringLiteral("encoding/text_codes.txt")).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList fields = line.split(u'|');  // bytes | code name | why
        ASSERT_EQ(fields.size(), 3) << line.toStdString();
        const QString name = fields[1].trimmed();
        const std::string why = fields[2].toStdString();
        install.writeBytes(QStringLiteral("bin/List-仕入.txt"), QByteArray::fromHex(fields[0].toLatin1()));
        EXPECT_EQ(GetTextFileCodeName(path).toStdString(), name.toStdString()) << why;
        const bool sjis = name == QLatin1String("ASCII") || name == QLatin1String("SJIS");
        QString message = QStringLiteral("untouched");
        EXPECT_EQ(ChkTextFileSJIS(path, message), sjis) << why;
        const QString want = QString(utf8Message).replace(QStringLiteral("＝UTF8"), QStringLiteral("＝") + name);
        EXPECT_EQ(message.toStdString(), sjis ? "untouched" : want.toStdString()) << why;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 10) << "tests/data/encoding/text_codes.txt is missing or incomplete";
    EXPECT_TRUE(utf8Message.contains(QStringLiteral("＝UTF8\r\n"))) << "tests/data/encoding/not_sjis_message.txt";
}

TEST(TextFileCheck, UnreadableFileIsARunTimeError) {
    TempInstall install;
    const QString path = install.path(QStringLiteral("bin/missing.txt"));
    QString message;
    EXPECT_THROW(GetTextFileCodeName(path), RunTimeError);
    EXPECT_THROW(ChkTextFileSJIS(path, message), RunTimeError);
}

}  // namespace
