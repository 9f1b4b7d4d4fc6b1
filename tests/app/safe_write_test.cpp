// Files replaced as a set: nothing is renamed over an old file until every
// file of the set is written, and no temporary file stays behind.
#include "app/safe_write.h"
#include "temp_install.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(SafeWrite, ASetIsReplacedWholeOrNotAtAll) {
    TempInstall install;
    install.writeBytes(QStringLiteral("txt/first.txt"), "old first");
    // A folder of that name can never be replaced by a file.
    install.makeFolder(QStringLiteral("txt/second.txt"));
    const QString first = install.path(QStringLiteral("txt/first.txt"));
    const QString second = install.path(QStringLiteral("txt/second.txt"));
    const QString third = install.path(QStringLiteral("txt/third.txt"));

    const std::optional<WriteFailure> failure =
        ReplaceTextFiles({{first, {"ア", "イ"}, 0}, {second, {"ウ"}, 0}, {third, {"エ"}, 0}});
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->path, second);
    EXPECT_FALSE(failure->reason.isEmpty());
    EXPECT_EQ(install.readBytes(QStringLiteral("txt/first.txt")), "old first");
    EXPECT_EQ(QDir(install.path(QStringLiteral("txt")))
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
              QStringList({"first.txt", "second.txt"}));

    EXPECT_EQ(ReplaceTextFiles({{first, {"ア", "イ"}, 1}, {third, {"エ"}, 0}}), std::nullopt);
    EXPECT_EQ(install.readBytes(QStringLiteral("txt/first.txt")), Sjis("イ\r\n"));
    EXPECT_EQ(install.readBytes(QStringLiteral("txt/third.txt")), Sjis("エ\r\n"));
}

}  // namespace
