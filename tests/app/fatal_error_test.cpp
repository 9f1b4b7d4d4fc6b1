#include "app/context.h"
#include "app/fatal_error.h"
#include "platform/system_seams.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/wait.h>

#include <QFile>

namespace {

QString ContactMessage(const QString& description) {
    return QString::fromUtf8("VelmoAccount Ver2.05\r\n\r\nErr.Desc=") + description +
           QString::fromUtf8("\r\n\r\nプログラムを終了します。\r\n\r\n"
                             "ベルモソフトに連絡するときは\uFF0C以下のファイルを添付して電子メールで連絡してください\r\n"
                             "\u3000(1)エラーが起きたときのログファイル\r\n"
                             "\u3000(2)画面のハードコピー\r\n"
                             "\u3000(3)(できれば)DBファイル");
}

QByteArray ExpectedLog(const QString& description) {
    return Sjis("09:30:05   SQLite3Close\r\n09:30:05   " + ContactMessage(description) + "\r\n");
}

void OpenMemoryDatabase() { ASSERT_EQ(sqlite3_open(":memory:", &ctx().db), SQLITE_OK); }

TEST(ReportFatalError, LogsClosesShowsAndEnds) {
    const struct {
        bool withDescription;
        QString description;
    } cases[] = {{true, "ファイルが見つかりません: C:\\acc\\txt"}, {true, ""}, {false, ""}};
    for (const auto& c : cases) {
        TempInstall install;
        OpenMemoryDatabase();
        bool ended = false;
        try {
            if (c.withDescription)
                ReportFatalError(c.description);
            else
                ReportFatalError();
        } catch (const ProcessEnded&) {
            ended = true;
        }
        EXPECT_TRUE(ended);
        EXPECT_EQ(ctx().db, nullptr);
        ASSERT_EQ(install.desktop.dialogs.shown.size(), 1u);
        const ShownBox& box = install.desktop.dialogs.shown[0];
        EXPECT_EQ(box.kind, "ok");
        EXPECT_EQ(box.title, QString::fromUtf8("エラーが発生しました"));
        EXPECT_EQ(box.text, ContactMessage(c.description));
        EXPECT_EQ(install.readBytes("log/log_2026_1205-0930_05.txt"), ExpectedLog(c.description));
    }
}

// Writes what would be shown to a file, so that the parent of a death test
// can see it; also notes whether the database was already closed.
class FileDialogs final : public platform::Dialogs {
public:
    explicit FileDialogs(QString path) : path_(std::move(path)) {}
    void messageBox(const QString& text, const QString& title) override {
        QFile file(path_);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
        file.write((title + (ctx().db ? "|db open|" : "|db closed|") + text).toUtf8());
    }
    bool yesNoBox(const QString&, const QString&) override { return false; }
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }

private:
    QString path_;
};

TEST(ReportFatalErrorDeathTest, EndsTheRealProcess) {
    GTEST_FLAG_SET(death_test_style, "fast");
    TempInstall install;
    platform::ExitProcess exitProcess;
    FileDialogs dialogs(install.path("txt/shown.txt"));
    ctx().desktop.processEnd = &exitProcess;
    ctx().desktop.dialogs = &dialogs;
    ASSERT_EQ(sqlite3_open(install.path("db/velmo.sqlite3").toUtf8().constData(), &ctx().db), SQLITE_OK);

    const QString description = QString::fromUtf8("データベースがロックされています");
    EXPECT_EXIT(ReportFatalError(description), [](int status) { return WIFEXITED(status); }, "");

    EXPECT_EQ(QString::fromUtf8(install.readBytes("txt/shown.txt")),
              QString::fromUtf8("エラーが発生しました|db closed|") + ContactMessage(description));
    EXPECT_EQ(install.readBytes("log/log_2026_1205-0930_05.txt"), ExpectedLog(description));
}

}  // namespace
