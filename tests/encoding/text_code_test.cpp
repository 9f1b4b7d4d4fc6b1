// Text code detection on files as the program reads them, and the Shift_JIS
// check made before a user-maintained text file is read, over the cases of
// tests/data/encoding/text_codes.txt.
#include "app/runtime_error.h"
#include "encoding/text_file_check.h"
#include "golden_log.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(TextFileCheck, NamesTheCodeOfEachFileAndAcceptsOnlyAsciiAndSjis) {
    TempInstall install;
    const QString path = install.path("bin/List-仕入.txt");
    // The message for a UTF-8 file; for another code only the code name differs.
    const QString utf8Message = DataText("encoding/not_sjis_message.txt");
    ASSERT_TRUE(utf8Message.contains("＝UTF8\r\n"));
    QSet<QString> names;
    for (const QString& line : DataText("encoding/text_codes.txt").split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) continue;
        const QStringList fields = line.split('|');  // bytes | code name | why
        const QString name = fields.value(1).trimmed();
        install.writeBytes("bin/List-仕入.txt", QByteArray::fromHex(fields[0].toLatin1()));
        EXPECT_EQ(GetTextFileCodeName(path), name) << line.toStdString();
        const bool sjis = name == "ASCII" || name == "SJIS";
        QString message = "untouched";
        EXPECT_EQ(ChkTextFileSJIS(path, message), sjis) << line.toStdString();
        EXPECT_EQ(message, sjis ? "untouched" : QString(utf8Message).replace("＝UTF8", "＝" + name))
            << line.toStdString();
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 10) << "tests/data/encoding/text_codes.txt is missing or incomplete";
    QString message;
    EXPECT_THROW(GetTextFileCodeName(install.path("bin/missing.txt")), RunTimeError);
    EXPECT_THROW(ChkTextFileSJIS(install.path("bin/missing.txt"), message), RunTimeError);
}

}  // namespace
