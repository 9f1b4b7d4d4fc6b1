#include "app/context.h"
#include "app/identity.h"
#include "app/paths.h"
#include "app/run_log.h"
#include "app/settings.h"
#include "app/sound_cue.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

TEST(PathSplit, FolderOfAndFileNameOf) {
    const struct {
        QString path, folder, fileName;
    } cases[] = {
        {"C:\\a\\b", "C:\\a", "b"},
        {"C:\\a\\b\\", "C:\\a", "b\\"},
        {"C:\\a\\b.txt", "C:\\a", "b.txt"},
        {"D:\\Acc\\bin", "D:\\Acc", "bin"},
        {"C:\\", "", ""},
        {"b.txt", "", ""},
        {"", "", ""},
        {"\\", "", ""},
        {"/opt/acc/bin", "/opt/acc", "bin"},
        {"/opt/acc/bin/", "/opt/acc", "bin/"},
        {"/opt", "", "opt"},
        {"C:\\a/b.txt", "C:\\a", "b.txt"},
        {"/opt/a\\b", "/opt/a", "b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FolderOf(c.path), c.folder) << c.path.toStdString();
        EXPECT_EQ(FileNameOf(c.path), c.fileName) << c.path.toStdString();
    }
}

TEST(PathSplit, VersionText) { EXPECT_EQ(VersionText(), "2.05"); }

TEST(BaseFolders, EverythingHangsOffExeFolderAndItsParent) {
    TempInstall install;
    EXPECT_EQ(ctx().appFolder, install.root());
    const struct {
        QString actual, expected;
    } cases[] = {
        {SettingsPath(), "bin/VelmoAccount.ini"},
        {StartupLogPath(), "bin/VelmoAccount_log.txt"},
        {StartCuePath(), "wav/start.wav"},
        {NotifyCuePath(), "wav/notify.wav"},
    };
    for (const auto& c : cases) EXPECT_EQ(QDir::fromNativeSeparators(c.actual), install.path(c.expected));

    PlaySoundCue(NotifyCuePath());
    EXPECT_EQ(install.desktop.sound.played, QStringList{NotifyCuePath()});
}

TEST(Existence, FolderExistsAndFileExists) {
    TempInstall install;
    install.writeBytes("bin/plain.txt", "x");
    install.writeBytes("bin/.hidden.txt", "x");
    const struct {
        QString path;
        bool folder, file;
    } cases[] = {
        {install.path("db"), true, false},
        {install.path("bin/plain.txt"), false, true},
        {install.path("bin/.hidden.txt"), false, false},
        {install.path("bin/none.txt"), false, false},
        {install.path("none"), false, false},
        {"", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FolderExists(c.path), c.folder) << c.path.toStdString();
        EXPECT_EQ(FileExists(c.path), c.file) << c.path.toStdString();
    }
}

TEST(CheckFolders, AllPresent) {
    TempInstall install;
    QString message = "untouched";
    EXPECT_TRUE(CheckFolders(kRequiredFolders, message));
    EXPECT_EQ(message, "untouched");
    EXPECT_FALSE(QFile::exists(StartupLogPath()));
}

TEST(CheckFolders, NamesOnlyTheFirstMissingFolder) {
    const struct {
        QStringList removed, replacedByFile;
        QString named;
    } cases[] = {
        {{"db"}, {}, "db"},
        {{"log", "data_for_rupa_kaikei"}, {}, "log"},
        {{"data_for_rupa_kaikei"}, {}, "data_for_rupa_kaikei"},
        {{}, {"db_backup"}, "db_backup"},
        {{"log"}, {"db_backup"}, "db_backup"},
    };
    for (const auto& c : cases) {
        TempInstall install;
        for (const QString& name : c.removed + c.replacedByFile) ASSERT_TRUE(QDir(install.path(name)).removeRecursively());
        for (const QString& name : c.replacedByFile) install.writeBytes(name, "not a folder");

        QString message;
        EXPECT_FALSE(CheckFolders(kRequiredFolders, message));
        const QString expected = QString::fromUtf8("次のフォルダが存在しません。\r\n次のフォルダを作成してください。\r\n\r\n") +
                                 QChar(0x3000) + QDir::toNativeSeparators(install.path(c.named));
        EXPECT_EQ(message, expected);
        EXPECT_EQ(install.readBytes("bin/VelmoAccount_log.txt"), Sjis("09:30:05   " + expected + "\r\n"));
    }
}

}  // namespace
